#include "platform/edge_encoding.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillet {
namespace {

TEST(EdgeEncodingTest, TypedTextBecomesGbkWithQuestionMarksForTheRest) {
  EXPECT_EQ(GbkFromUtf8("\xE4\xB8\xAD\xE6\x96\x87"
                        "A"),
            Text("\xD6\xD0\xCE\xC4"
                 "A"));
  EXPECT_EQ(GbkFromUtf8("\xE2\x82\xAC"), Text("\x80"));     // the euro sign
  EXPECT_EQ(GbkFromUtf8("\xF0\x9F\x98\x80!"), Text("?!"));  // GBK lacks the emoji
  EXPECT_EQ(GbkFromUtf8("a\xFF"
                        "b"),
            Text("a?b"));  // malformed UTF-8
  EXPECT_EQ(GbkFromUtf16(u"\u4E2D\u00C5"), Text("\xD6\xD0?"));
  EXPECT_TRUE(GbkFromUtf8("").IsEmpty());
}

TEST(EdgeEncodingTest, GbkShowsAsUnicodeWithReplacementCharacters) {
  EXPECT_EQ(Utf8FromGbk(Text("\xD6\xD0\r\n")), "\xE4\xB8\xAD\r\n");
  EXPECT_EQ(Utf8FromGbk(Text("a\xD6")), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf16FromGbk(Text("\xD6\xD0"
                              "a")),
            u"\u4E2Da");
  EXPECT_TRUE(Utf8FromGbk(Text()).empty());
}

}  // namespace
}  // namespace quillet
