// Arbitrary bytes as the test text of a whole report.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/run_report.h"

namespace {

class DiscardingWindow : public quillet::ReportWindow {
 public:
  explicit DiscardingWindow(quillet::Text source) : source_(std::move(source)) {}
  quillet::Text ReadSourceText() override { return source_; }
  void SetResultText(const quillet::Text&) override {}
  void AppendResultText(const quillet::Text& text) override {
    if (text.View().find('\0') != std::string_view::npos) __builtin_trap();
  }
  void ShowMessageBox(const quillet::Text&, const quillet::Text&) override {}

 private:
  quillet::Text source_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DiscardingWindow window(
      quillet::Text(std::string_view(reinterpret_cast<const char*>(data), size)));
  quillet::RunReport(window);
  return 0;
}
