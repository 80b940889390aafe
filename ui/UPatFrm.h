// The pattern-information window: how the syllable behind one pattern number is built.
#pragma once

#include <QDialog>

#include "ui/AppState.h"

class QLineEdit;

namespace pralomen::ui {

class TMainFrm;

class TPatFrm : public QDialog {
    Q_OBJECT
public:
    TPatFrm(AppState& state, TMainFrm& main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DefineCompo();
    void FormShow();

    AppState& state_;
    TMainFrm& main_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
};

} // namespace pralomen::ui
