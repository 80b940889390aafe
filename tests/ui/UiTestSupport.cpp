#include "UiTestSupport.h"

#include <QApplication>
#include <QtTest>

#include "shell/PathText.h"

namespace pralomen::ui::testing {

void Type(QWidget* control, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window %s did not become active", qPrintable(window->objectName()));
}

PlatformServices Recorder::Services() {
    PlatformServices p;
    p.OpenUrl = [this](const QUrl& url) { openedUrls.push_back(url); };
    p.Inform = [this](QWidget*, const QString& text) { messages.append(text); };
    p.Ask = [this](QWidget*, const QString& text) {
        questions.append(text);
        return answer;
    };
    p.RunModal = [this](QDialog* dialog) {
        modalWindows.append(dialog->objectName());
        ShowActive(dialog);
        if (whileModal)
            whileModal(dialog);
        dialog->close();
    };
    p.Keyboard = keyboard;
    return p;
}

TestAccount::TestAccount() {
    const std::filesystem::path root = dir_.path().toStdString();
    folders_ = shell::MakeFolderVars({root / "AppData", root / "Documents", PRALOMEN_TEST_DATA_DIR});
    shell::CreateFolderTree(folders_);
}

QString TestAccount::SettingsFile() const {
    return QString::fromStdU16String(shell::PathText(folders_.SysFolder / "Pralomen.rng"));
}

} // namespace pralomen::ui::testing
