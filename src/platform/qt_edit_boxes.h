#pragma once

// The window operations of a run on Qt's widgets. Texts cross as GBK: an edit box holds
// Unicode, so reading one turns it into GBK as an ANSI edit box would ("?" for what GBK lacks),
// and GBK bytes that do not decode show as U+FFFD. In the result box a line break is CR LF on
// the Text side.

#include "text/values.h"

class QLineEdit;
class QPlainTextEdit;

namespace quillet {

Text ReadLineEdit(const QLineEdit& box);

// The box's whole content, with CR LF for each line break.
Text ReadResultBox(const QPlainTextEdit& box);
// Replaces the whole content.
void SetResultBox(QPlainTextEdit& box, const Text& text);
// Moves the caret to the end (a selection is dropped), inserts text there, scrolls it into view.
// The insertion is not undoable.
void AppendToResultBox(QPlainTextEdit& box, const Text& text);

// A box with the text, the title and one OK button, no icon and no owner; on top and modal for
// the whole program. Returns once it is closed.
void ShowTaskModalMessageBox(const Text& text, const Text& title);

}  // namespace quillet
