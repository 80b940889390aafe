#include "ui/TextCursorEdits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace pralomen::ui {

void ReplaceAllText(QPlainTextEdit* memo, const QString& text) {
    QTextCursor cursor(memo->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
}

void CopyAll(QPlainTextEdit* memo) {
    memo->setFocus();
    memo->selectAll();
    memo->copy();
}

void CopyAll(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
    edit->copy();
}

} // namespace pralomen::ui
