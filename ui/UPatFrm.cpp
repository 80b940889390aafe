#include "ui/UPatFrm.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/DataFiles.h"
#include "engine/Notation.h"
#include "ui/PatInfo.h"
#include "ui/UMainFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {
namespace {

constexpr int kBaseSize = 10;

// Fields without information look greyed.
void ShadeByContent(QLineEdit* edit) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, edit->text().isEmpty() ? edit->palette().color(QPalette::Button) : Qt::white);
    edit->setPalette(palette);
}

QLineEdit* Field(const char* name, const QFont& font, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFont(font);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { ShadeByContent(edit); });
    ShadeByContent(edit);
    return edit;
}

} // namespace

TPatFrm::TPatFrm(AppState& state, TMainFrm& main) : QDialog(&main), state_(state), main_(main) {
    setObjectName(QStringLiteral("PatFrm"));
    DefineCompo();
}

void TPatFrm::DefineCompo() {
    setFont(JapaneseFont(kBaseSize));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* root = new QVBoxLayout(this);
    auto* rows = new QFormLayout();
    Edit1 = Field("Edit1", JapaneseFont(kBaseSize), this);
    Edit2 = Field("Edit2", ThaiFont(kBaseSize + 5), this);
    Edit3 = Field("Edit3", LatinFont(kBaseSize + 2), this);
    Edit4 = Field("Edit4", JapaneseFont(kBaseSize), this);
    Edit5 = Field("Edit5", JapaneseFont(kBaseSize - 1), this);
    rows->addRow(QStringLiteral("パターン番号："), Edit1);
    rows->addRow(QStringLiteral("文字構成："), Edit2);
    rows->addRow(QStringLiteral("母音 IPA："), Edit3);
    rows->addRow(QStringLiteral("母音 カナ："), Edit4);
    rows->addRow(QStringLiteral("参考："), Edit5);
    root->addLayout(rows);

    auto* bottom = new QHBoxLayout();
    auto* notes = new QVBoxLayout();
    for (const QString& note : {QStringLiteral("※備考1：　□は頭子音"),
                                QStringLiteral("※備考2：　■は末子音、IPAはn音で代表させています。"),
                                QStringLiteral("※備考3：　▽は声調符号")}) {
        auto* label = new QLabel(note, this);
        label->setFont(JapaneseFont(kBaseSize - 1));
        notes->addWidget(label);
    }
    bottom->addLayout(notes, 1);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &TPatFrm::close);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    root->addLayout(bottom);
    resize(520, sizeHint().height());
}

void TPatFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TPatFrm::FormShow() {
    setWindowTitle(QStringLiteral("Pattern"));
    move(main_.frameGeometry().center() - rect().center());
    const PralomenOptions& o = state_.Options();
    if (o.PatNum == -1)
        return;
    const PatInfo info = SearchPatInfo(o.PatNum, state_.Folders.UsrTblFolder / refPatternFile);
    Edit1->setText(QString::number(o.PatNum));
    Edit2->setText(QString::fromStdU16String(DecodePat(info.s1, o)));
    Edit3->setText(QString::fromStdU16String(DecodeIpa(info.s4, o)));
    Edit4->setText(QString::fromStdU16String(DecodeKana(info.s3, o)));
    Edit5->setText(QString::fromStdU16String(info.s2));
}

} // namespace pralomen::ui
