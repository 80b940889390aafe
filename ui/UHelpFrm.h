// The guide viewer: the text of "Guide.txt" from the program's help folder.
#pragma once

#include <QDialog>

#include "ui/AppState.h"

class QPlainTextEdit;

namespace pralomen::ui {

class TMainFrm;

class THelpFrm : public QDialog {
    Q_OBJECT
public:
    THelpFrm(AppState& state, TMainFrm* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DefineCompo();

    AppState& state_;
    TMainFrm* main_;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace pralomen::ui
