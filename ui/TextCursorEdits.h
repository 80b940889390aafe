// Edits of a whole text field that the user can undo in one step, and copying a whole field.
#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace pralomen::ui {

void ReplaceAllText(QPlainTextEdit* memo, const QString& text);
// Focuses the field, selects all its text and copies it to the clipboard.
void CopyAll(QPlainTextEdit* memo);
void CopyAll(QLineEdit* edit);

} // namespace pralomen::ui
