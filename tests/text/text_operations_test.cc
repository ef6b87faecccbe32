#include "text/text_operations.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace quillet {
namespace {

TEST(TextOperationsTest, PrefixAndSliceAreByteBased) {
  EXPECT_EQ(TextSlice("abc", 3, 5), Text("c"));
  EXPECT_EQ(TextSlice("abc", 1, 2), Text("ab"));
  EXPECT_TRUE(TextSlice("abc", 4, 1).IsEmpty());
  EXPECT_TRUE(TextSlice("abc", 0, 1).IsEmpty());
  EXPECT_TRUE(TextSlice("abc", 1, 0).IsEmpty());
  EXPECT_TRUE(TextSlice("abc", INT32_MIN, 1).IsEmpty());
  EXPECT_EQ(TextSlice("\xD6\xD0", 2, 1), Text("\xD0"));
  EXPECT_EQ(TextPrefix("\xD6\xD0\xCE\xC4", 3), Text("\xD6\xD0\xCE"));
  EXPECT_EQ(TextPrefix("abc", 9), Text("abc"));
  EXPECT_TRUE(TextPrefix("abc", -1).IsEmpty());
}

TEST(TextOperationsTest, CodesAndNumbers) {
  EXPECT_EQ(TextCodeAt("a"), 97);
  EXPECT_EQ(TextCodeAt("\xD6\xD0"), -42);
  EXPECT_EQ(TextCodeAt("ab", 3), 0);
  EXPECT_EQ(TextCodeAt("ab", 9), 0);
  EXPECT_EQ(TextCodeAt("ab", 0), 0);
  EXPECT_EQ(TextCodeAt("", 1), 0);

  EXPECT_EQ(TextFromCode(65), Text("A"));
  EXPECT_EQ(TextFromCode(321), Text("A"));
  EXPECT_TRUE(TextFromCode(0).IsEmpty());
  EXPECT_TRUE(TextFromCode(256).IsEmpty());
  EXPECT_EQ(TextFromCode(-34), Text("\xDE"));

  EXPECT_EQ(TextHexOf(0), Text("0"));
  EXPECT_EQ(TextHexOf(5), Text("5"));
  EXPECT_EQ(TextHexOf(15), Text("F"));
  EXPECT_EQ(TextHexOf(16), Text("10"));
  EXPECT_EQ(TextHexOf(255), Text("FF"));
  EXPECT_EQ(TextHexOf(-1), Text("FFFFFFFF"));

  EXPECT_EQ(TextFromNumber(0x4E2D), Text("20013"));
  EXPECT_EQ(TextFromNumber(static_cast<std::int16_t>(0x8B99)), Text("-29799"));
  EXPECT_EQ(TextFromNumber(INT16_MIN), Text("-32768"));

  EXPECT_EQ(TextParseByte(258), 2);
  EXPECT_EQ(TextParseByte(-2), 0xFE);

  EXPECT_TRUE(TextBlank(0).IsEmpty());
  EXPECT_EQ(TextBlank(3), Text("   "));
}

TEST(TextOperationsTest, ParseShortNarrowsFullWidthFormsAndWraps) {
  struct Case {
    const char* text;
    std::int16_t value;
  };
  for (const Case& c : {
           Case{"65", 65}, Case{"-1", -1}, Case{"40000", -25536}, Case{"65536", 0},
           Case{"12ab", 12}, Case{"ab", 0}, Case{"", 0}, Case{" +7;", 7}, Case{"\t\r\n\v\f 9", 9},
           Case{"- 5", 0},                   // the sign must touch the digits
           Case{"\xA3\xB6\xA3\xB5", 65},     // full-width 65
           Case{"\xA3\xAD\xA3\xB1", -1},     // full-width minus and 1
           Case{"\xA1\xA1\xA3\xAB\x33", 3},  // full-width space, full-width plus, 3
           Case{"4294967297", 1},            // 32-bit wrap first, then 16-bit
           Case{"\xB2\xE2"
                "5",
                0},  // a Chinese character is no digit
       }) {
    EXPECT_EQ(TextParseShort(c.text), c.value) << Hex(c.text);
  }
}

TEST(TextOperationsTest, UppercaseTouchesOnlySingleByteLetters) {
  EXPECT_EQ(TextUppercase("abc\xD6\xD0x"), Text("ABC\xD6\xD0X"));
  EXPECT_EQ(TextUppercase("\x81"
                          "a"),
            Text("\x81"
                 "a"));  // a is the second byte
  EXPECT_EQ(TextUppercase("\x80"
                          "a"),
            Text("\x80"
                 "A"));                              // the euro sign is one byte
  EXPECT_EQ(TextUppercase("a\xD6"), Text("A\xD6"));  // a lone lead byte is copied
}

TEST(TextOperationsTest, SearchStartsMatchesOnlyAtCharacterBoundaries) {
  struct Case {
    const char* text;
    const char* sub;
    std::int32_t position;
  };
  for (const Case& c : {
           Case{"abc", "", 1},
           Case{"", "", -1},
           Case{"abc", "c", 3},
           Case{"abc", "abcd", -1},
           Case{"\xD6"
                "BAB",
                "B", 4},  // the 42 after D6 is a second byte
           Case{"x\xD6"
                "A",
                "A", -1},  // D6 41 is one character
           Case{"\x80"
                "A",
                "A", 2},  // 80 is a character of its own
           Case{"\xFF"
                "A",
                "A", 2},               // so is FF
           Case{"ab\xD6", "\xD6", 3},  // a lone lead byte itself can match
           Case{"a\xD6", "b", -1},     // the scan stops at a lone lead byte
           Case{"0123456789ABCDEF", "F", 16},
       }) {
    EXPECT_EQ(TextSearch(c.text, c.sub), c.position) << Hex(c.text) << " / " << Hex(c.sub);
  }
}

TEST(TextOperationsTest, Substitute) {
  struct Case {
    const char* text;
    const char* find;
    const char* replacement;
    const char* result;
  };
  for (const Case& c : {
           Case{"a,b,,c", ",", "", "abc"},
           Case{"a\r\nb\r\n", "\r\n", "", "ab"},
           Case{"x'y'", "'", "\xA1\xAF", "x\xA1\xAFy\xA1\xAF"},
           Case{"aaa", "aa", "a", "aa"},          // replacements are not rescanned
           Case{"a,\xD6", ",", "", "a"},          // the scan reaches and drops the lone lead
           Case{"a,\xD6", "\r\n", "", "a,\xD6"},  // the scan stops before it: copied
           Case{"\xD6,x,", ",", "", "\xD6,x"},    // D6 2C is one character
           Case{"100\x80", ",", "", "100\x80"},   // the euro sign is no lead byte
           Case{"\x80,'", ",", "", "\x80'"},
           Case{"", ",", "x", ""},
           Case{"abc", "", "x", "abc"},
       }) {
    EXPECT_EQ(TextSubstitute(c.text, c.find, c.replacement), Text(c.result)) << Hex(c.text);
  }
  EXPECT_EQ(TextSubstitute("a,b,c", ","), Text("abc"));  // no replacement: deleted
  EXPECT_EQ(TextSubstitute("a,b,c", ",", ";", 1), Text("a;b,c"));
  EXPECT_EQ(TextSubstitute("a,b,c", ",", ";", 0), Text("a,b,c"));
}

std::vector<Text> Elements(const TextList& list) {
  std::vector<Text> elements;
  for (std::int32_t i = 1; i <= list.Count(); ++i) elements.push_back(list.Element(i));
  return elements;
}

TEST(TextOperationsTest, SplitBy) {
  using V = std::vector<Text>;
  EXPECT_EQ(Elements(TextSplitBy("", "&#")), V{});
  EXPECT_EQ(Elements(TextSplitBy("abc", "&#")), V{"abc"});
  EXPECT_EQ(Elements(TextSplitBy("abc", "")), V{"abc"});
  EXPECT_EQ(Elements(TextSplitBy("&#65", "&#")), (V{"", "65"}));
  EXPECT_EQ(Elements(TextSplitBy("&#65&#&#66&#", "&#")), (V{"", "65", "", "66"}));
  EXPECT_EQ(Elements(TextSplitBy("\xD6&#&#1", "&#")), (V{"\xD6&#", "1"}));  // D6 26 is one
  EXPECT_EQ(Elements(TextSplitBy("1&#2\xD6", "&#")), (V{"1", "2\xD6"}));    // lone lead kept
}

TEST(TextOperationsTest, TrimAndStripSpaces) {
  const char* full_width_space = "\xA1\xA1";
  EXPECT_EQ(TextTrim(TextJoin("  a", full_width_space)), Text("a"));
  EXPECT_EQ(TextTrim(TextJoin(full_width_space, " a b ", full_width_space, " ")), Text("a b"));
  EXPECT_EQ(TextTrim("\ta"), Text("\ta"));
  EXPECT_TRUE(TextTrim("   ").IsEmpty());
  EXPECT_EQ(TextTrim("a  \xD6"), Text("a  "));  // the lone lead goes, the spaces before stay
  EXPECT_TRUE(TextTrim("  \xD6").IsEmpty());
  EXPECT_EQ(TextTrim("\xB0\xA1\xA1x"), Text("\xB0\xA1\xA1x"));  // no A1 A1 character here
  EXPECT_EQ(TextTrim("a\x80 "), Text("a\x80"));

  EXPECT_EQ(TextStripSpaces(TextJoin(" a b", full_width_space, "c ")), Text("abc"));
  EXPECT_EQ(TextStripSpaces("a\r\n b\t"), Text("a\r\nb\t"));
  EXPECT_EQ(TextStripSpaces("a \xD6"), Text("a"));  // a lone lead byte is dropped
  EXPECT_EQ(TextStripSpaces("\xB0\xA1\xA1x"), Text("\xB0\xA1\xA1x"));
  EXPECT_EQ(TextStripSpaces("100\x80 \x80"), Text("100\x80\x80"));
}

}  // namespace
}  // namespace quillet
