// The installed program as a process: one copy at a time, and its window pictures.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A private account: its own settings, tables and lock, the program folder of the build tree.
QProcessEnvironment Account(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("APPDATA", home.filePath("AppData"));
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("XDG_DOCUMENTS_DIR", home.filePath("Documents"));
    env.remove("PROGRAMFILES");
    return env;
}

void Start(QProcess& program, const QTemporaryDir& home, const QStringList& arguments = {}) {
    program.setProcessEnvironment(Account(home));
    program.setProgram(QStringLiteral(PRALOMEN_PROGRAM));
    program.setArguments(arguments);
    program.start();
    program.waitForStarted(10000);
}

// The first copy is up once it has made the user's folders, which it does after taking the guard.
bool WaitUntilRunning(QProcess& program, const QTemporaryDir& home) {
    const QString settingsFolder = home.filePath("AppData/Tessaril/Pralomen/Sys");
    for (int i = 0; i < 100; ++i) {
        if (program.state() != QProcess::Running)
            return false;
        if (QDir(settingsFolder).exists())
            return true;
        QTest::qWait(100);
    }
    return false;
}

void Stop(QProcess& program) {
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    program.waitForFinished(5000);
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void secondLaunchIsRefusedWhileTheFirstRuns() {
        QTemporaryDir home;
        QProcess first;
        Start(first, home);
        QVERIFY(WaitUntilRunning(first, home));

        QProcess second;
        Start(second, home);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        Stop(first);

        // Once the first copy is gone, the next one runs.
        QProcess third;
        Start(third, home);
        QVERIFY(!third.waitForFinished(2000));
        QCOMPARE(third.state(), QProcess::Running);
        Stop(third);
    }

    void screenshotsShowEveryWindow() {
        QTemporaryDir home;
        const QString pictures = home.filePath("pictures");
        QProcess program;
        Start(program, home, {QStringLiteral("--screenshots"), pictures});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList windows = {"main",  "options-pronunciation", "options-notation", "labo",
                                     "pattern", "guide",               "support",          "japanese-to-thai"};
        QCOMPARE(QDir(pictures).entryList(QDir::Files).size(), windows.size());
        for (const QString& window : windows) {
            const QImage picture(QDir(pictures).filePath(window + ".png"));
            QVERIFY2(!picture.isNull(), qPrintable(window));
            QVERIFY2(picture.width() >= 300 && picture.height() >= 200, qPrintable(window));
        }
        // The pictures are taken without touching the user's settings.
        QVERIFY(!QFile::exists(home.filePath("AppData/Tessaril/Pralomen/Sys/Pralomen.rng")));
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
