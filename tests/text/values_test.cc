#include "text/values.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillet {
namespace {

TEST(TextTest, EndsAtTheFirstZeroByte) {
  EXPECT_EQ(Text(std::string_view("ab\0c", 4)).View(), "ab");
  EXPECT_EQ(Text(std::string("\0x", 2)).Length(), 0);
  EXPECT_EQ(Text(static_cast<const char*>(nullptr)), Text(""));
  Text text("a");
  text.Append(std::string_view("b\0c", 3)).AppendByte(0).AppendByte('d');
  EXPECT_EQ(text, Text("abd"));
}

TEST(TextTest, ConversionsWithByteStrings) {
  EXPECT_TRUE(BytesFromText(Text()).IsEmpty());
  EXPECT_EQ(BytesFromText(Text("\xD6\xD0")), (ByteString{0xD6, 0xD0}));
  EXPECT_EQ(TextFromBytes(Bytes("a\0b\0c\0")), Text("a"));
  EXPECT_TRUE(TextFromBytes(Bytes("\0A")).IsEmpty());
  EXPECT_TRUE(TextFromBytes(ByteString()).IsEmpty());
  EXPECT_EQ(TextFromBytes(Bytes("\xD6")), Text("\xD6"));  // a lone lead byte stays
  EXPECT_EQ(BytesFromText(std::int16_t{0x4E2D}), (ByteString{0x2D, 0x4E}));
  EXPECT_EQ(BytesFromText(std::int16_t{-1}), (ByteString{0xFF, 0xFF}));
}

TEST(TextTest, JoinAndCompare) {
  EXPECT_EQ(TextJoin(Text(), "x"), Text("x"));
  EXPECT_TRUE(TextJoin("", "").IsEmpty());
  EXPECT_EQ(TextJoin(Text("a"), "b", Text("c"), "d"), Text("abcd"));

  struct Case {
    const char* a;
    const char* b;
    int order;
  };
  for (const Case& c :
       {Case{nullptr, "", 0}, Case{"a", "", 1}, Case{"", "a", -1}, Case{"ab", "b", -1},
        Case{"\xD6\xD0", "a", 1}, Case{"ab", "ab", 0}, Case{"ab", "abc", -1}}) {
    EXPECT_EQ(TextCompare(Text(c.a), Text(c.b)), c.order) << c.a << " vs " << c.b;
  }
}

TEST(ByteStringTest, JoinAndCompare) {
  EXPECT_TRUE(BytesJoin(ByteString(), ByteString()).IsEmpty());
  EXPECT_EQ(BytesJoin(ByteString{1}, ByteString(), ByteString{2, 3}), (ByteString{1, 2, 3}));
  EXPECT_EQ(BytesCompare(ByteString{0x0D}, ByteString{0x0D}), 0);
  EXPECT_NE(BytesCompare(ByteString{0x0D}, ByteString{0x0D, 0x0A}), 0);
  EXPECT_EQ(BytesCompare(ByteString(), ByteString()), 0);
  EXPECT_EQ(BytesCompare(ByteString{0x01}, ByteString{0xFF}), -1);
  EXPECT_EQ(BytesCompare(ByteString{0xFF}, ByteString{0x01}), 1);
  EXPECT_EQ(BytesCompare(ByteString{0xFF}, ByteString{0x01, 0x02}), 1);  // lengths differ
}

TEST(ByteArrayTest, StartsAtZeroAndKeepsLowBits) {
  ByteArray array(256);
  for (std::int32_t position = 1; position <= 256; ++position) {
    ASSERT_EQ(array.Element(position), 0) << position;
  }
  array.SetElement(1, 0x141);
  array.SetElement(256, -1);
  EXPECT_EQ(array.Element(1), 0x41);
  EXPECT_EQ(array.Element(256), 0xFF);
  EXPECT_EQ(BytesFromText(array).Length(), 256);  // zero elements included
  EXPECT_EQ(TextFromBytes(array), Text("A"));
}

TEST(ValuesDeathTest, PositionsOutsideTheCountStopTheProgram) {
  ByteArray array(4);
  EXPECT_DEATH(array.Element(0), "byte array position");
  EXPECT_DEATH(array.SetElement(5, 1), "byte array position");
  TextList list;
  list.Add(Text("a"));
  EXPECT_EQ(list.Element(1), Text("a"));
  EXPECT_DEATH(list.Element(2), "list position");
  EXPECT_DEATH(list.Element(0), "list position");
}

}  // namespace
}  // namespace quillet
