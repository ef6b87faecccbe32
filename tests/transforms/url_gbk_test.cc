#include "transforms/url_gbk.h"

#include <gtest/gtest.h>

#include <random>

#include "random_texts.h"
#include "test_support.h"

namespace quillet {
namespace {

TEST(UrlGbkTest, EncodesEveryByte) {
  struct Case {
    const char* text;
    const char* encoded;
  };
  for (const Case& c :
       {Case{"", ""}, Case{"abc", "%61%62%63"}, Case{"a b", "%61%20%62"}, Case{"+", "%2B"},
        Case{"\xD6\xD0", "%D6%D0"}, Case{"\t\n", "%09%0A"}, Case{"\x80\xFF", "%80%FF"}}) {
    EXPECT_EQ(UrlEncodeGbk(c.text), Text(c.encoded)) << Hex(c.text);
  }
}

TEST(UrlGbkTest, DecodesMalformedEscapesByTheDigitTable) {
  struct Case {
    const char* text;
    const char* decoded;
  };
  for (const Case& c : {
           Case{"", ""},
           Case{"%D6%D0", "\xD6\xD0"},
           Case{"%d6%d0", "\xD6\xD0"},
           Case{"a+b%20c", "a+b c"},
           Case{"100%", "100"},  // both digits missing: the zero byte appends nothing
           Case{"%4", "\x40"},
           Case{"%00x", "x"},
           Case{"%zz", "\xDE"},
           Case{"%G1", "\xE1"},
           Case{"%%41",
                "\xE4"
                "1"},                  // the second "%" is the first digit
           Case{"%\xD6\xD0", "\xDE"},  // D6 is no digit, nor is D0 as a byte of its own
           Case{"%4\xC1", "\x3E"},     // 4 then C1: a non-digit, -2
           Case{"\xD6%41",
                "\xD6"
                "A"},
       }) {
    EXPECT_EQ(UrlDecodeGbk(c.text), Text(c.decoded)) << Hex(c.text);
  }
}

TEST(UrlGbkTest, EncodingPumpsEventsOncePerByteAndDecodingNever) {
  PumpEventsCounter pumps;
  UrlEncodeGbk("a\xD6\xD0");
  EXPECT_EQ(pumps.calls, 3);
  UrlDecodeGbk("%61%62");
  EXPECT_EQ(pumps.calls, 3);
}

TEST(UrlGbkTest, DecodingUndoesEncodingOfAnyBytes) {
  std::mt19937 random(4);
  for (int round = 0; round < 300; ++round) {
    const Text text = RandomBytesText(random, 100);
    ASSERT_EQ(UrlDecodeGbk(UrlEncodeGbk(text)), text) << Hex(text.View());
  }
}

}  // namespace
}  // namespace quillet
