// The conversion-options dialog: every kana and IPA option, and the two presets.
#pragma once

#include <vector>

#include <QDialog>

#include "ui/AppState.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace pralomen::ui {

class Lamp;
class TMainFrm;

class TCVSFrm : public QDialog {
    Q_OBJECT
public:
    TCVSFrm(AppState& state, TMainFrm* main);

public slots:
    void Button2Click(); // pronunciation preset
    void Button3Click(); // notation preset

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // One choice of a group of two or three, and the option value it stands for.
    struct Choice {
        QRadioButton* button;
        bool PralomenOptions::*flag;
        int PralomenOptions::*number;
        int value;
        QButtonGroup* group;
    };
    struct Tick {
        QCheckBox* box;
        bool PralomenOptions::*flag;
    };

    void FormCreate();
    void DefineCompo();
    void DefineInitState();
    void PralomenVarsFree();
    void PralomenVarsKotei();
    void FormClose();
    void ApplyPreset(bool book);
    void Apply(const Choice& c);
    void ModeChosen(bool useFiles);
    bool IsCurrent(const Choice& c);

    QGroupBox* Group(const QString& title, QWidget* parent);
    QWidget* Pair(const QString& title, std::initializer_list<Choice> choices, QWidget* parent);
    Choice Radio(const char* name, const QString& caption, bool PralomenOptions::*flag, bool value);
    Choice Radio(const char* name, const QString& caption, int PralomenOptions::*number, int value);
    QCheckBox* Check(const char* name, const QString& caption, bool PralomenOptions::*flag, QWidget* parent);
    QWidget* BuildLeftColumn();
    QWidget* BuildRightColumn();
    QWidget* BuildBottomBar();
    // Choices and ticks greyed under the notation preset.
    std::vector<QAbstractButton*> Individual() const;

    AppState& state_;
    TMainFrm* main_;
    std::vector<Choice> choices_;
    std::vector<Tick> ticks_;
    Lamp* Shape1 = nullptr;
    Lamp* Shape2 = nullptr;
};

} // namespace pralomen::ui
