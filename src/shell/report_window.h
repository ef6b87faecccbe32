#pragma once

#include "text/values.h"

namespace quillet {

// The four operations of the main window that a run uses. The window, the report tool and the
// tests each supply them.
class ReportWindow {
 public:
  virtual ~ReportWindow() = default;

  virtual Text ReadSourceText() = 0;
  // Replaces the whole content of the result box.
  virtual void SetResultText(const Text& text) = 0;
  // Adds text at the very end of the result box.
  virtual void AppendResultText(const Text& text) = 0;
  // Returns once the box is closed.
  virtual void ShowMessageBox(const Text& text, const Text& title) = 0;
};

}  // namespace quillet
