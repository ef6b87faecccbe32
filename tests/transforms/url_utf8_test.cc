#include "transforms/url_utf8.h"

#include <gtest/gtest.h>

#include <random>

#include "random_texts.h"
#include "test_support.h"

namespace quillet {
namespace {

TEST(UrlUtf8Test, EncodesTheUtf8Bytes) {
  EXPECT_TRUE(UrlEncodeUtf8("").IsEmpty());
  EXPECT_EQ(UrlEncodeUtf8("\xD6\xD0"), Text("%E4%B8%AD"));
  EXPECT_EQ(UrlEncodeUtf8("a b"), Text("%61%20%62"));
  EXPECT_EQ(UrlEncodeUtf8("\xD6\xD0"
                          "a"),
            Text("%E4%B8%AD%61"));
  EXPECT_EQ(UrlEncodeUtf8("\x80\x80\x80"), Text("%E2%82%AC%E2%82%AC%E2%82%AC"));
}

TEST(UrlUtf8Test, DecodesEscapesAsUtf8) {
  struct Case {
    const char* text;
    const char* decoded;
  };
  for (const Case& c :
       {Case{"", ""}, Case{"%", ""}, Case{"%00", ""}, Case{"%E4%B8%AD", "\xD6\xD0"},
        Case{"%e4%b8%ad", "\xD6\xD0"}, Case{"a+b%20c", "a+b c"}, Case{"%E4%B8", "?"},
        Case{"\xD6\xD0", "??"}}) {  // GBK bytes outside escapes, read as UTF-8
    EXPECT_EQ(UrlDecodeUtf8(c.text), Text(c.decoded)) << c.text;
  }
}

TEST(UrlUtf8Test, EncodingPumpsEventsOncePerUtf8Byte) {
  PumpEventsCounter pumps;
  UrlEncodeUtf8(
      "\xD6\xD0"
      "a");
  EXPECT_EQ(pumps.calls, 4);
  UrlDecodeUtf8("%E4%B8%AD");
  EXPECT_EQ(pumps.calls, 4);
}

TEST(UrlUtf8Test, DecodingUndoesEncodingOfGbkTexts) {
  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    const Text text = RandomGbkText(random, 40);  // euro signs included
    ASSERT_EQ(UrlDecodeUtf8(UrlEncodeUtf8(text)), text) << Hex(text.View());
  }
}

}  // namespace
}  // namespace quillet
