#include "shell/run_report.h"

namespace quillet {

void RunReport(ReportWindow& window, std::span<const ReportRow> rows) {
  window.SetResultText(Text());
  window.SetResultText(kReportHeader);
  if (TextCompare(window.ReadSourceText(), Text()) == 0) {
    window.ShowMessageBox(kEmptyTextMessage, kMessageTitle);
    return;
  }
  // Each run keeps its own test text, so a nested run cannot disturb this one.
  Text source = window.ReadSourceText();
  for (const ReportRow& row : rows) {
    Text piece = row.transform(source);
    piece.Append(row.label_line);  // TextJoin(result, label line) without copying the result
    window.AppendResultText(piece);
  }
}

}  // namespace quillet
