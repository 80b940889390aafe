#include "ui/UJTConvFrm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "jt/JapaneseToThai.h"
#include "ui/KeyPreview.h"
#include "ui/TextCursorEdits.h"
#include "ui/UMainFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {
namespace {

constexpr int kBaseSize = 11;

// The fixed-phrase questions go to the user as Yes/No message boxes.
class AskTheUser : public PhraseQuestion {
public:
    AskTheUser(const PlatformServices& platform, QWidget* parent) : platform_(platform), parent_(parent) {}
    bool Ask(const std::u16string& message) override {
        return platform_.Ask(parent_, QString::fromStdU16String(message));
    }

private:
    const PlatformServices& platform_;
    QWidget* parent_;
};

} // namespace

TJTConvFrm::TJTConvFrm(AppState& state, TMainFrm* main) : QDialog(main), state_(state), main_(main) {
    setObjectName(QStringLiteral("JTConvFrm"));
    DefineCompo();
}

void TJTConvFrm::DefineCompo() {
    setFont(JapaneseFont(kBaseSize));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedHeight(360);
    setMinimumWidth(680);
    resize(680, 360);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 4);
    root->addWidget(BuildTopBar());
    root->addWidget(BuildBody(), 1);
    root->addWidget(BuildBottomBar());
    InstallKeyPreview(this);
}

QWidget* TJTConvFrm::BuildTopBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setMinimumHeight(59);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* clear = new QToolButton(bar);
    clear->setObjectName(QStringLiteral("SpeedButton5"));
    clear->setText(QStringLiteral("クリア\nF2"));
    clear->setFont(JapaneseFont(9));
    clear->setMinimumSize(50, 42);
    connect(clear, &QToolButton::clicked, this, &TJTConvFrm::ClearAll);
    row->addWidget(clear);
    auto* lines = new QVBoxLayout();
    lines->setSpacing(0);
    const QFont small = JapaneseFont(9);
    for (const QString& text : {QStringLiteral("1. ひらがなを入れてEnterを押していくと変換できます。"),
                                QStringLiteral("2. 助詞のは、への後ろに全角スペースで[wa][e]になります。"),
                                QStringLiteral("3. 発音記号で有気のhを取ると無気の子音になります。")}) {
        auto* label = new QLabel(text, bar);
        label->setFont(small);
        lines->addWidget(label);
    }
    auto* link = new QLabel(QStringLiteral("4.<a href=\"%1\">Google翻訳</a>にコピーし、読み上げで確認します。")
                                .arg(state_.Links.TranslateUrl.toHtmlEscaped()),
                            bar);
    link->setObjectName(QStringLiteral("LinkLabel1"));
    link->setFont(small);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(link, &QLabel::linkActivated, this, [this](const QString& url) { state_.Platform.OpenUrl(QUrl(url)); });
    lines->addWidget(link);
    row->addLayout(lines, 1);
    return bar;
}

QWidget* TJTConvFrm::BuildBody() {
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    auto addRow = [&](int row, const char* name, const QString& title, const QFont& font, const char* buttonName,
                      const QString& caption, void (TJTConvFrm::*slot)()) {
        auto* edit = new QLineEdit(body);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFont(font);
        auto* label = new QLabel(title, body);
        label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
        label->setBuddy(edit);
        auto* button = new QPushButton(caption, body);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(button, row, 2, Qt::AlignVCenter);
        return edit;
    };
    LabeledEdit1 = addRow(0, "LabeledEdit1", QStringLiteral("ひらがな:"), JapaneseFont(kBaseSize + 1), "SpeedButton1",
                          QStringLiteral("変換"), &TJTConvFrm::SpeedButton1Click);
    LabeledEdit2 = addRow(1, "LabeledEdit2", QStringLiteral("ローマ字:"), LatinFont(kBaseSize + 2), "SpeedButton2",
                          QStringLiteral("変換"), &TJTConvFrm::SpeedButton2Click);
    LabeledEdit3 = addRow(2, "LabeledEdit3", QStringLiteral("発音記号:"), LatinFont(kBaseSize + 2), "SpeedButton3",
                          QStringLiteral("変換"), &TJTConvFrm::SpeedButton3Click);
    LabeledEdit4 = addRow(3, "LabeledEdit4", QStringLiteral("タイ文字:"), ThaiFont(kBaseSize + 5), "SpeedButton4",
                          QStringLiteral("COPY"), &TJTConvFrm::SpeedButton4Click);
    // Romaji and IPA are typed without the input method's conversion.
    LabeledEdit2->setInputMethodHints(Qt::ImhLatinOnly);
    LabeledEdit3->setInputMethodHints(Qt::ImhLatinOnly);
    return body;
}

QWidget* TJTConvFrm::BuildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(50);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    CheckBox1 = new QCheckBox(QStringLiteral("語頭と語中のアの段、オの段を長音にする。"), bar);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(state_.Options().AO_flg);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) { state_.Options().AO_flg = on; });
    row->addWidget(CheckBox1);
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("閉じる"), bar);
    close->setObjectName(QStringLiteral("Button1"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TJTConvFrm::close);
    row->addWidget(close);
    return bar;
}

void TJTConvFrm::Step(QLineEdit* from, QLineEdit* to,
                      const std::function<std::u16string(const std::u16string&)>& convert) {
    if (from->text().isEmpty())
        return;
    to->setText(QString::fromStdU16String(convert(from->text().toStdU16String())));
    to->setFocus();
    to->end(false);
}

void TJTConvFrm::SpeedButton1Click() {
    Step(LabeledEdit1, LabeledEdit2, [this](const std::u16string& s) {
        AskTheUser question(state_.Platform, this);
        return GetKanaToRome(s, state_.Folders.UsrTblFolder, question);
    });
}

void TJTConvFrm::SpeedButton2Click() {
    Step(LabeledEdit2, LabeledEdit3, [this](const std::u16string& s) {
        return GetRomeToIPA(s, state_.Folders.UsrTblFolder, state_.Options().AO_flg);
    });
}

void TJTConvFrm::SpeedButton3Click() {
    Step(LabeledEdit3, LabeledEdit4,
         [this](const std::u16string& s) { return GetIPAToThai(s, state_.Folders.UsrTblFolder); });
}

void TJTConvFrm::SpeedButton4Click() { CopyAll(LabeledEdit4); }

void TJTConvFrm::ClearAll() {
    for (QLineEdit* e : {LabeledEdit2, LabeledEdit3, LabeledEdit4, LabeledEdit1})
        e->clear();
    LabeledEdit1->setFocus();
}

void TJTConvFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TJTConvFrm::FormShow() {
    setWindowTitle(QStringLiteral("ひらがなタイ文字変換ツール（日→タイ）"));
    if (main_)
        move(main_->frameGeometry().center() - rect().center());
    LabeledEdit1->setFocus();
}

bool TJTConvFrm::FormKeyDown(QObject* watched, int key) {
    if (key == Qt::Key_F2) {
        ClearAll();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (watched == LabeledEdit1)
        SpeedButton1Click();
    else if (watched == LabeledEdit2)
        SpeedButton2Click();
    else if (watched == LabeledEdit3)
        SpeedButton3Click();
    else if (watched == LabeledEdit4)
        SpeedButton4Click();
    else
        return false;
    return true;
}

bool TJTConvFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsKeyPreviewTarget(this, watched))
        return FormKeyDown(watched, static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::FocusIn) {
        if (watched == LabeledEdit1 || watched == LabeledEdit2 || watched == LabeledEdit3)
            state_.Keys.EnterField(shell::FieldKind::Japanese);
        else if (watched == LabeledEdit4)
            state_.Keys.EnterField(shell::FieldKind::Thai);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pralomen::ui
