#include "app/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QToolButton>

#include "ui/UCVSFrm.h"
#include "ui/UHelpFrm.h"
#include "ui/UJTConvFrm.h"
#include "ui/ULaboFrm.h"
#include "ui/UMainFrm.h"
#include "ui/UPatFrm.h"
#include "ui/USupportFrm.h"

namespace pralomen::ui {
namespace {

const QString kSampleThai = QStringLiteral("สวัสดีครับ ยินดีที่ได้รู้จัก วันนี้อากาศดีมาก");
const QString kSampleHiragana = QStringLiteral("さくら");

class Camera {
public:
    explicit Camera(const QString& folder) : folder_(folder) {}

    void Take(QWidget* window, const QString& name) {
        window->show();
        QApplication::processEvents();
        const QString file = QDir(folder_).filePath(name + QStringLiteral(".png"));
        if (!window->grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << "\n";
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

void Click(QWidget* window, const char* name) {
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->click();
    QApplication::processEvents();
}

// The first syllable rule that reads the sample when the dictionaries are left aside, so that the
// pattern window has a letter composition to show.
int SyllableRuleOf(AppState& state, const QString& text) {
    PralomenOptions& options = state.Options();
    const bool useFiles = options.UseFilesFlg;
    options.UseFilesFlg = false;
    MemoryLog log;
    const ConversionResult r = state.engine.YomiConv1(text.toStdU16String(), log);
    options.UseFilesFlg = useFiles;
    for (const QString& n : QString::fromStdU16String(r.allPat).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (n.toInt() > 0 && n.toInt() < 500)
            return n.toInt();
    return -1;
}

} // namespace

int TakeScreenshots(TMainFrm& main, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    AppState& state = main.State();
    // Nobody is there to answer: every question is declined and every message dropped.
    state.Platform.Ask = [](QWidget*, const QString&) { return false; };
    state.Platform.Inform = [](QWidget*, const QString&) {};
    Camera camera(folder);

    main.show();
    main.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(kSampleThai);
    Click(&main, "SpeedButton3");
    camera.Take(&main, QStringLiteral("main"));

    {
        TCVSFrm options(state, &main);
        Click(&options, "Button2");
        camera.Take(&options, QStringLiteral("options-pronunciation"));
        Click(&options, "Button3");
        camera.Take(&options, QStringLiteral("options-notation"));
        Click(&options, "Button2");
        options.hide();
    }
    {
        TLaboFrm labo(state, main);
        labo.show();
        Click(&labo, "SpeedButton3");
        camera.Take(&labo, QStringLiteral("labo"));
        state.Options().PatNum = SyllableRuleOf(state, kSampleThai);
        TPatFrm pattern(state, main);
        camera.Take(&pattern, QStringLiteral("pattern"));
    }
    {
        THelpFrm guide(state, &main);
        camera.Take(&guide, QStringLiteral("guide"));
    }
    {
        TSupportFrm support(state, &main);
        camera.Take(&support, QStringLiteral("support"));
    }
    {
        TJTConvFrm tool(state, &main);
        tool.show();
        tool.findChild<QLineEdit*>(QStringLiteral("LabeledEdit1"))->setText(kSampleHiragana);
        Click(&tool, "SpeedButton1");
        Click(&tool, "SpeedButton2");
        Click(&tool, "SpeedButton3");
        camera.Take(&tool, QStringLiteral("japanese-to-thai"));
    }
    return camera.Failed() ? 1 : 0;
}

} // namespace pralomen::ui
