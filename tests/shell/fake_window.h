#pragma once

#include <string>
#include <vector>

#include "shell/report_window.h"

namespace quillet {

// A result box in memory that records every call a run makes.
class FakeWindow : public ReportWindow {
 public:
  explicit FakeWindow(Text source = Text()) : source(std::move(source)) {}

  Text ReadSourceText() override {
    ++reads;
    return source;
  }
  void SetResultText(const Text& text) override {
    box = std::string(text.View());
    ++sets;
  }
  void AppendResultText(const Text& text) override {
    box += text.View();
    appends.push_back(text);
  }
  void ShowMessageBox(const Text& text, const Text& title) override {
    messages.push_back({text, title});
  }

  struct Message {
    Text text;
    Text title;
  };

  Text source;
  std::string box;
  int reads = 0;
  int sets = 0;
  std::vector<Text> appends;
  std::vector<Message> messages;
};

}  // namespace quillet
