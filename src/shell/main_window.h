#pragma once

#include <QWidget>

#include "platform/qt_event_pump.h"
#include "shell/report_window.h"

class QCloseEvent;
class QShowEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillet {

// The program's one window: a label, the one-line source box, the run button and the result
// box, at their designed places in a fixed client area. A click on the button runs a report;
// while the window lives, PumpEvents hands pending events to Qt.
class MainWindow : public QWidget, private ReportWindow {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  QLineEdit* SourceBox() const { return source_box_; }
  QPlainTextEdit* ResultBox() const { return result_box_; }
  QPushButton* RunButton() const { return run_button_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OnRunClicked();
  void InsertPendingText();

  // What a run does to the window.
  Text ReadSourceText() override;
  void SetResultText(const Text& text) override;
  void AppendResultText(const Text& text) override;
  void ShowMessageBox(const Text& text, const Text& title) override;

  QLabel* label_;
  QLineEdit* source_box_;
  QPushButton* run_button_;
  QPlainTextEdit* result_box_;
  // What the run appended since events were last processed. Nobody can see or touch the box in
  // between, and Qt lays out the end of the box on every insertion: inserting a row of
  // megabytes that a later row pushes out of view would only be laid out in vain.
  Text pending_text_;
  QtEventPump pump_;
  // Once the window is closed the runs still under way finish without touching it.
  bool closed_ = false;
};

}  // namespace quillet
