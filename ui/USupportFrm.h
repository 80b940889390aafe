// The support dialog: the program's name and version and how to reach support.
#pragma once

#include <QDialog>

#include "ui/AppState.h"

class QLineEdit;

namespace pralomen::ui {

class TMainFrm;

class TSupportFrm : public QDialog {
    Q_OBJECT
public:
    TSupportFrm(AppState& state, TMainFrm* main);

public slots:
    void SpeedButton1Click(); // copy the e-mail address

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DefineCompo();

    AppState& state_;
    TMainFrm* main_;
    QLineEdit* Edit1 = nullptr;
};

} // namespace pralomen::ui
