#include "platform/qt_edit_boxes.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/edge_encoding.h"

namespace quillet {
namespace {

// CR LF is one line break in the box; Qt keeps line breaks as "\n" in plain text.
QString ToQString(const Text& text) {
  QString string = QString::fromStdU16String(Utf16FromGbk(text));
  string.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return string;
}

Text FromQString(const QString& string) { return GbkFromUtf16(string.toStdU16String()); }

}  // namespace

Text ReadLineEdit(const QLineEdit& box) { return FromQString(box.text()); }

Text ReadResultBox(const QPlainTextEdit& box) {
  QString string = box.toPlainText();
  string.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQString(string);
}

void SetResultBox(QPlainTextEdit& box, const Text& text) { box.setPlainText(ToQString(text)); }

void AppendToResultBox(QPlainTextEdit& box, const Text& text) {
  QTextDocument* document = box.document();
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  box.setTextCursor(cursor);
  const bool undoable = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  cursor.insertText(ToQString(text));
  document->setUndoRedoEnabled(undoable);
  box.setTextCursor(cursor);
  box.ensureCursorVisible();
}

void ShowTaskModalMessageBox(const Text& text, const Text& title) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

}  // namespace quillet
