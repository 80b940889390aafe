// A private set of folders with the program's own tables, and platform services that record what
// the windows asked for instead of opening browsers and message boxes.
#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include "shell/FolderVars.h"
#include "shell/KeyboardBackend.h"
#include "ui/Platform.h"

namespace pralomen::ui::testing {

// Types text into a control one key at a time, as a Thai or Japanese keyboard would.
void Type(QWidget* control, const QString& text);

// Shows a window and waits until it has the focus, as a window the user opened would.
void ShowActive(QWidget* window);

struct Recorder {
    std::vector<QUrl> openedUrls;
    QStringList messages;
    QStringList questions;
    bool answer = false;
    QStringList modalWindows;
    // Runs with the modal window shown; the window is closed afterwards.
    std::function<void(QDialog*)> whileModal;
    std::shared_ptr<shell::InMemoryKeyboardBackend> keyboard =
        std::make_shared<shell::InMemoryKeyboardBackend>(u"00000409");

    PlatformServices Services();
};

// A fresh user account whose program folder is the build tree's share/pralomen.
class TestAccount {
public:
    TestAccount();
    const shell::FolderVars& Folders() const { return folders_; }
    QString SettingsFile() const;

private:
    QTemporaryDir dir_;
    shell::FolderVars folders_;
};

} // namespace pralomen::ui::testing
