#include "ui/UHelpFrm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/TextFile.h"
#include "shell/PathText.h"
#include "ui/GuideText.h"
#include "ui/UMainFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {

THelpFrm::THelpFrm(AppState& state, TMainFrm* main) : QDialog(main), state_(state), main_(main) {
    setObjectName(QStringLiteral("HelpFrm"));
    DefineCompo();
}

void THelpFrm::DefineCompo() {
    setFont(JapaneseFont(10));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* root = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    Memo1 = new QPlainTextEdit(tabs);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabs->addTab(Memo1, QStringLiteral("ヘルプ"));
    root->addWidget(tabs, 1);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &THelpFrm::close);
    root->addWidget(close, 0, Qt::AlignRight);

    const std::filesystem::path guide = state_.Folders.HelpFolder / "Guide.txt";
    Memo1->setPlainText(QString::fromStdU16String(shell::PathText(guide)));
    if (const auto bytes = ReadFileBytes(guide))
        Memo1->setPlainText(DecodeGuideText(QByteArray::fromStdString(*bytes)));
    resize(640, 520);
}

void THelpFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(QStringLiteral("Pralomenヘルプ   Version:5.1"));
    if (main_)
        move(main_->frameGeometry().center() - rect().center());
}

} // namespace pralomen::ui
