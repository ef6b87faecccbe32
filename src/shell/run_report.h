#pragma once

#include <span>

#include "shell/report_window.h"
#include "text/values.h"

namespace quillet {

// All texts are GBK. The header line: six spaces, "Quillet 写软件找Marrowby", CR LF.
inline constexpr char kReportHeader[] =
    "      Quillet \xD0\xB4\xC8\xED\xBC\xFE\xD5\xD2Marrowby\r\n";
// "请输入测试文本！！"
inline constexpr char kEmptyTextMessage[] =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xB2\xE2\xCA\xD4\xCE\xC4\xB1\xBE\xA3\xA1\xA3\xA1";
inline constexpr char kMessageTitle[] = "Marrowby";

// One row of the report: a transform applied to the run's test text, and the label line that
// follows its result. Rows 2 and 8 replace the test text with a cleaned one.
struct ReportRow {
  const char* label_line;
  Text (*transform)(Text& source);
};

// The 27 rows, in the order of the report.
std::span<const ReportRow> StandardReportRows();

// Replaces the result box's content with the header, then appends each row's result and label
// line. An empty test text shows the message box instead. Re-entrant: a run started from inside
// PumpEvents appends its own complete report before this one goes on.
void RunReport(ReportWindow& window, std::span<const ReportRow> rows = StandardReportRows());

}  // namespace quillet
