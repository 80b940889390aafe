#include "ui/UMainFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/Replace.h"
#include "shell/RngFile.h"
#include "shell/TableInstall.h"
#include "ui/KeyPreview.h"
#include "ui/Lamp.h"
#include "ui/ScreenFit.h"
#include "ui/TextCursorEdits.h"
#include "ui/UCVSFrm.h"
#include "ui/UHelpFrm.h"
#include "ui/UJTConvFrm.h"
#include "ui/ULaboFrm.h"
#include "ui/USupportFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {
namespace {

// Design sizes in logical pixels.
constexpr int kDesignWidth = 650;
constexpr int kDesignHeight = 640;
constexpr int kUpperBlockHeight = 408;
constexpr int kInputAreaHeight = 150;
constexpr int kKanaAreaWidth = 317;
constexpr int kSplitterWidth = 4;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 42;

QToolButton* SpeedButton(const QString& name, const QString& caption, QWidget* parent, int height = kButtonHeight) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(kButtonWidth, height);
    button->setMaximumHeight(height);
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
    return button;
}

QLabel* Caption(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPlainTextEdit* Memo(const QString& name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QWidget* Panel(const QString& name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QBoxLayout* Tight(QBoxLayout* layout, int margin = 2) {
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(2);
    return layout;
}

// The slider position for a stored size: the nearer end when the size lies outside the range.
int SliderPosition(int size, int base) { return std::clamp(size - base, 0, shell::kFontSteps); }

void SetFontSize(QWidget* w, int size) {
    QFont font = w->font();
    font.setPointSize(size);
    w->setFont(font);
}

} // namespace

TMainFrm::TMainFrm(shell::FolderVars folders, PlatformServices platform, QWidget* parent)
    : QWidget(parent), state_(std::make_unique<AppState>(std::move(folders), std::move(platform))) {
    setObjectName(QStringLiteral("MainFrm"));
    FormCreate();
}

TMainFrm::~TMainFrm() { state_->MainLog = nullptr; }

void TMainFrm::FormCreate() {
    AppState& s = *state_;
    s.Keys.RememberInitIme();
    shell::InitVars(s.Win);
    InitPralomenVars(s.Options());
    shell::EnsureTablesInstalled(s.Folders);
    for (const std::u16string& message : shell::ReadRngFile(s.Folders.SysFolder, s.Win, s.Options()))
        s.Platform.Inform(nullptr, QString::fromStdU16String(message));
    DefineCompo();
}

void TMainFrm::DefineCompo() {
    setFont(JapaneseFont(9));
    setWindowIcon(ProgramIcon());
    setMinimumSize(640, 240);
    resize(kDesignWidth, kDesignHeight);

    auto* root = Tight(new QVBoxLayout(this), 0);
    root->addWidget(BuildButtonBar());
    auto* panel2 = Panel(QStringLiteral("Panel2"), this);
    auto* workLayout = Tight(new QVBoxLayout(panel2), 0);
    Splitter1 = new QSplitter(Qt::Vertical, panel2);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(kSplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    Panel3 = Panel(QStringLiteral("Panel3"), Splitter1);
    Splitter2 = new QSplitter(Qt::Vertical, Panel3);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(kSplitterWidth);
    Splitter2->setChildrenCollapsible(false);
    Tight(new QVBoxLayout(Panel3), 0)->addWidget(Splitter2);
    Splitter2->addWidget(BuildInputArea());
    Splitter2->addWidget(BuildOutputBlock());
    Splitter1->addWidget(Panel3);
    Splitter1->addWidget(BuildLogPane());
    // The upper block and the input area keep their heights; the log and the outputs take the rest.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    workLayout->addWidget(Splitter1);
    root->addWidget(panel2, 1);

    CheckBox1->setChecked(state_->Win.HalfWidthFlg);
    SetModePair(state_->Options().UseFilesFlg);
    TrackBar1->setValue(SliderPosition(state_->Win.m1FontSize, shell::kThaiFontBase));
    TrackBar2->setValue(SliderPosition(state_->Win.m2FontSize, shell::kKanaFontBase));
    TrackBar3->setValue(SliderPosition(state_->Win.m3FontSize, shell::kIpaFontBase));
    SetPaneSizes(kUpperBlockHeight, kInputAreaHeight, kKanaAreaWidth);

    log_ = std::make_unique<MemoLog>(Memo4);
    state_->MainLog = log_.get();
    InstallKeyPreview(this);
}

QWidget* TMainFrm::BuildButtonBar() {
    auto* bar = Panel(QStringLiteral("Panel1"), this);
    bar->setFixedHeight(49);
    // Two lines of kana must fit a 50-pixel button.
    bar->setFont(JapaneseFont(8));
    auto* row = Tight(new QHBoxLayout(bar), 3);
    row->setSpacing(1);

    auto connectClick = [this](QToolButton* b, void (TMainFrm::*slot)()) {
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("クリア\nF2"), bar),
                                &TMainFrm::SpeedButton1Click));
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton11"), QStringLiteral("貼り付け\nF6"), bar),
                                &TMainFrm::SpeedButton11Click));
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton3"), QStringLiteral("変換\nF7"), bar),
                                &TMainFrm::SpeedButton3Click));

    auto* lampBox = new QWidget(bar);
    auto* lampColumn = Tight(new QVBoxLayout(lampBox), 0);
    Shape1 = new Lamp(Lamp::Shape::Circle, 16, lampBox);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    lampColumn->addWidget(Shape1, 0, Qt::AlignHCenter);
    lampColumn->addWidget(Caption(QStringLiteral("Label4"), QStringLiteral("判 定"), lampBox), 0, Qt::AlignHCenter);
    row->addWidget(lampBox);

    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton5"), QStringLiteral("Labo\nF8"), bar),
                                &TMainFrm::SpeedButton5Click));
    auto* modeBox = new QWidget(bar);
    auto* modeColumn = Tight(new QVBoxLayout(modeBox), 0);
    RadioButton1 = new QRadioButton(QStringLiteral("標準モード"), modeBox);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("チェックモード"), modeBox);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setToolTip(QStringLiteral("内部ファイルを参照しないチェックモード"));
    modeColumn->addWidget(RadioButton1);
    modeColumn->addWidget(RadioButton2);
    row->addWidget(modeBox);
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { state_->Options().UseFilesFlg = on; });

    auto* dots = connectClick(SpeedButton(QStringLiteral("SpeedButton10"), QStringLiteral("中点Rm\nF11"), bar),
                              &TMainFrm::SpeedButton10Click);
    dots->setToolTip(QStringLiteral("発音記号の中の音節区切り中点を省きます。 F11"));
    row->addWidget(dots);
    row->addStretch(1);

    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("ヘルプ"), bar),
                                &TMainFrm::SpeedButton2Click));
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton8"), QStringLiteral("&Google\n翻訳へ"), bar),
                                &TMainFrm::SpeedButton8Click));
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton9"), QStringLiteral("変 換\nオプション"), bar),
                                &TMainFrm::SpeedButton9Click));
    auto* smallPair = new QWidget(bar);
    auto* pairColumn = Tight(new QVBoxLayout(smallPair), 0);
    pairColumn->setSpacing(0);
    pairColumn->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton6"), QStringLiteral("Info"), smallPair, 21),
                                       &TMainFrm::SpeedButton6Click));
    pairColumn->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton7"), QStringLiteral("日タイ"), smallPair, 21),
                                       &TMainFrm::SpeedButton7Click));
    row->addWidget(smallPair);
    row->addWidget(connectClick(SpeedButton(QStringLiteral("SpeedButton4"), QStringLiteral("終了\nF12"), bar),
                                &TMainFrm::SpeedButton4Click));
    return bar;
}

QWidget* TMainFrm::BuildInputArea() {
    Panel5 = Panel(QStringLiteral("Panel5"), this);
    Panel5->setMinimumHeight(65);
    auto* row = Tight(new QHBoxLayout(Panel5));
    auto* inputColumn = Tight(new QVBoxLayout(), 0);
    inputColumn->addWidget(Caption(QStringLiteral("Label9"), QStringLiteral("■タイ語"), Panel5));
    Memo1 = Memo(QStringLiteral("Memo1"), Panel5);
    Memo1->setFont(ThaiFont(state_->Win.m1FontSize));
    inputColumn->addWidget(Memo1, 1);
    row->addLayout(inputColumn, 1);
    row->addWidget(BuildFontPanel());
    return Panel5;
}

QWidget* TMainFrm::BuildFontPanel() {
    auto* panel9 = Panel(QStringLiteral("Panel9"), Panel5);
    panel9->setFixedWidth(100);
    auto* column = Tight(new QVBoxLayout(panel9), 0);
    column->setSpacing(0);
    column->addWidget(Caption(QStringLiteral("Label1"), QStringLiteral("- 文字サイズ -"), panel9), 0, Qt::AlignHCenter);
    auto addRow = [&](const QString& captionName, const QString& caption, QLabel*& number, const QString& numberName,
                      QSlider*& slider, const QString& sliderName, void (TMainFrm::*changed)()) {
        auto* line = new QHBoxLayout();
        line->setContentsMargins(0, 0, 0, 0);
        line->addWidget(Caption(captionName, caption, panel9));
        number = Caption(numberName, QString(), panel9);
        line->addWidget(number, 0, Qt::AlignRight);
        column->addLayout(line);
        slider = new QSlider(Qt::Horizontal, panel9);
        slider->setObjectName(sliderName);
        slider->setRange(0, shell::kFontSteps);
        slider->setPageStep(1);
        slider->setValue(-1); // so that the first setValue always reports a change
        connect(slider, &QSlider::valueChanged, this, changed);
        column->addWidget(slider);
    };
    addRow(QStringLiteral("Label2"), QStringLiteral("■タイ語"), Label6, QStringLiteral("Label6"), TrackBar1,
           QStringLiteral("TrackBar1"), &TMainFrm::TrackBar1Change);
    addRow(QStringLiteral("Label3"), QStringLiteral("■発音記号"), Label7, QStringLiteral("Label7"), TrackBar3,
           QStringLiteral("TrackBar3"), &TMainFrm::TrackBar3Change);
    addRow(QStringLiteral("Label5"), QStringLiteral("■発音カナ"), Label8, QStringLiteral("Label8"), TrackBar2,
           QStringLiteral("TrackBar2"), &TMainFrm::TrackBar2Change);
    column->addStretch(1);
    return panel9;
}

QWidget* TMainFrm::BuildOutputBlock() {
    Splitter3 = new QSplitter(Qt::Horizontal, this);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));
    Splitter3->setHandleWidth(kSplitterWidth);
    Splitter3->setChildrenCollapsible(false);
    Splitter3->installEventFilter(this);

    auto* panel8 = Panel(QStringLiteral("Panel8"), Splitter3);
    auto* ipaColumn = Tight(new QVBoxLayout(panel8));
    auto* ipaHead = new QHBoxLayout();
    ipaHead->addWidget(Caption(QStringLiteral("Label10"), QStringLiteral("■発音記号"), panel8));
    ipaHead->addStretch(1);
    auto* copyIpa = new QToolButton(panel8);
    copyIpa->setObjectName(QStringLiteral("SpeedButton12"));
    copyIpa->setText(QStringLiteral("コピー"));
    connect(copyIpa, &QToolButton::clicked, this, &TMainFrm::SpeedButton12Click);
    ipaHead->addWidget(copyIpa);
    ipaColumn->addLayout(ipaHead);
    Memo3 = Memo(QStringLiteral("Memo3"), panel8);
    Memo3->setFont(LatinFont(state_->Win.m3FontSize));
    ipaColumn->addWidget(Memo3, 1);

    Panel7 = Panel(QStringLiteral("Panel7"), Splitter3);
    auto* kanaColumn = Tight(new QVBoxLayout(Panel7));
    auto* kanaHead = new QHBoxLayout();
    kanaHead->addWidget(Caption(QStringLiteral("Label11"), QStringLiteral("■発音カナ"), Panel7));
    CheckBox1 = new QCheckBox(QStringLiteral("ハーフモード"), Panel7);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(QStringLiteral("チェックを外すと、画面拡大時に発音記号エリアの幅だけ伸びます"));
    connect(CheckBox1, &QCheckBox::toggled, this, &TMainFrm::CheckBox1Click);
    kanaHead->addWidget(CheckBox1);
    kanaHead->addStretch(1);
    auto* copyKana = new QToolButton(Panel7);
    copyKana->setObjectName(QStringLiteral("SpeedButton13"));
    copyKana->setText(QStringLiteral("コピー"));
    connect(copyKana, &QToolButton::clicked, this, &TMainFrm::SpeedButton13Click);
    kanaHead->addWidget(copyKana);
    kanaColumn->addLayout(kanaHead);
    Memo2 = Memo(QStringLiteral("Memo2"), Panel7);
    Memo2->setFont(JapaneseFont(state_->Win.m2FontSize));
    kanaColumn->addWidget(Memo2, 1);

    Splitter3->addWidget(panel8);
    Splitter3->addWidget(Panel7);
    // Without half mode the kana area keeps its width and the IPA area takes every change.
    Splitter3->setStretchFactor(0, 1);
    Splitter3->setStretchFactor(1, 0);
    return Splitter3;
}

QWidget* TMainFrm::BuildLogPane() {
    auto* panel4 = Panel(QStringLiteral("Panel4"), this);
    panel4->setMinimumHeight(36);
    auto* column = Tight(new QVBoxLayout(panel4));
    auto* head = new QHBoxLayout();
    head->addWidget(Caption(QStringLiteral("Label12"), QStringLiteral("■ログ"), panel4));
    head->addStretch(1);
    auto* reset = new QToolButton(panel4);
    reset->setObjectName(QStringLiteral("SpeedButton14"));
    reset->setText(QStringLiteral("画面リセット"));
    reset->setToolTip(QStringLiteral("各エリアのサイズを初期値に戻します"));
    connect(reset, &QToolButton::clicked, this, &TMainFrm::SpeedButton14Click);
    head->addWidget(reset);
    column->addLayout(head);
    Memo4 = Memo(QStringLiteral("Memo4"), panel4);
    Memo4->setReadOnly(true);
    Memo4->setFont(LatinFont(state_->Win.m4FontSize));
    column->addWidget(Memo4, 1);
    return panel4;
}

void TMainFrm::SetModePair(bool useFiles) { (useFiles ? RadioButton1 : RadioButton2)->setChecked(true); }

QString TMainFrm::InputText() const { return Memo1->toPlainText(); }

void TMainFrm::FocusInput() { Memo1->setFocus(); }

void TMainFrm::ShowLamp(const QColor& color) { Shape1->SetColor(color); }

void TMainFrm::SpeedButton3Click() {
    const QString text = Memo1->toPlainText();
    Memo2->clear();
    Memo3->clear();
    Memo4->clear();
    if (text.isEmpty()) {
        ShowLamp(Qt::white);
        return;
    }
    const ConversionResult r = state_->engine.YomiConv2(text.toStdU16String(), *log_);
    Memo2->setPlainText(QString::fromStdU16String(r.allKana));
    Memo3->setPlainText(QString::fromStdU16String(r.allIPA));
    Memo4->moveCursor(QTextCursor::Start);
    Memo4->verticalScrollBar()->setValue(0);
    Memo4->setFocus();
    ShowLamp(LampColor(r.color));
}

void TMainFrm::SpeedButton1Click() {
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    Memo4->clear();
    Memo1->setFocus();
    ShowLamp(Qt::white);
}

void TMainFrm::SpeedButton11Click() {
    const QString pasted = QGuiApplication::clipboard()->text();
    // An empty clipboard would only erase the user's text.
    if (pasted.isEmpty())
        return;
    ReplaceAllText(Memo1, pasted);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->setFocus();
    ShowLamp(Qt::white);
}

void TMainFrm::SpeedButton10Click() {
    auto removeDots = [](QPlainTextEdit* memo, QChar dot) {
        if (memo->toPlainText().isEmpty())
            return;
        memo->setFocus();
        QString text = memo->toPlainText();
        if (text.remove(dot) == memo->toPlainText())
            return;
        ReplaceAllText(memo, text);
        memo->moveCursor(QTextCursor::End);
    };
    removeDots(Memo3, QChar(0x00B7));
    removeDots(Memo2, QChar(0x30FB));
}

void TMainFrm::SpeedButton12Click() { CopyAll(Memo3); }
void TMainFrm::SpeedButton13Click() { CopyAll(Memo2); }

void TMainFrm::SpeedButton8Click() { state_->Platform.OpenUrl(QUrl(state_->Links.TranslateUrl)); }

void TMainFrm::SpeedButton4Click() { close(); }

void TMainFrm::SpeedButton5Click() {
    TLaboFrm labo(*state_, *this);
    state_->Platform.RunModal(&labo);
}

void TMainFrm::SpeedButton9Click() {
    TCVSFrm options(*state_, this);
    state_->Platform.RunModal(&options);
}

void TMainFrm::SpeedButton2Click() {
    THelpFrm guide(*state_, this);
    state_->Platform.RunModal(&guide);
}

void TMainFrm::SpeedButton6Click() {
    TSupportFrm support(*state_, this);
    state_->Platform.RunModal(&support);
}

void TMainFrm::SpeedButton7Click() {
    TJTConvFrm tool(*state_, this);
    state_->Platform.RunModal(&tool);
}

void TMainFrm::TrackBar1Change() {
    state_->Win.m1FontSize = TrackBar1->value() + shell::kThaiFontBase;
    SetFontSize(Memo1, state_->Win.m1FontSize);
    Label6->setNum(state_->Win.m1FontSize);
}

void TMainFrm::TrackBar2Change() {
    state_->Win.m2FontSize = TrackBar2->value() + shell::kKanaFontBase;
    SetFontSize(Memo2, state_->Win.m2FontSize);
    Label8->setNum(state_->Win.m2FontSize);
}

void TMainFrm::TrackBar3Change() {
    state_->Win.m3FontSize = TrackBar3->value() + shell::kIpaFontBase;
    SetFontSize(Memo3, state_->Win.m3FontSize);
    Label7->setNum(state_->Win.m3FontSize);
}

void TMainFrm::CheckBox1Click() {
    state_->Win.HalfWidthFlg = CheckBox1->isChecked();
    if (state_->Win.HalfWidthFlg)
        ApplyHalfWidth();
}

void TMainFrm::ApplyHalfWidth() {
    const int width = Splitter3->width() - Splitter3->handleWidth();
    const int kana = width / 2;
    Splitter3->setSizes({width - kana, kana});
}

void TMainFrm::SetPaneSizes(int upperBlock, int inputArea, int kanaArea) {
    auto place = [](QSplitter* splitter, int first, bool firstIsFixed) {
        const bool vertical = splitter->orientation() == Qt::Vertical;
        const int total = (vertical ? splitter->height() : splitter->width()) - splitter->handleWidth();
        const int other = std::max(total - first, 1);
        splitter->setSizes(firstIsFixed ? QList<int>{first, other} : QList<int>{other, first});
    };
    layout()->activate();
    if (upperBlock > 0)
        place(Splitter1, upperBlock, true);
    Splitter1->refresh();
    Panel3->layout()->activate();
    if (inputArea > 0)
        place(Splitter2, inputArea, true);
    if (kanaArea > 0)
        place(Splitter3, kanaArea, false);
}

void TMainFrm::SpeedButton14Click() {
    const double ppi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    resize(ScaleDesign(kDesignWidth, ppi), ScaleDesign(kDesignHeight, ppi));
    if (screen())
        move(CentredIn(screen()->geometry(), frameGeometry().size()));
    SetPaneSizes(ScaleDesign(kUpperBlockHeight, ppi), ScaleDesign(kInputAreaHeight, ppi),
                 ScaleDesign(kKanaAreaWidth, ppi));
}

void TMainFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Qt also sends a show event when the window comes back from being minimised.
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainFrm::FormShow() {
    shell::WindowSettings& w = state_->Win;
    setWindowTitle(QStringLiteral("Pralomen （F3キーでタイ語キーボードと日本語IMEを切替可能、トグル）"));
    if (w.MainFrmWidth2 == -1)
        w.MainFrmWidth2 = width();
    else
        resize(w.MainFrmWidth2, height());
    if (w.MainFrmHeight2 == -1)
        w.MainFrmHeight2 = height();
    else
        resize(width(), w.MainFrmHeight2);
    PlaceOnScreen(w.MainFrmLeft2, w.MainFrmTop2);
    SetPaneSizes(w.Panel3Height, w.Panel5Height, w.Panel7Width);
    TrackBar1Change();
    TrackBar2Change();
    TrackBar3Change();
}

void TMainFrm::PlaceOnScreen(int left, int top) {
    QScreen* here = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!here)
        return;
    const QPoint centred = CentredIn(here->geometry(), frameGeometry().size());
    const QPoint corner(left == -1 ? centred.x() : left, top == -1 ? centred.y() : top);
    move(KeepOnScreen(QRect(corner, frameGeometry().size()), AvailableScreens()));
}

void TMainFrm::WriteRngFile() {
    shell::WindowSettings w = state_->Win;
    w.MainFrmWidth2 = width();
    w.MainFrmHeight2 = height();
    w.MainFrmLeft2 = x();
    w.MainFrmTop2 = y();
    w.Panel3Height = Panel3->height();
    w.Panel5Height = Panel5->height();
    w.Panel7Width = Panel7->width();
    if (auto failure = shell::WriteRngFile(state_->Folders.SysFolder, w, state_->Options()))
        state_->Platform.Inform(this, QString::fromStdU16String(*failure));
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TMainFrm::FormClose() {
    state_->Keys.LoadInitIme();
    WriteRngFile();
}

bool TMainFrm::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_F2: SpeedButton1Click(); return true;
    case Qt::Key_F3: state_->Keys.ToggleF3(); return true;
    case Qt::Key_F6: SpeedButton11Click(); return true;
    case Qt::Key_F7: SpeedButton3Click(); return true;
    case Qt::Key_F8: SpeedButton5Click(); return true;
    case Qt::Key_F11: SpeedButton10Click(); return true;
    case Qt::Key_F12: SpeedButton4Click(); return true;
    default: return false;
    }
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Splitter3 && event->type() == QEvent::Resize && state_->Win.HalfWidthFlg)
        ApplyHalfWidth();
    if (event->type() == QEvent::KeyPress && IsKeyPreviewTarget(this, watched))
        return FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::FocusIn) {
        if (watched == Memo1)
            state_->Keys.EnterField(shell::FieldKind::Thai);
        else if (watched == Memo2)
            state_->Keys.EnterField(shell::FieldKind::Japanese);
        else if (watched == Memo3)
            state_->Keys.EnterField(shell::FieldKind::Ipa);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pralomen::ui
