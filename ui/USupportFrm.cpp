#include "ui/USupportFrm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/TextCursorEdits.h"
#include "ui/UMainFrm.h"
#include "ui/UiFonts.h"
#include "ui/WindowIcon.h"

namespace pralomen::ui {

TSupportFrm::TSupportFrm(AppState& state, TMainFrm* main) : QDialog(main), state_(state), main_(main) {
    setObjectName(QStringLiteral("SupportFrm"));
    DefineCompo();
}

void TSupportFrm::DefineCompo() {
    setFont(JapaneseFont(10));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* root = new QVBoxLayout(this);

    auto* top = new QHBoxLayout();
    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setPixmap(EmblemPixmap(100));
    emblem->setFixedSize(100, 100);
    top->addWidget(emblem);
    auto* names = new QVBoxLayout();
    names->addStretch(1);
    names->addWidget(new QLabel(QStringLiteral("・アプリ名：　Pralomen"), this));
    names->addWidget(new QLabel(QStringLiteral("・バージョン：　　5.1"), this));
    names->addStretch(1);
    top->addLayout(names, 1);
    root->addLayout(top);

    const SupportLinks& links = state_.Links;
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("サポート担当：　") + links.SupportContact, box), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("サポートサイト："), box), 1, 0);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(links.SupportUrl.toHtmlEscaped()), box);
    link->setObjectName(QStringLiteral("LinkLabel1"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this](const QString& url) { state_.Platform.OpenUrl(QUrl(url)); });
    grid->addWidget(link, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("メールアドレス："), box), 2, 0);
    Edit1 = new QLineEdit(links.SupportMail, box);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    grid->addWidget(Edit1, 2, 1);
    auto* copy = new QToolButton(box);
    copy->setObjectName(QStringLiteral("SpeedButton1"));
    copy->setText(QStringLiteral("Copy"));
    connect(copy, &QToolButton::clicked, this, &TSupportFrm::SpeedButton1Click);
    grid->addWidget(copy, 2, 2);
    root->addWidget(box);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &TSupportFrm::close);
    root->addWidget(close, 0, Qt::AlignRight);
    setFixedSize(std::max(440, sizeHint().width()), sizeHint().height());
}

void TSupportFrm::SpeedButton1Click() { CopyAll(Edit1); }

void TSupportFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(QStringLiteral("Information"));
    if (main_)
        move(main_->frameGeometry().center() - rect().center());
}

} // namespace pralomen::ui
