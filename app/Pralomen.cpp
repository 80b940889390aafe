// The program's entry: one copy at a time, the folders, the main window and the hidden options
// dialog, then the event loop. `pralomen --screenshots DIR` writes pictures of the windows instead.
#include <cstring>

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

#include "app/Screenshots.h"
#include "shell/FolderVars.h"
#include "shell/SingleInstanceGuard.h"
#include "ui/UCVSFrm.h"
#include "ui/UMainFrm.h"

namespace {

void ShowFolderWarnings(const std::vector<std::u16string>& warnings) {
    for (const std::u16string& warning : warnings) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Pralomen"), QString::fromStdU16String(warning),
                        QMessageBox::Yes);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool screenshots = argc == 3 && std::strcmp(argv[1], "--screenshots") == 0;
    // Pictures are taken beside a running copy; only a working copy must be alone.
    pralomen::shell::SingleInstanceGuard guard;
    if (!screenshots && !guard.TryAcquire())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pralomen"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pralomen"));
    const pralomen::shell::FolderSetup setup = pralomen::shell::SetFolderVars();
    ShowFolderWarnings(setup.Warnings);

    pralomen::ui::TMainFrm main(setup.Folders, pralomen::ui::PlatformServices::Desktop());
    pralomen::ui::TCVSFrm hiddenOptions(main.State(), &main);
    if (screenshots)
        return pralomen::ui::TakeScreenshots(main, QString::fromLocal8Bit(argv[2]));

    // A session that ends without closing the window still keeps the settings.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &main,
                     [&main](QSessionManager&) { main.WriteRngFile(); });
    // Closing the window has written them already; a quit that skipped the close has not.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &main, [&main] {
        if (main.isVisible())
            main.WriteRngFile();
    });
    main.show();
    return app.exec();
}
