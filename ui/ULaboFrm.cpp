#include "ui/ULaboFrm.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/KeyPreview.h"
#include "ui/Lamp.h"
#include "ui/ScreenFit.h"
#include "ui/TextCursorEdits.h"
#include "ui/UCVSFrm.h"
#include "ui/UMainFrm.h"
#include "ui/UPatFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {
namespace {

constexpr int kHeight = 460;
constexpr int kMinWidth = 650;
constexpr int kInitialWidth = 780;
constexpr int kLampSize = 18;
constexpr int kLampBoxWidth = 64;

struct Verdict {
    JudgeColor color;
    const char16_t* verdict;
    const char16_t* advice;
};

// Cyan, for a numeral, falls through to the neutral texts.
constexpr Verdict kVerdicts[] = {
    {JudgeColor::Blue, u"OK !", u"自信あり"},
    {JudgeColor::Red, u"ダメ", u"小分けにして問題箇所を見つけましょう"},
    {JudgeColor::Green, u"参考→", u"ピリオドを使った略語を変換しています。他はOKです。"},
};
constexpr char16_t kNeutralVerdict[] = u"判 定";
constexpr char16_t kNeutralAdvice[] = u"ここに対策などが出ます";

QToolButton* SpeedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setMinimumSize(50, 42);
    return button;
}

QLineEdit* LabeledEdit(const char* name, const QString& title, const QFont& font, QVBoxLayout* column,
                       QWidget* parent, QWidget* besides = nullptr) {
    auto* label = new QLabel(title, parent);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(font);
    label->setBuddy(edit);
    column->addWidget(label);
    auto* row = new QHBoxLayout();
    row->addWidget(edit, 1);
    if (besides)
        row->addWidget(besides);
    column->addLayout(row);
    return edit;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TLaboFrm::TLaboFrm(AppState& state, TMainFrm& main) : QDialog(&main), state_(state), main_(main) {
    setObjectName(QStringLiteral("LaboFrm"));
    state_.Options().PatNum = -10;
    DefineCompo();
}

TLaboFrm* TLaboFrm::OpenInstance() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* labo = qobject_cast<TLaboFrm*>(w); labo && labo->isVisible())
            return labo;
    return nullptr;
}

void TLaboFrm::SetModeCaption(const QString& text) { Label4->setText(text); }
void TLaboFrm::SetKanaCaption(const QString& text) { Label1->setText(text); }

void TLaboFrm::DefineCompo() {
    setFont(JapaneseFont(9));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedHeight(kHeight);
    setMinimumWidth(kMinWidth);
    resize(kInitialWidth, kHeight);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 0, 6, 0);
    root->addWidget(BuildTopBar());
    root->addWidget(BuildBody(), 1);
    auto* note = new QLabel(
        QStringLiteral("※単語の区切り位置が違う場合、タイ語原文欄で区切り位置にスペースを挿入して再変換してみて下さい。"), this);
    note->setObjectName(QStringLiteral("Label7"));
    note->setFixedHeight(40);
    root->addWidget(note);
    InstallKeyPreview(this);
}

QWidget* TLaboFrm::BuildTopBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFixedHeight(49);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 3, 0, 3);
    auto add = [&](QToolButton* b, void (TLaboFrm::*slot)()) {
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
    };
    add(SpeedButton("SpeedButton1", QStringLiteral("クリア\nF2"), bar), &TLaboFrm::SpeedButton1Click);
    add(SpeedButton("SpeedButton2", QStringLiteral("貼り付け\nF6"), bar), &TLaboFrm::SpeedButton2Click);
    add(SpeedButton("SpeedButton3", QStringLiteral("変換\nF7"), bar), &TLaboFrm::SpeedButton3Click);

    // The verdict is placed by hand, centred under the lamp, whatever its width.
    auto* lampBox = new QWidget(bar);
    lampBox->setFixedWidth(kLampBoxWidth);
    Shape1 = new Lamp(Lamp::Shape::Circle, kLampSize, lampBox);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->move((kLampBoxWidth - kLampSize) / 2, 2);
    Label2 = new QLabel(lampBox);
    Label2->setObjectName(QStringLiteral("Label2"));
    row->addWidget(lampBox);

    Edit1 = new QLineEdit(bar);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setMinimumWidth(64);
    row->addWidget(Edit1, 1);
    auto* rule = new QFrame(bar);
    rule->setFrameShape(QFrame::VLine);
    row->addWidget(rule);
    auto* modeColumn = new QVBoxLayout();
    auto* label3 = new QLabel(QStringLiteral("■変換モード:"), bar);
    label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(bar);
    Label4->setObjectName(QStringLiteral("Label4"));
    modeColumn->addWidget(label3);
    modeColumn->addWidget(Label4);
    row->addLayout(modeColumn);
    add(SpeedButton("SpeedButton4", QStringLiteral("変 換\nオプション"), bar), &TLaboFrm::SpeedButton4Click);
    Button1 = Button("Button1", QStringLiteral("閉じる"), bar);
    Button1->setMinimumHeight(42);
    connect(Button1, &QPushButton::clicked, this, &TLaboFrm::close);
    row->addWidget(Button1);

    Label2->setText(QString::fromUtf16(kNeutralVerdict));
    Edit1->setText(QStringLiteral("*コメント*"));
    Label4->setText(state_.Options().UseFilesFlg ? QStringLiteral("- 標準モード -") : QStringLiteral("- チェックモード -"));
    CentreVerdict();
    return bar;
}

QWidget* TLaboFrm::BuildBody() {
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    LabeledEdit1 = LabeledEdit("LabeledEdit1", QStringLiteral("タイ語原文："), ThaiFont(14), column, body);
    LabeledEdit2 = LabeledEdit("LabeledEdit2", QStringLiteral("変換区切り："), ThaiFont(14), column, body);

    Label1 = new QLabel(QStringLiteral("発音カナ："), body);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* kanaBlock = new QVBoxLayout();
    kanaBlock->setSpacing(4); // the caption's bottom sits 4 pixels above the kana area
    kanaBlock->addWidget(Label1);
    auto* kanaRow = new QHBoxLayout();
    Memo1 = new QPlainTextEdit(body);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(JapaneseFont(10));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    kanaRow->addWidget(Memo1, 1);
    auto* copyKana = Button("Button2", QStringLiteral("COPY"), body);
    connect(copyKana, &QPushButton::clicked, this, &TLaboFrm::Button2Click);
    kanaRow->addWidget(copyKana, 0, Qt::AlignTop);
    kanaBlock->addLayout(kanaRow, 1);
    column->addSpacing(4);
    column->addLayout(kanaBlock, 1);

    auto* lookUp = Button("Button3", QStringLiteral("参照"), body);
    // Clicking must not take the focus: the pattern field would lose the user's selection.
    lookUp->setFocusPolicy(Qt::NoFocus);
    connect(lookUp, &QPushButton::clicked, this, &TLaboFrm::Button3Click);
    LabeledEdit3 = LabeledEdit("LabeledEdit3", QStringLiteral("パターン番号："), JapaneseFont(10), column, body, lookUp);
    auto* copyIpa = Button("Button4", QStringLiteral("COPY"), body);
    connect(copyIpa, &QPushButton::clicked, this, &TLaboFrm::Button4Click);
    LabeledEdit4 = LabeledEdit("LabeledEdit4", QStringLiteral("発音記号："), LatinFont(11), column, body, copyIpa);
    return body;
}

void TLaboFrm::CentreVerdict() {
    Label2->adjustSize();
    Label2->move(Shape1->x() + Shape1->width() / 2 - Label2->width() / 2, Shape1->y() + Shape1->height() + 2);
}

void TLaboFrm::ShowVerdict(const QString& verdict, const QString& advice) {
    Label2->setText(verdict);
    CentreVerdict();
    Edit1->setText(advice);
    Edit1->setCursorPosition(0);
}

void TLaboFrm::SpeedButton3Click() {
    const QString text = LabeledEdit1->text();
    if (text.isEmpty()) {
        Shape1->SetColor(Qt::white);
    } else {
        const ConversionResult r = state_.engine.YomiConv1(text.toStdU16String(), *state_.MainLog);
        LabeledEdit2->setText(QString::fromStdU16String(r.allThai));
        Memo1->setPlainText(QString::fromStdU16String(r.allKana));
        LabeledEdit3->setText(QString::fromStdU16String(r.allPat));
        LabeledEdit4->setText(QString::fromStdU16String(r.allIPA));
        Shape1->SetColor(LampColor(r.color));
        QString verdict = QString::fromUtf16(kNeutralVerdict);
        QString advice = QString::fromUtf16(kNeutralAdvice);
        for (const Verdict& v : kVerdicts)
            if (v.color == r.color) {
                verdict = QString::fromUtf16(v.verdict);
                advice = QString::fromUtf16(v.advice);
            }
        ShowVerdict(verdict, advice);
    }
    Button1->setFocus();
}

void TLaboFrm::SpeedButton1Click() {
    for (QLineEdit* e : {LabeledEdit1, LabeledEdit2, LabeledEdit3, LabeledEdit4})
        e->clear();
    Memo1->clear();
    LabeledEdit1->setFocus();
    Shape1->SetColor(Qt::white);
}

void TLaboFrm::SpeedButton2Click() {
    const QString pasted = QGuiApplication::clipboard()->text();
    // An empty clipboard would only erase the user's text.
    if (pasted.isEmpty())
        return;
    LabeledEdit1->selectAll();
    LabeledEdit1->insert(pasted);
    Shape1->SetColor(Qt::white);
}

void TLaboFrm::Button2Click() { CopyAll(Memo1); }
void TLaboFrm::Button4Click() { CopyAll(LabeledEdit4); }

void TLaboFrm::Button3Click() {
    const QString selection = LabeledEdit3->selectedText().trimmed();
    if (selection.isEmpty()) {
        state_.Platform.Inform(this, QStringLiteral(
            "パターン番号を１つ選択状態にして参照ボタンを押して下さい（前後にスペースが入っていても可）"));
        return;
    }
    bool ok = false;
    const int number = selection.toInt(&ok);
    if (!ok || number == -1) {
        state_.Platform.Inform(this, QStringLiteral("パターン番号が正しく選択されていません。選択は数字１つにして下さい。"));
        return;
    }
    state_.Options().PatNum = number;
    TPatFrm pattern(state_, main_);
    state_.Platform.RunModal(&pattern);
}

void TLaboFrm::SpeedButton4Click() {
    TCVSFrm options(state_, &main_);
    state_.Platform.RunModal(&options);
}

void TLaboFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TLaboFrm::FormShow() {
    const QString mainText = main_.InputText().trimmed();
    if (!mainText.isEmpty())
        LabeledEdit1->setText(mainText);
    setWindowTitle(QStringLiteral(" Labo画面（F3キーでタイ語キーボードと日本語IMEを切替可能、トグル）"));
    LaboPlace& p = state_.Labo;
    if (p.LaboFrmWidth == -1)
        p.LaboFrmWidth = width();
    else
        resize(p.LaboFrmWidth, height());
    if (p.LaboFrmHeight == -1)
        p.LaboFrmHeight = height();
    const QRect mainFrame = main_.frameGeometry();
    const int left = p.LaboFrmLeft == -1 ? mainFrame.left() + (mainFrame.width() - frameGeometry().width()) / 2
                                         : p.LaboFrmLeft;
    const int top = p.LaboFrmTop == -1 ? mainFrame.top() + (mainFrame.height() - frameGeometry().height()) / 2
                                       : p.LaboFrmTop;
    move(KeepOnScreen(QRect(QPoint(left, top), frameGeometry().size()), AvailableScreens()));
    LabeledEdit1->setFocus();
    LabeledEdit1->end(false);
    Button1->setFocus();
}

void TLaboFrm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TLaboFrm::FormClose() {
    LaboPlace& p = state_.Labo;
    p.LaboFrmLeft = x();
    p.LaboFrmTop = y();
    p.LaboFrmWidth = width();
    p.LaboFrmHeight = height();
    main_.FocusInput();
}

bool TLaboFrm::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_F2: SpeedButton1Click(); return true;
    case Qt::Key_F3: state_.Keys.ToggleF3(); return true;
    case Qt::Key_F6: SpeedButton2Click(); return true;
    case Qt::Key_F7: SpeedButton3Click(); return true;
    default: return false;
    }
}

bool TLaboFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsKeyPreviewTarget(this, watched))
        return FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::FocusIn) {
        if (watched == LabeledEdit1 || watched == LabeledEdit2)
            state_.Keys.EnterField(shell::FieldKind::Thai);
        else if (watched == LabeledEdit3 || watched == Memo1)
            state_.Keys.EnterField(shell::FieldKind::Japanese);
        else if (watched == LabeledEdit4)
            state_.Keys.EnterField(shell::FieldKind::Ipa);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pralomen::ui
