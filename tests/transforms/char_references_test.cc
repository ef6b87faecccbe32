#include "transforms/char_references.h"

#include <gtest/gtest.h>

#include <random>

#include "random_texts.h"
#include "test_support.h"
#include "text/text_operations.h"

namespace quillet {
namespace {

TEST(CharReferencesTest, WritesSignedDecimalUnits) {
  struct Case {
    const char* text;
    const char* references;
  };
  for (const Case& c : {Case{"", ""}, Case{"\xD6\xD0\xCE\xC4", "&#20013&#25991"},
                        Case{"\xB2\xE2\xCA\xD4", "&#27979&#-29739"}, Case{"A1", "&#65&#49"},
                        Case{" A", "&#32&#65"}, Case{"A\xA1\xA1", "&#65&#12288"}, Case{"   ", ""},
                        Case{" \xA1\xA1 ", ""}, Case{"\x80", "&#8364"}}) {
    EXPECT_EQ(AnsiToUnicodeText(c.text), Text(c.references)) << Hex(c.text);
  }
}

TEST(CharReferencesTest, ReadsReferencesBack) {
  struct Case {
    const char* text;
    const char* decoded;
  };
  for (const Case& c : {
           Case{"", ""}, Case{"&#20013&#25991", "\xD6\xD0\xCE\xC4"},
           Case{"&#20013;&#25991;", "\xD6\xD0\xCE\xC4"}, Case{"&#-29739", "\xCA\xD4"},
           Case{"&#35797", "\xCA\xD4"}, Case{"abc&#65", "A"}, Case{"abc", ""},
           Case{"\xD6\xD0\xCE\xC4", ""}, Case{"&#65&#", "A"},
           Case{"&#&#65", ""},                                    // the first unit is 0
           Case{"&#0&#65", ""}, Case{"&#\xA3\xB6\xA3\xB5", "A"},  // full-width digits
           Case{"&#101&#769", "\xA8\xA6"},                        // e and a combining acute: é
           Case{"&#65601", "A"},                                  // 16-bit wrap
           Case{"&#16961", "?"},                                  // U+4241, which GBK lacks
       }) {
    EXPECT_EQ(UnicodeTextToAnsi(c.text), Text(c.decoded)) << c.text;
  }
}

TEST(CharReferencesTest, ReadingUndoesWritingForTextsThatAreNotBlank) {
  std::mt19937 random(6);
  for (int round = 0; round < 300; ++round) {
    const Text text = RandomGbkText(random, 30);
    if (TextTrim(text).IsEmpty()) continue;
    ASSERT_EQ(UnicodeTextToAnsi(AnsiToUnicodeText(text)), text) << Hex(text.View());
  }
}

TEST(CharReferencesTest, AsciiToUnicodeIsTheTerminatedUtf16Form) {
  EXPECT_EQ(Hex(AsciiToUnicode("abc").View()), "61 00 62 00 63 00 00 00");
  EXPECT_EQ(Hex(AsciiToUnicode("\xD6\xD0\xCE\xC4").View()), "2D 4E 87 65 00 00");
  EXPECT_TRUE(AsciiToUnicode("").IsEmpty());
}

}  // namespace
}  // namespace quillet
