// The Labo window: one line of Thai with all four outputs, a lamp, a verdict and an advice.
#pragma once

#include <QDialog>

#include "ui/AppState.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pralomen::ui {

class Lamp;
class TMainFrm;

class TLaboFrm : public QDialog {
    Q_OBJECT
public:
    TLaboFrm(AppState& state, TMainFrm& main);

    // The Labo window on screen, if one is open.
    static TLaboFrm* OpenInstance();
    void SetModeCaption(const QString& text);
    void SetKanaCaption(const QString& text);

public slots:
    void SpeedButton1Click(); // clear
    void SpeedButton2Click(); // paste
    void SpeedButton3Click(); // convert
    void SpeedButton4Click(); // options
    void Button2Click();      // copy the kana
    void Button3Click();      // pattern reference
    void Button4Click();      // copy the IPA

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DefineCompo();
    QWidget* BuildTopBar();
    QWidget* BuildBody();
    void FormShow();
    void FormClose();
    bool FormKeyDown(int key);
    void ShowVerdict(const QString& verdict, const QString& advice);
    void CentreVerdict();

    AppState& state_;
    TMainFrm& main_;
    bool shownOnce_ = false;

    Lamp* Shape1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* LabeledEdit1 = nullptr;
    QLineEdit* LabeledEdit2 = nullptr;
    QLineEdit* LabeledEdit3 = nullptr;
    QLineEdit* LabeledEdit4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace pralomen::ui
