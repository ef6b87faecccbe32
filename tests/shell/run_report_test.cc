#include "shell/run_report.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/edge_encoding.h"
#include "shell/fake_window.h"
#include "test_support.h"
#include "text/pump_events.h"
#include "text/text_operations.h"
#include "transforms/base64_encode.h"
#include "transforms/rc4_encrypt.h"
#include "transforms/url_gbk.h"

namespace quillet {
namespace {

// The label lines as they read; the table holds them as GBK.
const char* const kLabelsUtf8[] = {
    "  RC4加密\r\n",
    "  RC4解密\r\n",
    "  URL编码GBK\r\n",
    "  URL解码GBK\r\n",
    "  简体到繁体\r\n",
    "  繁体到简体\r\n",
    "  BASE64编码\r\n",
    "  BASE64解码\r\n",
    "  BIG5到繁体\r\n",
    "  BIG5到简体\r\n",
    "  繁体到BIG5\r\n",
    "  简体到BIG5\r\n",
    "  Ansi到Utf8\r\n",
    "  Utf8到Ansi\r\n",
    "  usc2到ansi\r\n",
    "  ansi到usc2\r\n",
    "  URL编码UTF8\r\n",
    "  URL解码UTF8\r\n",
    "  Ansi到Unicode_文本型\r\n",
    "  Unicode到Ansi_文本型\r\n",
    "  ASCII到Unicode\r\n",
    "  编码_Unicode到Utf8\r\n",
    "  Utf8到Unicode\r\n",
    "  Ansi到Unicode\r\n",
    "  Unicode到Ansi\r\n",
    "  gb2312到utf8\r\n",
    "  utf8到gb2312 \r\n",
};

TEST(RunReportTest, TheTextsAreTheDesignedOnes) {
  EXPECT_EQ(Text(kReportHeader), GbkFromUtf8("      Quillet 写软件找Marrowby\r\n"));
  EXPECT_EQ(Text(kEmptyTextMessage), GbkFromUtf8("请输入测试文本！！"));
  EXPECT_EQ(Text(kMessageTitle), Text("Marrowby"));
  const auto rows = StandardReportRows();
  ASSERT_EQ(rows.size(), std::size(kLabelsUtf8));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(Text(rows[i].label_line), GbkFromUtf8(kLabelsUtf8[i])) << "row " << i + 1;
  }
}

TEST(RunReportTest, AppendsOneResultAndLabelLinePerRowInOrder) {
  FakeWindow window("ab");
  RunReport(window);
  ASSERT_EQ(window.appends.size(), 27u);
  std::string expected(kReportHeader);
  for (std::size_t i = 0; i < window.appends.size(); ++i) {
    const Text label(StandardReportRows()[i].label_line);
    const Text& piece = window.appends[i];
    ASSERT_TRUE(piece.View().ends_with(label.View())) << "row " << i + 1;
    expected += piece.View();
  }
  EXPECT_EQ(window.box, expected);
  EXPECT_TRUE(window.messages.empty());
  std::size_t line_breaks = 0;
  for (std::size_t at = window.box.find("\r\n"); at != std::string::npos;
       at = window.box.find("\r\n", at + 2)) {
    ++line_breaks;
  }
  EXPECT_EQ(line_breaks, 28u);  // no result of "ab" holds one
  EXPECT_TRUE(window.box.ends_with("gb2312 \r\n"));
}

TEST(RunReportTest, AnEmptyTextShowsTheMessageAndRunsNoTransform) {
  static int transform_calls = 0;
  const ReportRow rows[] = {{"  one\r\n", [](Text&) {
                               ++transform_calls;
                               return Text("x");
                             }}};
  FakeWindow window;
  window.box = "what the box held before";
  RunReport(window, rows);
  EXPECT_EQ(window.box, kReportHeader);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, Text(kEmptyTextMessage));
  EXPECT_EQ(window.messages[0].title, Text("Marrowby"));
  EXPECT_EQ(transform_calls, 0);
  EXPECT_TRUE(window.appends.empty());
}

TEST(RunReportTest, ASpaceIsNotEmptyAndEachRowSeesWhatTheRowsBeforeLeft) {
  const ReportRow rows[] = {
      {"|1\r\n", [](Text& s) { return TextJoin("[", s, "]"); }},
      {"|2\r\n",
       [](Text& s) {
         s = TextSubstitute(s, " ", "_");  // an in-out row, like RC4 and Base64 decoding
         return Text();
       }},
      {"|3\r\n", [](Text& s) { return TextJoin("[", s, "]"); }},
  };
  FakeWindow window(" x ");
  RunReport(window, rows);
  EXPECT_EQ(window.box, std::string(kReportHeader) + "[ x ]|1\r\n|2\r\n[_x_]|3\r\n");
  EXPECT_EQ(window.sets, 2);   // emptied, then the header
  EXPECT_EQ(window.reads, 2);  // once to check, once for the run
}

// A run that a click starts from inside PumpEvents, as the window's event loop would.
struct NestedClick {
  FakeWindow* window;
  std::span<const ReportRow> rows;
  bool clicked = false;
};

TEST(RunReportTest, ANestedRunAppendsItsWholeReportBeforeTheInterruptedRunGoesOn) {
  static NestedClick click;
  const ReportRow rows[] = {
      {"|1\r\n", [](Text& s) { return s; }},
      {"|2\r\n",
       [](Text& s) {
         s = TextJoin(s, "!");
         PumpEvents();
         return s;
       }},
      {"|3\r\n", [](Text& s) { return s; }},
  };
  FakeWindow window("outer");
  click = {&window, rows};
  const PumpEventsHook previous = SetPumpEventsHook({[](void*) {
    if (click.clicked) return;
    click.clicked = true;
    click.window->source = "inner";  // the user typed before clicking again
    RunReport(*click.window, click.rows);
  }});
  RunReport(window, rows);
  SetPumpEventsHook(previous);

  const std::string header(kReportHeader);
  EXPECT_EQ(window.box,
            header +
                "inner|1\r\ninner!|2\r\ninner!|3\r\n"  // the nested run, complete
                "outer!|2\r\nouter!|3\r\n");           // then the rest of the outer one
}

// The standard rows 1 to 8, then a row that shows the test text it receives.
std::vector<ReportRow> FirstEightRowsAndAProbe() {
  const auto standard = StandardReportRows();
  std::vector<ReportRow> rows(standard.begin(), standard.begin() + 8);
  rows.push_back({"|probe\r\n", [](Text& s) { return TextJoin("[", s, "]"); }});
  return rows;
}

TEST(RunReportTest, RowsTwoAndEightLeaveACleanedTestTextForTheRowsAfterThem) {
  struct Case {
    const char* text;
    const char* rows_3_to_8;
    const char* rows_9_on;
  };
  for (const Case& c :
       {Case{" ", " ", ""}, Case{"x,y z", "xy z", "xyz"}, Case{"x\r\ny", "x\r\ny", "xy"},
        Case{"1, 2,\xA1\xA1"
             "3",
             "1 2\xA1\xA1"
             "3",
             "123"},
        Case{"100\x80,", "100\x80", "100\x80"}}) {
    FakeWindow window(c.text);
    RunReport(window, FirstEightRowsAndAProbe());
    ASSERT_EQ(window.appends.size(), 9u);
    const auto row = [&window](std::size_t n) {  // the result, without its label line
      const Text& piece = window.appends[n - 1];
      return TextPrefix(piece, piece.Length() - TextLen(StandardReportRows()[n - 1].label_line));
    };
    EXPECT_EQ(row(1), Rc4Encrypt(c.text, "")) << Hex(c.text);  // rows 1 and 2: as typed
    EXPECT_EQ(row(3), UrlEncodeGbk(c.rows_3_to_8)) << Hex(c.text);
    EXPECT_EQ(row(7), Base64Encode(BytesFromText(c.rows_3_to_8))) << Hex(c.text);
    EXPECT_EQ(window.appends[8], TextJoin("[", c.rows_9_on, "]|probe\r\n")) << Hex(c.text);
  }
}

TEST(RunReportTest, TheRowsAfterRowEightWorkOnTheCleanedText) {
  struct Case {
    const char* text;
    std::size_t row;
    const char* result;
  };
  for (const Case& c : {
           Case{"x,y z", 9, "xyz"},
           Case{"x,y z", 17, "%78%79%7A"},
           Case{"x,y z", 19, "&#120&#121&#122"},
           Case{"x,y z", 26, "xyz"},
           Case{"\xD6\xD0\xCE\xC4", 11, "\xA4\xA4\xA4\xE5"},
           Case{"\xD6\xD0\xCE\xC4", 17, "%E4%B8%AD%E6%96%87"},
           Case{"\xD6\xD0\xCE\xC4", 19, "&#20013&#25991"},
           Case{"\xD6\xD0\xCE\xC4", 24, "\x2D\x4E\x87\x65"},
           Case{"1, 2,\xA1\xA1"
                "3",
                18, "123"},
           Case{"1, 2,\xA1\xA1"
                "3",
                19, "&#49&#50&#51"},
           Case{"1, 2,\xA1\xA1"
                "3",
                21, "1"},  // UTF-16 shown up to its first zero byte
           Case{"1, 2,\xA1\xA1"
                "3",
                27, "123"},
       }) {
    FakeWindow window(c.text);
    RunReport(window);
    ASSERT_EQ(window.appends.size(), 27u);
    EXPECT_EQ(window.appends[c.row - 1],
              TextJoin(c.result, StandardReportRows()[c.row - 1].label_line))
        << Hex(c.text) << ", row " << c.row;
  }
}

TEST(RunReportTest, TheWorkedExampleOfTheFirstRows) {
  FakeWindow window("ab");
  RunReport(window);
  ASSERT_EQ(window.appends.size(), 27u);
  EXPECT_EQ(window.appends[0], GbkFromUtf8("BF,7A,  RC4加密\r\n"));
  EXPECT_EQ(window.appends[1], GbkFromUtf8("u  RC4解密\r\n"));
  EXPECT_EQ(window.appends[2], GbkFromUtf8("%61%62  URL编码GBK\r\n"));
  EXPECT_EQ(window.appends[3], GbkFromUtf8("ab  URL解码GBK\r\n"));
  EXPECT_EQ(window.appends[6], GbkFromUtf8("YWI=  BASE64编码\r\n"));
  EXPECT_EQ(window.appends[7], TextJoin("i\xB0", GbkFromUtf8("  BASE64解码\r\n")));
}

TEST(RunReportTest, RunningTwiceGivesTheSameReport) {
  FakeWindow window("x,y z");
  RunReport(window);
  const std::string first = window.box;
  RunReport(window);
  EXPECT_EQ(window.box, first);
}

}  // namespace
}  // namespace quillet
