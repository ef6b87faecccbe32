#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "platform/qt_edit_boxes.h"
#include "shell/fake_window.h"
#include "shell/run_report.h"
#include "test_support.h"

namespace quillet {
namespace {

// The window as a user meets it, its widgets found by their designed names.
class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() {
    window_.show();
    source_ = window_.findChild<QLineEdit*>(QString::fromUtf8("编辑框源文本"));
    result_ = window_.findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框结果文本"));
    button_ = window_.findChild<QPushButton*>(QString::fromUtf8("按钮加密"));
    label_ = window_.findChild<QLabel*>(QString::fromUtf8("标签1"));
  }

  void Click() { QTest::mouseClick(button_, Qt::LeftButton); }
  Text Box() const { return ReadResultBox(*result_); }
  QString Shown() const { return result_->toPlainText(); }

  // What the box shows for a text: line breaks for CR LF, U+FFFD for bytes that are not GBK.
  static QString AsShown(const Text& text) {
    QPlainTextEdit box;
    SetResultBox(box, text);
    return box.toPlainText();
  }

  // The rows of a report made without a window.
  static std::vector<Text> ReportRows(const Text& source) {
    FakeWindow window(source);
    RunReport(window);
    return window.appends;
  }
  static Text Report(const Text& source) {
    Text report(kReportHeader);
    for (const Text& row : ReportRows(source)) report.Append(row);
    return report;
  }

  MainWindow window_;
  QLineEdit* source_;
  QPlainTextEdit* result_;
  QPushButton* button_;
  QLabel* label_;
};

TEST_F(MainWindowTest, OpensWithTheDesignedControlsAndTexts) {
  ASSERT_NE(source_, nullptr);
  ASSERT_NE(result_, nullptr);
  ASSERT_NE(button_, nullptr);
  ASSERT_NE(label_, nullptr);
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("Quillet 写软件找Marrowby"));
  EXPECT_EQ(label_->text(), QString::fromUtf8("测试文本："));
  EXPECT_EQ(button_->text(), QString::fromUtf8("运行"));
  EXPECT_TRUE(source_->text().isEmpty());
  EXPECT_TRUE(result_->toPlainText().startsWith(QString::fromUtf8("       网页上很多文本")));
  EXPECT_FALSE(result_->toPlainText().startsWith(QString(8, QLatin1Char(' '))));
  EXPECT_TRUE(result_->toPlainText().endsWith(QString::fromUtf8("可省掉新手们很多时间！！")));

  EXPECT_EQ(label_->geometry(), QRect(3, 0, 56, 24));
  EXPECT_EQ(source_->geometry(), QRect(61, 0, 251, 24));
  EXPECT_EQ(button_->geometry(), QRect(320, 1, 64, 24));
  EXPECT_EQ(result_->geometry(), QRect(1, 25, 392, 320));
  EXPECT_TRUE(window_.rect().contains(result_->geometry()));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());  // a fixed client area

  EXPECT_EQ(source_->font().pixelSize(), 16);
  EXPECT_EQ(result_->font().pixelSize(), 16);
  EXPECT_EQ(result_->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(result_->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_FALSE(result_->isReadOnly());
}

TEST_F(MainWindowTest, AnEmptyTextLeavesTheHeaderAndShowsTheMessageOnce) {
  std::vector<std::pair<QString, QString>> messages;
  QTimer::singleShot(0, [&messages] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    messages.emplace_back(box->text(), box->windowTitle());
    box->button(QMessageBox::Ok)->click();
  });
  Click();
  EXPECT_EQ(Box(), Text(kReportHeader));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].first, QString::fromUtf8("请输入测试文本！！"));
  EXPECT_EQ(messages[0].second, QStringLiteral("Marrowby"));
}

TEST_F(MainWindowTest, AClickGivesTheWholeReportAndScrollsToItsEnd) {
  QTest::keyClicks(source_, QStringLiteral("ab"));
  Click();
  EXPECT_EQ(Shown(), AsShown(Report("ab")));
  const Text box = Box();
  std::size_t line_breaks = 0;
  for (auto at = box.View().find("\r\n"); at != std::string_view::npos;
       at = box.View().find("\r\n", at + 2)) {
    ++line_breaks;
  }
  EXPECT_EQ(line_breaks, 28u);
  EXPECT_TRUE(box.View().ends_with("\r\n"));
  QScrollBar* scroll_bar = result_->verticalScrollBar();
  EXPECT_GT(scroll_bar->maximum(), 0);
  EXPECT_EQ(scroll_bar->value(), scroll_bar->maximum());
}

TEST_F(MainWindowTest, ChineseTypedIntoTheSourceBoxIsReadAsGbk) {
  QInputMethodEvent typed;  // as an input method commits what the user picked
  typed.setCommitString(QString::fromUtf8("中文"));
  QApplication::sendEvent(source_, &typed);
  Click();
  EXPECT_EQ(Shown(), AsShown(Report("\xD6\xD0\xCE\xC4")));
}

TEST_F(MainWindowTest, TextTypedIntoTheResultBoxIsGoneAtTheNextClick) {
  QTest::keyClicks(source_, QStringLiteral("x"));
  Click();
  QTest::keyClicks(result_, QStringLiteral("typed"));
  QTest::keyClick(result_, Qt::Key_Return);  // Enter breaks the line in the result box
  EXPECT_TRUE(result_->toPlainText().contains(QStringLiteral("typed\n")));
  Click();
  EXPECT_EQ(Shown(), AsShown(Report("x")));
}

TEST_F(MainWindowTest, ASelectionMadeDuringARunDoesNotReceiveAppendedText) {
  QTest::keyClicks(source_, QStringLiteral("ab"));
  // Runs from the first PumpEvents of the run, in row 3, between two appends.
  QTimer::singleShot(0, [this] {
    QTextCursor selection = result_->textCursor();
    selection.setPosition(2);
    selection.setPosition(8, QTextCursor::KeepAnchor);
    result_->setTextCursor(selection);
  });
  Click();
  EXPECT_EQ(Shown(), AsShown(Report("ab")));
}

TEST_F(MainWindowTest, AClickDuringARunRunsANestedReportBeforeTheRestOfTheFirst) {
  QTest::keyClicks(source_, QStringLiteral("ab"));
  bool clicked = false;
  QTimer::singleShot(0, [this, &clicked] {
    clicked = true;
    source_->setText(QStringLiteral("inner"));
    Click();
  });
  Click();
  ASSERT_TRUE(clicked);
  // The first run was in row 3 (the first that lets events through) when the click came: the
  // nested report replaced rows 1 and 2, and rows 3 to 27 of the first run follow it.
  Text expected = Report("inner");
  const std::vector<Text> outer = ReportRows("ab");
  for (std::size_t row = 3; row <= outer.size(); ++row) expected.Append(outer[row - 1]);
  EXPECT_EQ(Shown(), AsShown(expected));
}

TEST_F(MainWindowTest, ClosingTheWindowDuringARunEndsItWithoutTouchingTheWindow) {
  QTest::keyClicks(source_, QStringLiteral("ab"));
  QTimer::singleShot(0, [this] { window_.close(); });
  Click();  // returns once the interrupted run has finished its rows
  EXPECT_FALSE(window_.isVisible());
  const std::vector<Text> rows = ReportRows("ab");
  EXPECT_EQ(Shown(), AsShown(TextJoin(kReportHeader, rows[0], rows[1])));  // none after close
}

}  // namespace
}  // namespace quillet
