// The Japanese-to-Thai window: hiragana, romaji, IPA and Thai letters, one step per Enter.
#pragma once

#include <QDialog>

#include "ui/AppState.h"

class QCheckBox;
class QLineEdit;

namespace pralomen::ui {

class TMainFrm;

class TJTConvFrm : public QDialog {
    Q_OBJECT
public:
    TJTConvFrm(AppState& state, TMainFrm* main);

public slots:
    void SpeedButton1Click(); // hiragana to romaji
    void SpeedButton2Click(); // romaji to IPA
    void SpeedButton3Click(); // IPA to Thai
    void SpeedButton4Click(); // copy the Thai
    void ClearAll();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DefineCompo();
    QWidget* BuildTopBar();
    QWidget* BuildBody();
    QWidget* BuildBottomBar();
    void FormShow();
    bool FormKeyDown(QObject* watched, int key);
    // Puts the step's result into the next field and moves the caret to its end.
    void Step(QLineEdit* from, QLineEdit* to, const std::function<std::u16string(const std::u16string&)>& convert);

    AppState& state_;
    TMainFrm* main_;
    QLineEdit* LabeledEdit1 = nullptr;
    QLineEdit* LabeledEdit2 = nullptr;
    QLineEdit* LabeledEdit3 = nullptr;
    QLineEdit* LabeledEdit4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
};

} // namespace pralomen::ui
