#include "ui/UCVSFrm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Lamp.h"
#include "ui/ULaboFrm.h"
#include "ui/UMainFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {
namespace {

// Controls that stay live under both presets are not individual options.
const QStringList kIndividualNames = {
    "CheckBox1",     "CheckBox2",     "CheckBox3",     "CheckBox4",     "CheckBox5",     "RadioButton3",
    "RadioButton4",  "RadioButton5",  "RadioButton6",  "RadioButton7",  "RadioButton8",  "RadioButton9",
    "RadioButton10", "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15",
    "RadioButton16", "RadioButton19", "RadioButton20", "RadioButton21"};

} // namespace

TCVSFrm::TCVSFrm(AppState& state, TMainFrm* main) : QDialog(main), state_(state), main_(main) {
    setObjectName(QStringLiteral("CVSFrm"));
    FormCreate();
}

void TCVSFrm::FormCreate() {
    DefineCompo();
    DefineInitState();
    if (state_.Win.KanaBookFlg) {
        Shape1->SetColor(Qt::white);
        Shape2->SetColor(Qt::red);
        PralomenVarsKotei();
    } else {
        Shape1->SetColor(Qt::red);
        Shape2->SetColor(Qt::white);
        PralomenVarsFree();
    }
}

void TCVSFrm::DefineCompo() {
    setFont(JapaneseFont(9));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(734, 451);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 0);
    auto* columns = new QHBoxLayout();
    columns->addWidget(BuildLeftColumn(), 1);
    columns->addWidget(BuildRightColumn(), 1);
    root->addLayout(columns, 1);
    root->addWidget(BuildBottomBar());
}

QGroupBox* TCVSFrm::Group(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    return box;
}

TCVSFrm::Choice TCVSFrm::Radio(const char* name, const QString& caption, bool PralomenOptions::*flag, bool value) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return {button, flag, nullptr, value ? 1 : 0, nullptr};
}

TCVSFrm::Choice TCVSFrm::Radio(const char* name, const QString& caption, int PralomenOptions::*number, int value) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return {button, nullptr, number, value, nullptr};
}

QWidget* TCVSFrm::Pair(const QString& title, std::initializer_list<Choice> choices, QWidget* parent) {
    QGroupBox* box = Group(title, parent);
    auto* row = new QHBoxLayout();
    auto* group = new QButtonGroup(box);
    for (Choice c : choices) {
        c.button->setParent(box);
        group->addButton(c.button);
        row->addWidget(c.button);
        c.group = group;
        choices_.push_back(c);
        connect(c.button, &QRadioButton::toggled, this, [this, c](bool on) {
            if (on)
                Apply(c);
        });
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(box->layout())->addLayout(row);
    return box;
}

QCheckBox* TCVSFrm::Check(const char* name, const QString& caption, bool PralomenOptions::*flag, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    ticks_.push_back({box, flag});
    connect(box, &QCheckBox::toggled, this, [this, flag](bool on) { state_.Options().*flag = on; });
    return box;
}

QWidget* TCVSFrm::BuildLeftColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    using O = PralomenOptions;
    layout->addWidget(Pair(QStringLiteral("変換モード"),
                           {Radio("RadioButton17", QStringLiteral("標準モード"), &O::UseFilesFlg, true),
                            Radio("RadioButton18", QStringLiteral("チェックモード"), &O::UseFilesFlg, false)},
                           column));
    layout->addWidget(Pair(QStringLiteral("文字間スペースの扱い"),
                           {Radio("RadioButton1", QStringLiteral("二重縦線 ǁ を用いる"), &O::DoublePipeFlg, true),
                            Radio("RadioButton2", QStringLiteral("そのまま"), &O::DoublePipeFlg, false)},
                           column));
    QGroupBox* ipa = Group(QStringLiteral("発音記号のオプション"), column);
    auto* ipaLayout = static_cast<QVBoxLayout*>(ipa->layout());
    ipaLayout->addWidget(Check("CheckBox3", QStringLiteral("二重母音に長音符 [ : ] を用いる"), &O::LengthMarkFlg, ipa));
    ipaLayout->addWidget(Check("CheckBox5", QStringLiteral("音節区切り[·]を付ける"), &O::AddMidDotFlg, ipa));
    ipaLayout->addWidget(Pair(QStringLiteral("口を横に引くウの音"),
                              {Radio("RadioButton11", QStringLiteral("ɯを用いる"), &O::BarUFlg, false),
                               Radio("RadioButton12", QStringLiteral("ʉを用いる"), &O::BarUFlg, true)},
                              ipa));
    ipaLayout->addWidget(Pair(QStringLiteral("末子音のウの音（カナ連動）"),
                              {Radio("RadioButton13", QStringLiteral("wを用いる （ウ）"), &O::EndOFlg, false),
                               Radio("RadioButton14", QStringLiteral("oを用いる （オ）"), &O::EndOFlg, true)},
                              ipa));
    ipaLayout->addWidget(Pair(QStringLiteral("末子音のイの音"),
                              {Radio("RadioButton15", QStringLiteral("yを用いる"), &O::EndIFlg, false),
                               Radio("RadioButton16", QStringLiteral("iを用いる"), &O::EndIFlg, true)},
                              ipa));
    layout->addWidget(ipa);
    layout->addStretch(1);
    return column;
}

QWidget* TCVSFrm::BuildRightColumn() {
    using O = PralomenOptions;
    QGroupBox* kana = Group(QStringLiteral("カナのオプション"), this);
    auto* layout = static_cast<QVBoxLayout*>(kana->layout());
    layout->addWidget(Check("CheckBox4", QStringLiteral("二重母音に長音記号「ー」を用いる"), &O::LengthMark2Flg, kana));
    layout->addWidget(Check("CheckBox2", QStringLiteral("音節区切り「・」を付ける"), &O::AddNakaTenFlg, kana));
    layout->addWidget(Check("CheckBox1", QStringLiteral("声調矢印を付ける"), &O::ArrowFlg, kana));
    layout->addWidget(Pair(QStringLiteral("鶏 ก が頭子音の時"),
                           {Radio("RadioButton9", QStringLiteral("ガ行"), &O::GaFlg, true),
                            Radio("RadioButton10", QStringLiteral("カ行"), &O::GaFlg, false)},
                           kana));
    layout->addWidget(Pair(QStringLiteral("蛇 ง が頭子音の時"),
                           {Radio("RadioButton5", QStringLiteral("ン+ガ行"), &O::KanaHeadNgFlg, true),
                            Radio("RadioButton6", QStringLiteral("ガ行"), &O::KanaHeadNgFlg, false)},
                           kana));
    layout->addWidget(Pair(QStringLiteral("蛇 ง が末子音の時"),
                           {Radio("RadioButton7", QStringLiteral("ング+半角Space"), &O::KanaEndNgFlg, true),
                            Radio("RadioButton8", QStringLiteral("ン"), &O::KanaEndNgFlg, false)},
                           kana));
    // The first choice is also the one for a stored value out of range.
    layout->addWidget(Pair(QStringLiteral("お皿 จ が頭子音の時"),
                           {Radio("RadioButton3", QStringLiteral("ヂ"), &O::KanaDiIndex, 0),
                            Radio("RadioButton4", QStringLiteral("ジ"), &O::KanaDiIndex, 1),
                            Radio("RadioButton19", QStringLiteral("チ"), &O::KanaDiIndex, 2)},
                           kana));
    layout->addWidget(Pair(QStringLiteral("発音記号が[ si ]の時"),
                           {Radio("RadioButton20", QStringLiteral("スィ"), &O::SiFlg, true),
                            Radio("RadioButton21", QStringLiteral("シ"), &O::SiFlg, false)},
                           kana));
    layout->addStretch(1);
    return kana;
}

QWidget* TCVSFrm::BuildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFixedHeight(40);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* name, const QString& caption, void (TCVSFrm::*slot)()) {
        auto* b = new QPushButton(caption, bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    Shape1 = new Lamp(Lamp::Shape::Square, 12, bar);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape2 = new Lamp(Lamp::Shape::Square, 12, bar);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    row->addWidget(Shape1);
    row->addWidget(button("Button2", QStringLiteral("発音重視の設定"), &TCVSFrm::Button2Click));
    row->addSpacing(8);
    row->addWidget(Shape2);
    row->addWidget(button("Button3", QStringLiteral("表記重視の設定"), &TCVSFrm::Button3Click));
    auto* note = new QLabel(QStringLiteral("←個別設定をする場合、発音重視を選んで下さい。"), bar);
    note->setObjectName(QStringLiteral("Label1"));
    row->addWidget(note);
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("閉じる"), bar);
    close->setObjectName(QStringLiteral("Button1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &TCVSFrm::close);
    row->addWidget(close);
    return bar;
}

bool TCVSFrm::IsCurrent(const Choice& c) {
    PralomenOptions& o = state_.Options();
    return c.flag ? (o.*c.flag ? 1 : 0) == c.value : o.*c.number == c.value;
}

void TCVSFrm::Apply(const Choice& c) {
    PralomenOptions& o = state_.Options();
    if (c.flag)
        o.*c.flag = c.value != 0;
    else
        o.*c.number = c.value;
    if (c.flag == &PralomenOptions::UseFilesFlg)
        ModeChosen(c.value != 0);
}

void TCVSFrm::ModeChosen(bool useFiles) {
    if (main_)
        main_->SetModePair(useFiles);
}

void TCVSFrm::DefineInitState() {
    std::vector<Choice> selected; // one choice per group
    for (const Choice& c : choices_) {
        if (selected.empty() || selected.back().group != c.group)
            selected.push_back(c); // the group's first choice also stands for a value out of range
        else if (IsCurrent(c) && !IsCurrent(selected.back()))
            selected.back() = c;
    }
    for (const Choice& c : selected) {
        c.button->setChecked(true);
        Apply(c); // writes the value back, so an out-of-range value becomes the fallback's
    }
    for (const Tick& t : ticks_)
        t.box->setChecked(state_.Options().*t.flag);
}

std::vector<QAbstractButton*> TCVSFrm::Individual() const {
    std::vector<QAbstractButton*> controls;
    for (const QString& name : kIndividualNames)
        if (auto* b = findChild<QAbstractButton*>(name))
            controls.push_back(b);
    return controls;
}

void TCVSFrm::PralomenVarsFree() {
    for (QAbstractButton* b : Individual())
        b->setEnabled(true);
}

void TCVSFrm::PralomenVarsKotei() {
    for (QAbstractButton* b : Individual())
        b->setEnabled(false);
}

void TCVSFrm::ApplyPreset(bool book) {
    PralomenOptions& o = state_.Options();
    if (book)
        InitPralomenVarsBook(o);
    else
        InitPralomenVarsCore(o);
    if (main_)
        main_->SetModePair(o.UseFilesFlg);
    DefineInitState();
    state_.Win.KanaBookFlg = book;
    if (TLaboFrm* labo = TLaboFrm::OpenInstance())
        labo->SetKanaCaption(book ? QStringLiteral("表記カナ：") : QStringLiteral("発音カナ："));
    Shape1->SetColor(book ? Qt::white : Qt::red);
    Shape2->SetColor(book ? Qt::red : Qt::white);
    if (book)
        PralomenVarsKotei();
    else
        PralomenVarsFree();
}

void TCVSFrm::Button2Click() { ApplyPreset(false); }
void TCVSFrm::Button3Click() { ApplyPreset(true); }

void TCVSFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(QStringLiteral("発音変換オプション"));
    if (main_)
        move(main_->frameGeometry().center() - rect().center());
    findChild<QPushButton*>(QStringLiteral("Button1"))->setFocus();
}

void TCVSFrm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TCVSFrm::FormClose() {
    if (TLaboFrm* labo = TLaboFrm::OpenInstance())
        labo->SetModeCaption(state_.Options().UseFilesFlg ? QStringLiteral("- 標準モード -")
                                                          : QStringLiteral("- 声調チェックモード -"));
}

} // namespace pralomen::ui
