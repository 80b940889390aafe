// The engine's log written into a text pane of a window.
#pragma once

#include <QPlainTextEdit>

#include "engine/LogPane.h"

namespace pralomen::ui {

class MemoLog : public LogPane {
public:
    explicit MemoLog(QPlainTextEdit* memo) : memo_(memo) {}
    void Clear() override { memo_->clear(); }
    void Append(const std::u16string& line) override { memo_->appendPlainText(QString::fromStdU16String(line)); }

private:
    QPlainTextEdit* memo_;
};

} // namespace pralomen::ui
