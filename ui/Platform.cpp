#include "ui/Platform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>

#include "shell/KeyboardBackend.h"

namespace pralomen::ui {

PlatformServices PlatformServices::Desktop() {
    PlatformServices p;
    p.OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    p.Inform = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Pralomen"), text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    p.Ask = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Pralomen"), text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    };
    p.RunModal = [](QDialog* dialog) { dialog->exec(); };
    p.Keyboard = shell::MakePlatformKeyboardBackend();
    return p;
}

SupportLinks SupportLinks::Built() {
    return {QStringLiteral(PRALOMEN_TRANSLATE_URL), QStringLiteral(PRALOMEN_SUPPORT_URL),
            QStringLiteral(PRALOMEN_SUPPORT_MAIL), QString::fromUtf8(PRALOMEN_SUPPORT_CONTACT)};
}

} // namespace pralomen::ui
