#include "transforms/base64_decode.h"

#include <gtest/gtest.h>

#include <random>

#include "random_texts.h"
#include "test_support.h"
#include "transforms/base64_encode.h"

namespace quillet {
namespace {

TEST(Base64DecodeTest, DecodesAnyTextAndLeavesItCleaned) {
  struct Case {
    const char* input;
    const char* afterwards;
    ByteString result;
  };
  for (const Case& c : {
           Case{"YWJj", "YWJj", Bytes("abc")},
           Case{"YQ==", "YQ==", Bytes("a")},
           Case{"YWI=", "YWI=", Bytes("ab")},
           Case{"YWJjZA==", "YWJjZA==", Bytes("abcd")},
           Case{"Y W J j", "YWJj", Bytes("abc")},
           Case{"YQ", "YQ", Bytes("a\0\0")},  // a short last group reads "A" for the rest
           Case{"YWJjZA", "YWJjZA", Bytes("abcd\0\0")},
           Case{"QUJD!", "QUJD!", Bytes("AB")},  // stop at place 1: four bytes removed
           Case{"QUJD=", "QUJD=", Bytes("AB")},
           Case{"QUJDR", "QUJDR", Bytes("ABCD\0\0")},
           Case{"abc", "abc", Bytes("\x69\xB7\0")},
           Case{"=", "=", ByteString()},
           Case{"====", "====", ByteString()},
           Case{"", "", ByteString()},
           Case{"   ", "", ByteString()},
           Case{"\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4", ByteString()},
           Case{"\xD6\xD0\xCE\xC4"
                "abcd",
                "\xD6\xD0\xCE\xC4"
                "abcd",
                Bytes("\x58\0\0\x69\xB7\x1D")},
           Case{"QUJD\xA1\xA1RA==", "QUJDRA==", Bytes("ABCD")},
           Case{"YW\r\nJj\r", "YWJj\r", Bytes("ab")},  // a lone CR stays, and stops at place 1
           Case{"YQ\tZ", "YQ\tZ", Bytes("a")},         // a tab is no space: it stops at place 3
           Case{"QUJD\xA1\xA1", "QUJD", Bytes("ABC")},
           Case{"QU=D", "QU=D", Bytes("A")},  // a fill inside a group stops it too
       }) {
    Text text(c.input);
    EXPECT_EQ(Base64Decode(text), c.result) << Hex(c.input);
    EXPECT_EQ(text, Text(c.afterwards)) << Hex(c.input);
  }
}

TEST(Base64DecodeTest, AGroupThatStopsEarlyKeepsRawBytesAndEarlierSlots) {
  // "Y!AA" stops at "!": its slot 1 holds the raw byte 21, and slots 2 and 3 still hold J and D
  // (9 and 3) from "QUJD". Only the last group's stop shortens the result.
  Text text("QUJDY!AAAAAA");
  EXPECT_EQ(Hex(Base64Decode(text).View()), "41 42 43 62 12 43 00 00 00");
}

TEST(Base64DecodeTest, PumpsEventsOncePerGroupOfTheCleanedText) {
  PumpEventsCounter pumps;
  struct Case {
    const char* input;
    int groups;
  };
  for (const Case& c : {Case{"", 0}, Case{"   ", 0}, Case{"YQ", 1}, Case{"YWJj", 1},
                        Case{"YWJjZ", 2}, Case{"YWJj YWJj\r\nYWJj", 3}}) {
    pumps.calls = 0;
    Text text(c.input);
    Base64Decode(text);
    EXPECT_EQ(pumps.calls, c.groups) << c.input;
  }
}

TEST(Base64DecodeTest, UndoesEncoding) {
  std::mt19937 random(3);
  for (int round = 0; round < 300; ++round) {
    const Text text = RandomBytesText(random, 80);
    Text encoded = Base64Encode(BytesFromText(text));
    ASSERT_EQ(Base64Decode(encoded), BytesFromText(text)) << Hex(text.View());
  }
}

}  // namespace
}  // namespace quillet
