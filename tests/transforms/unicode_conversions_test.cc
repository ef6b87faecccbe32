#include "transforms/unicode_conversions.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillet {
namespace {

const Text kChineseA(
    "\xD6\xD0\xCE\xC4"
    "A");  // 中文A

TEST(UnicodeConversionsTest, EmptyGivesEmptyFromAllTen) {
  EXPECT_TRUE(AnsiToUnicode("").IsEmpty());
  EXPECT_TRUE(UnicodeToUtf8(ByteString()).IsEmpty());
  EXPECT_TRUE(AnsiToUtf8("").IsEmpty());
  EXPECT_TRUE(Utf8ToUnicode(ByteString()).IsEmpty());
  EXPECT_TRUE(UnicodeToAnsi(ByteString()).IsEmpty());
  EXPECT_TRUE(Utf8ToAnsi(ByteString()).IsEmpty());
  EXPECT_TRUE(CodePageToUtf16("").IsEmpty());
  EXPECT_TRUE(Utf16ToCodePage(ByteString(), 936).IsEmpty());
  EXPECT_TRUE(Gb2312ToUtf8("").IsEmpty());
  EXPECT_TRUE(Utf8ToGb2312("").IsEmpty());
}

TEST(UnicodeConversionsTest, GbkToUtf16AndUtf8) {
  EXPECT_EQ(Hex(AnsiToUnicode(kChineseA).View()), "2D 4E 87 65 41 00 00 00");
  EXPECT_EQ(Hex(AnsiToUnicode("abc").View()), "61 00 62 00 63 00 00 00");
  EXPECT_EQ(Hex(AnsiToUtf8(kChineseA).View()), "E4 B8 AD E6 96 87 41 00");
  EXPECT_EQ(Hex(Gb2312ToUtf8(kChineseA).View()), "E4 B8 AD E6 96 87 41");
  EXPECT_EQ(Utf8ToGb2312(Gb2312ToUtf8(kChineseA)), kChineseA);
  EXPECT_EQ(Hex(AnsiToUnicode("\x80\xD6").View()), "AC 20 FD FF 00 00");  // euro, lone lead
}

TEST(UnicodeConversionsTest, ThreeEuroSignsAndMoreKeepEveryCharacterInUtf8) {
  // One byte each in GBK, three in UTF-8: a buffer sized by the GBK count would cut them.
  EXPECT_EQ(Hex(Gb2312ToUtf8("\x80\x80\x80").View()), "E2 82 AC E2 82 AC E2 82 AC");
  EXPECT_EQ(Gb2312ToUtf8("a\x80\x80\x80\x80z"),
            Text("a\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
                 "z"));
  EXPECT_EQ(Utf8ToGb2312(Gb2312ToUtf8("\x80\x80\x80\x80")), Text("\x80\x80\x80\x80"));
}

TEST(UnicodeConversionsTest, GbkBytesReadAsUtf16) {
  // Units D0D6 and C4CE; the odd byte 41 is never read.
  EXPECT_EQ(Hex(UnicodeToUtf8(BytesFromText(kChineseA)).View()), "ED 83 96 EC 93 8E");
  EXPECT_EQ(Hex(UnicodeToAnsi(BytesFromText("ab")).View()), "92 4C");  // U+6261
  EXPECT_EQ(Hex(UnicodeToAnsi(BytesFromText("abc")).View()), "92 4C");
  EXPECT_EQ(UnicodeToAnsi(BytesFromText("AB")), Text("?"));  // GBK lacks U+4241
  EXPECT_TRUE(UnicodeToUtf8(BytesFromText("a")).IsEmpty());  // one byte: no unit
  EXPECT_TRUE(UnicodeToAnsi(BytesFromText("a")).IsEmpty());
  EXPECT_EQ(Hex(UnicodeToUtf8(Bytes("\x3D\xD8"
                                    "a\0"))
                    .View()),
            "EF BF BD 61");                                             // lone surrogate
  EXPECT_EQ(Hex(UnicodeToAnsi(Bytes("e\0\x01\x03")).View()), "A8 A6");  // é, composed
  EXPECT_EQ(UnicodeToAnsi(Bytes("a\0\0\0b\0")), Text("a"));             // a zero unit ends it
}

TEST(UnicodeConversionsTest, GbkBytesReadAsUtf8) {
  EXPECT_EQ(Hex(Utf8ToUnicode(BytesFromText("abc")).View()), "61 00 62 00 63 00");
  EXPECT_EQ(Utf8ToAnsi(Bytes("\xE4\xB8\xAD\xE6\x96\x87")), Text("\xD6\xD0\xCE\xC4"));
  EXPECT_EQ(Utf8ToAnsi(BytesFromText("abc")), Text("abc"));
  EXPECT_EQ(Utf8ToAnsi(BytesFromText(kChineseA)), Text("????A"));  // four malformed bytes
  EXPECT_EQ(Utf8ToGb2312("abc"), Text("abc"));
}

TEST(UnicodeConversionsTest, TheUtf8DecodingIsCutAtTheGbkUnitCount) {
  // 中 is one GBK unit plus the terminator; read as UTF-8, D6 D0 00 gives three units.
  EXPECT_EQ(Hex(CodePageToUtf16("\xD6\xD0").View()), "FD FF FD FF");
  EXPECT_EQ(Utf8ToGb2312("\xD6\xD0"), Text("??"));  // without the buffer's leftover spaces
  // Fewer units than GBK: the rest stays zero.
  EXPECT_EQ(Hex(CodePageToUtf16("\xE4\xB8\xAD").View()), "2D 4E 00 00 00 00");
  EXPECT_EQ(Utf8ToGb2312("\xE4\xB8\xAD"), Text("\xD6\xD0"));
  EXPECT_EQ(Hex(CodePageToUtf16("\xD6\xD0", 936).View()), "2D 4E 00 00");
}

}  // namespace
}  // namespace quillet
