#pragma once

#include <cstddef>

#include "shell/report_window.h"

namespace quillet {

// A window without widgets: it hands out the test text and counts the bytes of the report.
class CountingWindow : public ReportWindow {
 public:
  explicit CountingWindow(Text source) : source_(std::move(source)) {}
  Text ReadSourceText() override { return source_; }
  void SetResultText(const Text& text) override { bytes_ = text.View().size(); }
  void AppendResultText(const Text& text) override { bytes_ += text.View().size(); }
  void ShowMessageBox(const Text&, const Text&) override {}
  std::size_t bytes() const { return bytes_; }

 private:
  Text source_;
  std::size_t bytes_ = 0;
};

}  // namespace quillet
