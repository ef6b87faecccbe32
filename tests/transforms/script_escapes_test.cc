#include "transforms/script_escapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/edge_encoding.h"
#include "shell/fake_window.h"
#include "shell/run_report.h"
#include "test_support.h"
#include "text/text_operations.h"

namespace quillet {
namespace {

constexpr Text (*kEscape)(const Text&) = AnsiToUcs2;

TEST(ScriptEscapesTest, EscapeAndUnescape) {
  struct Case {
    Text (*transform)(const Text&);
    const char* text;
    const char* result;
  };
  for (const Case& c : {
           Case{AnsiToUcs2, "\xD6\xD0\xCE\xC4", "%u4E2D%u6587"},
           Case{AnsiToUcs2, "a b", "a%20b"},
           Case{AnsiToUcs2, "A-Z_a.z@*+/", "A-Z_a.z@*+/"},
           Case{AnsiToUcs2, "it's", "it%u2019s"},
           Case{AnsiToUcs2, "ab\\", ""},    // the backslash escapes the closing quote
           Case{AnsiToUcs2, "a\r\nb", ""},  // a line break cannot stand in the literal
           Case{AnsiToUcs2, "\\x41", "A"},  // the literal's own escapes take effect
           Case{AnsiToUcs2, "\\101", "A"},
           Case{AnsiToUcs2, "\\u4E2D", "%u4E2D"},
           Case{AnsiToUcs2, "\\q", "q"},
           Case{AnsiToUcs2, "\x80", "%u20AC"},
           Case{AnsiToUcs2, "", ""},
           Case{Ucs2ToAnsi, "%u4E2D%u6587", "\xD6\xD0\xCE\xC4"},
           Case{Ucs2ToAnsi, "\\u4E2D\\u6587", "\xD6\xD0\xCE\xC4"},
           Case{Ucs2ToAnsi, "%41%42", "AB"},
           Case{Ucs2ToAnsi, "x%7B%24%7Dy", "x\r\ny"},
           Case{Ucs2ToAnsi, "line1\r\nline2", "line1\r\nline2"},
           Case{Ucs2ToAnsi, "\rabc", "abc"},  // a lone CR at the start is dropped
           Case{Ucs2ToAnsi, "ab\rc", ""},     // anywhere else it breaks the literal
           Case{Ucs2ToAnsi, "a\nb", ""},
           Case{Ucs2ToAnsi, "a%00b", "a"},    // the result ends at U+0000
           Case{Ucs2ToAnsi, "%u12", "%u12"},  // incomplete escapes stay
           Case{Ucs2ToAnsi, "it's", "it's"},
           Case{Ucs2ToAnsi,
                "a\xA1\xAF"
                "b",
                "a'b"},
           Case{Ucs2ToAnsi, "%u2019", "'"},
           Case{Ucs2ToAnsi, "%uD83D%uDE00", "?"},  // GBK lacks the emoji
           Case{Ucs2ToAnsi, "\\x41", "A"},
           Case{Ucs2ToAnsi, "", ""},
       }) {
    EXPECT_EQ(c.transform(c.text), Text(c.result))
        << (c.transform == kEscape ? "AnsiToUcs2 " : "Ucs2ToAnsi ") << Hex(c.text);
  }
}

// ECMAScript's escape and unescape, written out, to say what the engine must have computed.
std::u16string ReferenceEscape(std::u16string_view units) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string out;
  for (const char16_t unit : units) {
    if ((unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') ||
        (unit >= u'0' && unit <= u'9') ||
        std::u16string_view(u"@*_+-./").find(unit) != std::u16string_view::npos) {
      out += unit;
    } else if (unit < 256) {
      out += {u'%', kDigits[unit >> 4], kDigits[unit & 0xF]};
    } else {
      out += {u'%',
              u'u',
              kDigits[unit >> 12],
              kDigits[(unit >> 8) & 0xF],
              kDigits[(unit >> 4) & 0xF],
              kDigits[unit & 0xF]};
    }
  }
  return out;
}

int HexValue(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  return -1;
}

std::u16string ReferenceUnescape(std::u16string_view units) {
  std::u16string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto hex = [&](std::size_t from, std::size_t count) {
      int value = 0;
      for (std::size_t k = from; k < from + count; ++k) {
        if (k >= units.size() || HexValue(units[k]) < 0) return -1;
        value = value * 16 + HexValue(units[k]);
      }
      return value;
    };
    if (units[i] == u'%' && i + 1 < units.size() && units[i + 1] == u'u' && hex(i + 2, 4) >= 0) {
      out += static_cast<char16_t>(hex(i + 2, 4));
      i += 5;
    } else if (units[i] == u'%' && hex(i + 1, 2) >= 0) {
      out += static_cast<char16_t>(hex(i + 1, 2));
      i += 2;
    } else {
      out += units[i];
    }
  }
  return out;
}

// The value of the literal: the prepared text as UTF-16 with no U+0027 left.
std::u16string LiteralValue(const Text& prepared) {
  std::u16string units = Utf16FromGbk(prepared);
  for (char16_t& unit : units) {
    if (unit == u'\'') unit = u'\u2019';
  }
  return units;
}

// Texts built to leave the literal: to return something else, to loop, to define another xx,
// or to close a script element. None holds a backslash or a line break, so each literal is
// valid and its value known.
std::vector<Text> HostileTexts() {
  std::vector<Text> texts = {
      "';return 'x';}//",
      "\";return \"x\";}//",
      "';while(true){}'",
      "';}function xx(){return 'own';}//",
      "';}xx=function(){return 'own'};//",
      "</script><script>alert(1)</script>",
      "`${1+1}`'+'",
      "'''",
      "\xA1\xAF';return 1;//",
  };
  // An apostrophe after every lead byte counts as that character's second byte for the
  // replacement on the GBK text, and decodes as U+0027 after a U+FFFD.
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    texts.push_back(TextJoin(TextFromCode(lead), "';return \"x\";}//"));
    texts.push_back(TextJoin(TextFromCode(lead), "';while(1){}//"));
  }
  texts.push_back("\x80';return 'x';}//");
  texts.push_back("\xFF';return 'x';}//");
  return texts;
}

TEST(ScriptEscapesTest, NoTextRunsAnythingButTheFixedStatement) {
  for (const Text& text : HostileTexts()) {
    const Text prepared = TextSubstitute(text, "'", "\xA1\xAF");
    EXPECT_EQ(AnsiToUcs2(text), GbkFromUtf16(ReferenceEscape(LiteralValue(prepared))))
        << Hex(text.View());

    const Text unescaped = GbkFromUtf16(ReferenceUnescape(LiteralValue(prepared)));
    EXPECT_EQ(Ucs2ToAnsi(text), TextSubstitute(unescaped, "\xA1\xAF", "'")) << Hex(text.View());
  }
}

TEST(ScriptEscapesTest, AnApostropheAfterALeadByteStaysInTheLiteral) {
  const Text text("\x81';return \"x\";}//");
  EXPECT_EQ(AnsiToUcs2(text), Text("%uFFFD%u2019%3Breturn%20%22x%22%3B%7D//"));
  EXPECT_EQ(Ucs2ToAnsi(text), Text("?';return \"x\";}//"));
}

TEST(ScriptEscapesTest, TextsWithBackslashesGiveAnEscapeOrNothing) {
  for (const Text& text :
       {Text("\\';return 'x';}//"), Text("\\\\';return 'x';}//"), Text("\\x27;return 'x';}//"),
        Text("\\u0027;return 'x';}//"), Text("\x81\\';return 'x';}//"),
        Text("a\\\r\nb';return 'x';}//"), Text("\\"), Text("\\\\")}) {
    const Text escaped = AnsiToUcs2(text);
    EXPECT_EQ(escaped.View().find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@*_+-./%"),
              std::string_view::npos)
        << Hex(text.View());
    EXPECT_NE(escaped, Text("x"));
    EXPECT_NE(Ucs2ToAnsi(text), Text("x"));
  }
  EXPECT_EQ(AnsiToUcs2("\\x27;return 'x';}//"), Text("%27%3Breturn%20%u2019x%u2019%3B%7D//"));
}

TEST(ScriptEscapesTest, WithoutTheComponentBothGiveTheEmptyTextAndTheReportGoesOn) {
  for (const char* text : {"abc", "\xD6\xD0", "%41", "it's", "\\u4E2D"}) {
    EXPECT_TRUE(AnsiToUcs2(text, u"NotRegistered.Control").IsEmpty()) << text;
    EXPECT_TRUE(Ucs2ToAnsi(text, u"NotRegistered.Control").IsEmpty()) << text;
  }

  std::vector<ReportRow> rows(StandardReportRows().begin(), StandardReportRows().end());
  rows[14].transform = [](Text& s) { return Ucs2ToAnsi(s, u"NotRegistered.Control"); };
  rows[15].transform = [](Text& s) { return AnsiToUcs2(s, u"NotRegistered.Control"); };
  FakeWindow without("%41 b");
  RunReport(without, rows);
  FakeWindow with("%41 b");
  RunReport(with);
  ASSERT_EQ(without.appends.size(), 27u);
  for (std::size_t i = 0; i < 27; ++i) {
    if (i == 14 || i == 15) {
      EXPECT_EQ(without.appends[i], Text(rows[i].label_line));  // the label line alone
      EXPECT_NE(with.appends[i], Text(rows[i].label_line));
    } else {
      EXPECT_EQ(without.appends[i], with.appends[i]) << "row " << i + 1;
    }
  }
}

}  // namespace
}  // namespace quillet
