#include "shell/main_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextOption>

#include <limits>

#include "platform/qt_edit_boxes.h"
#include "shell/program_setup.h"
#include "shell/run_report.h"

namespace quillet {
namespace {

// The designed client area holds the result box (1, 25, 392 × 320) with a pixel to spare.
constexpr int kClientWidth = 394;
constexpr int kClientHeight = 346;

const char kIntroduction[] =
    "       网页上很多文本都不知道是什么加密方式，每次遇到个加密的都得问别人，或者是一个一个的试，"
    "本软件集合了众多常用文本加密解密的方式，可省掉新手们很多时间！！";

QFont EditBoxFont() {
  QFont font;
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  // Latin and Chinese need no shaping; without it the layout of a report of megabytes is about
  // three times faster. Scripts that need shaping still get it.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

void BlackOnWhite(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  widget.setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      label_(new QLabel(QString::fromUtf8("测试文本："), this)),
      source_box_(new QLineEdit(this)),
      run_button_(new QPushButton(QString::fromUtf8("运行"), this)),
      result_box_(new QPlainTextEdit(QString::fromUtf8(kIntroduction), this)),
      pump_([this] { InsertPendingText(); }) {
  setWindowTitle(QString::fromUtf8("Quillet 写软件找Marrowby"));
  setFixedSize(kClientWidth, kClientHeight);

  label_->setObjectName(QString::fromUtf8("标签1"));
  label_->setGeometry(3, 0, 56, 24);

  source_box_->setObjectName(QString::fromUtf8("编辑框源文本"));
  source_box_->setGeometry(61, 0, 251, 24);
  source_box_->setFont(EditBoxFont());
  source_box_->setMaxLength(std::numeric_limits<int>::max());  // the design sets no limit
  BlackOnWhite(*source_box_);

  run_button_->setObjectName(QString::fromUtf8("按钮加密"));
  run_button_->setGeometry(320, 1, 64, 24);
  connect(run_button_, &QPushButton::clicked, this, &MainWindow::OnRunClicked);

  result_box_->setObjectName(QString::fromUtf8("编辑框结果文本"));
  result_box_->setGeometry(1, 25, 392, 320);
  result_box_->setFont(EditBoxFont());
  result_box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  result_box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  result_box_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Results are mostly long runs without spaces (hexadecimal lists, Base64, escapes) and Chinese,
  // so lines wrap at the edge. Qt's word-boundary-or-anywhere wrapping looks ahead to the next
  // space for every line, which on a result of megabytes without one takes minutes.
  result_box_->setWordWrapMode(QTextOption::WrapAnywhere);
  BlackOnWhite(*result_box_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  QWidget::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  closed_ = false;
  QWidget::showEvent(event);
}

void MainWindow::OnRunClicked() {
  RunReport(*this);
  InsertPendingText();
  ReleaseFreedMemory();
}

void MainWindow::InsertPendingText() {
  if (pending_text_.IsEmpty()) return;
  if (!closed_) AppendToResultBox(*result_box_, pending_text_);
  pending_text_ = Text();
}

Text MainWindow::ReadSourceText() { return ReadLineEdit(*source_box_); }

void MainWindow::SetResultText(const Text& text) {
  pending_text_ = Text();  // replaced with the rest
  if (!closed_) SetResultBox(*result_box_, text);
}

void MainWindow::AppendResultText(const Text& text) {
  if (!closed_) pending_text_.Append(text);
}

void MainWindow::ShowMessageBox(const Text& text, const Text& title) {
  InsertPendingText();
  if (!closed_) ShowTaskModalMessageBox(text, title);
}

}  // namespace quillet
