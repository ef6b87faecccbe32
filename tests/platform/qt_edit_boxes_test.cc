#include "platform/qt_edit_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "test_support.h"

namespace quillet {
namespace {

TEST(QtEditBoxesTest, TheSourceBoxReadsAsGbkWithQuestionMarksForTheRest) {
  QLineEdit box;
  box.setText(QString::fromUtf8("中文 a€😀Å"));
  EXPECT_EQ(ReadLineEdit(box), Text("\xD6\xD0\xCE\xC4 a\x80??"));
}

TEST(QtEditBoxesTest, LineBreaksAreCrLfOnTheTextSide) {
  QPlainTextEdit box;
  SetResultBox(box, "head\r\n");
  AppendToResultBox(box, "one\r\n");
  AppendToResultBox(box, "\xD6\xD0\r\n");
  EXPECT_EQ(box.toPlainText(), QString::fromUtf8("head\none\n中\n"));
  EXPECT_EQ(ReadResultBox(box), Text("head\r\none\r\n\xD6\xD0\r\n"));
  EXPECT_EQ(box.document()->blockCount(), 4);
}

TEST(QtEditBoxesTest, BytesThatAreNotGbkShowAsReplacementCharacters) {
  QPlainTextEdit box;
  SetResultBox(box, "a\xD6");
  AppendToResultBox(box, "\x81 b");
  EXPECT_EQ(box.toPlainText(), QString::fromUtf8("a\uFFFD\uFFFD b"));
}

TEST(QtEditBoxesTest, AppendGoesToTheEndAndCannotBeUndone) {
  QPlainTextEdit box;
  box.setPlainText(QStringLiteral("typed"));
  QTextCursor selection = box.textCursor();
  selection.setPosition(0);
  selection.setPosition(3, QTextCursor::KeepAnchor);
  box.setTextCursor(selection);
  AppendToResultBox(box, " more");
  EXPECT_EQ(box.toPlainText(), QStringLiteral("typed more"));
  EXPECT_FALSE(box.textCursor().hasSelection());
  EXPECT_EQ(box.textCursor().position(), 10);
  EXPECT_FALSE(box.document()->isUndoAvailable());
}

TEST(QtEditBoxesTest, TheMessageBoxHasItsTextTitleAndOneOkButtonOnTop) {
  QString text;
  QString title;
  int buttons = 0;
  bool plain = false;
  bool application_modal = false;
  bool on_top = false;
  bool owned = true;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    buttons = static_cast<int>(box->buttons().size());
    plain = box->icon() == QMessageBox::NoIcon;
    application_modal = box->windowModality() == Qt::ApplicationModal;
    on_top = (box->windowFlags() & Qt::WindowStaysOnTopHint) != 0;
    owned = box->parentWidget() != nullptr;
    box->button(QMessageBox::Ok)->click();
  });
  ShowTaskModalMessageBox("\xC7\xEB\xCA\xE4\xC8\xEB", "Marrowby");  // 请输入
  EXPECT_EQ(text, QString::fromUtf8("请输入"));
  EXPECT_EQ(title, QStringLiteral("Marrowby"));
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(plain);
  EXPECT_TRUE(application_modal);
  EXPECT_TRUE(on_top);
  EXPECT_FALSE(owned);
}

}  // namespace
}  // namespace quillet
