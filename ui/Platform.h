// The platform services the windows ask for, gathered so that a test can stand in for the user's
// browser, message boxes and modal loops.
#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace pralomen::shell {
class KeyboardBackend;
}

namespace pralomen::ui {

struct PlatformServices {
    std::function<void(const QUrl&)> OpenUrl;
    std::function<void(QWidget* parent, const QString& text)> Inform;
    // A Yes/No question; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> Ask;
    std::function<void(QDialog* dialog)> RunModal;
    std::shared_ptr<shell::KeyboardBackend> Keyboard;

    // The desktop's browser, Qt's message boxes, the dialog's own modal loop and the keyboard layouts.
    static PlatformServices Desktop();
};

// The web addresses and the support contact, fixed when the program is built.
struct SupportLinks {
    QString TranslateUrl;
    QString SupportUrl;
    QString SupportMail;
    QString SupportContact;

    static SupportLinks Built();
};

} // namespace pralomen::ui
