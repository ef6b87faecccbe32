#include "shell/report_tool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/run_report.h"

namespace quillet {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

std::string ReadBack(std::FILE* stream) {
  std::rewind(stream);
  std::string bytes;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) bytes.append(buffer, count);
  std::fclose(stream);
  return bytes;
}

ToolRun RunTool(std::vector<std::string_view> arguments, std::string_view input = "") {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  const int status = RunReportTool(arguments, in, out, err);
  std::fclose(in);
  return {status, ReadBack(out), ReadBack(err)};
}

constexpr char kHeaderUtf8[] = "      Quillet 写软件找Marrowby\r\n";

TEST(ReportToolTest, PrintsTheReportOfTheTextInEitherEncoding) {
  const ToolRun gbk = RunTool({"--encoding=gbk", "ab"});
  EXPECT_EQ(gbk.status, 0);
  EXPECT_TRUE(gbk.err.empty());
  EXPECT_TRUE(gbk.out.starts_with(kReportHeader));
  EXPECT_TRUE(gbk.out.ends_with("  utf8\xB5\xBDgb2312 \r\n"));

  const ToolRun utf8 = RunTool({"ab"});
  EXPECT_EQ(utf8.status, 0);
  EXPECT_TRUE(utf8.out.starts_with(kHeaderUtf8));
  EXPECT_TRUE(utf8.out.ends_with("  utf8到gb2312 \r\n"));
  EXPECT_EQ(RunTool({"--encoding", "utf-8", "ab"}).out, utf8.out);
}

TEST(ReportToolTest, TurnsTheInputIntoGbkAsTheWindowDoes) {
  // Row 3 shows the GBK bytes of the test text.
  const ToolRun piped = RunTool({}, "中文\n");
  EXPECT_NE(piped.out.find("\r\n%D6%D0%CE%C4  URL编码GBK\r\n"), std::string::npos);
  EXPECT_EQ(RunTool({"中文"}).out, piped.out);
  EXPECT_NE(RunTool({"a😀"}).out.find("\r\n%61%3F  URL编码GBK"), std::string::npos);
  EXPECT_NE(RunTool({"--encoding=gbk", "\xD6\xD0"}).out.find("\r\n%D6%D0  URL\xB1\xE0"),
            std::string::npos);
  // Bytes that are not GBK show as U+FFFD: row 4 decodes "%81" into a lone lead byte.
  EXPECT_NE(RunTool({"%81"}).out.find("\r\n\xEF\xBF\xBD  URL解码GBK"), std::string::npos);
}

TEST(ReportToolTest, AnEmptyTextPrintsTheHeaderAndTheMessageAndFails) {
  for (const ToolRun& run :
       {RunTool({""}), RunTool({}, "\n"), RunTool({}, "\r\n"), RunTool({}, "")}) {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kHeaderUtf8);
    EXPECT_EQ(run.err, "请输入测试文本！！\n");
  }
  const ToolRun gbk = RunTool({"--encoding=gbk", ""});
  EXPECT_EQ(gbk.out, kReportHeader);
  EXPECT_EQ(gbk.err, std::string(kEmptyTextMessage) + "\n");
}

TEST(ReportToolTest, StandardInputLosesOneTrailingLineBreakOnly) {
  struct Case {
    const char* input;
    int status;
  };
  for (const Case& c : {Case{"\n", 1}, Case{"\r\n", 1}, Case{"\n\n", 0}, Case{"\r\n\r\n", 0},
                        Case{"\r", 0}, Case{" ", 0}}) {
    EXPECT_EQ(RunTool({}, c.input).status, c.status) << c.input;
  }
}

TEST(ReportToolTest, HelpAndOptionsEndingWithDoubleDash) {
  const ToolRun help = RunTool({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: quillet-report"), std::string::npos);
  EXPECT_NE(help.out.find("--encoding=gbk"), std::string::npos);
  EXPECT_EQ(RunTool({"--", "-x"}).status, 0);
  EXPECT_EQ(RunTool({"-"}).status, 0);  // a lone dash is a text
}

TEST(ReportToolTest, ABadCommandLineSaysWhyAndExitsWithTwo) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* complaint;
  };
  for (const Case& c :
       {Case{{"--bogus"}, "unknown option '--bogus'"}, Case{{"-x", "ab"}, "unknown option '-x'"},
        Case{{"--encoding=latin1", "ab"}, "unknown encoding 'latin1'"},
        Case{{"--encoding"}, "--encoding needs a value"}, Case{{"a", "b"}, "more than one TEXT"}}) {
    const ToolRun run = RunTool(c.arguments);
    EXPECT_EQ(run.status, 2) << c.complaint;
    EXPECT_TRUE(run.out.empty()) << c.complaint;
    EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace quillet
