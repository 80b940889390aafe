// The main window: Thai in, kana and IPA out, the log and the judgement lamp.
#pragma once

#include <memory>

#include <QWidget>

#include "ui/AppState.h"
#include "ui/MemoLog.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QSplitter;

namespace pralomen::ui {

class Lamp;

class TMainFrm : public QWidget {
    Q_OBJECT
public:
    // Builds the window the way the program starts: start-up values, tables installed when this
    // version's are missing, the settings file read over them, then the controls.
    TMainFrm(shell::FolderVars folders, PlatformServices platform, QWidget* parent = nullptr);
    ~TMainFrm() override;

    AppState& State() { return *state_; }

    // The mode pair follows UseFilesFlg.
    void SetModePair(bool useFiles);
    // The text of the Thai input, for the Labo window.
    QString InputText() const;
    void FocusInput();
    // Writes the settings file with the window's geometry as it is now.
    void WriteRngFile();

public slots:
    void SpeedButton1Click();  // clear
    void SpeedButton11Click(); // paste
    void SpeedButton3Click();  // convert
    void SpeedButton10Click(); // dot removal
    void SpeedButton12Click(); // copy the IPA
    void SpeedButton13Click(); // copy the kana
    void SpeedButton8Click();  // web translation
    void SpeedButton4Click();  // close, which ends the program
    void SpeedButton5Click();  // Labo
    void SpeedButton9Click();  // options
    void SpeedButton2Click();  // guide
    void SpeedButton6Click();  // support
    void SpeedButton7Click();  // Japanese-to-Thai
    void SpeedButton14Click(); // screen reset
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void CheckBox1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void DefineCompo();
    void FormShow();
    void FormClose();
    bool FormKeyDown(int key);
    QWidget* BuildButtonBar();
    QWidget* BuildInputArea();
    QWidget* BuildFontPanel();
    QWidget* BuildOutputBlock();
    QWidget* BuildLogPane();
    void ApplyHalfWidth();
    void SetPaneSizes(int upperBlock, int inputArea, int kanaArea);
    void ShowLamp(const QColor& color);
    void PlaceOnScreen(int left, int top);

    std::unique_ptr<AppState> state_;
    std::unique_ptr<MemoLog> log_;
    bool shownOnce_ = false;

    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    Lamp* Shape1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QSplitter* Splitter1 = nullptr; // upper block over the log
    QSplitter* Splitter2 = nullptr; // input area over the outputs
    QSplitter* Splitter3 = nullptr; // IPA beside kana
    QWidget* Panel3 = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel7 = nullptr;
};

} // namespace pralomen::ui
