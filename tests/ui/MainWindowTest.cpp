// The main window driven as a user would: typing, function keys, buttons, the splitters and the
// settings file between two starts.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QToolButton>
#include <QtTest>

#include "UiTestSupport.h"
#include "engine/Engine.h"
#include "ui/Lamp.h"
#include "ui/UMainFrm.h"

using namespace pralomen;
using namespace pralomen::ui;
using namespace pralomen::ui::testing;

namespace {

const QString kThai = QStringLiteral("สวัสดีครับ ยินดีที่ได้รู้จัก");

template <typename T> T* Child(QWidget* w, const char* name) {
    T* child = w->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QPlainTextEdit* Memo(QWidget* w, const char* name) { return Child<QPlainTextEdit>(w, name); }
QColor LampOf(QWidget* w) { return Child<Lamp>(w, "Shape1")->Color(); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAccount> account;
    std::unique_ptr<Recorder> recorder;
    std::unique_ptr<TMainFrm> main;

    void Start() {
        main = std::make_unique<TMainFrm>(account->Folders(), recorder->Services());
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

private slots:
    void init() {
        account = std::make_unique<TestAccount>();
        recorder = std::make_unique<Recorder>();
        Start();
    }
    void cleanup() { main.reset(); }

    void convertShowsTheEngineOutputs_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("Thai greeting") << kThai;
        QTest::newRow("Latin letters") << QStringLiteral("abc");
        QTest::newRow("skipped vowel sign") << QStringLiteral("\u0E30");
        QTest::newRow("Thai numeral") << QStringLiteral("\u0E51\u0E52");
    }
    void convertShowsTheEngineOutputs() {
        QFETCH(QString, input);
        Type(Memo(main.get(), "Memo1"), input);
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);

        Engine oracle(account->Folders().UsrTblFolder);
        MemoryLog log;
        const ConversionResult expected = oracle.YomiConv2(input.toStdU16String(), log);
        QCOMPARE(Memo(main.get(), "Memo2")->toPlainText(), QString::fromStdU16String(expected.allKana));
        QCOMPARE(Memo(main.get(), "Memo3")->toPlainText(), QString::fromStdU16String(expected.allIPA));
        QStringList expectedLog;
        for (const std::u16string& line : log.lines)
            expectedLog.append(QString::fromStdU16String(line));
        QCOMPARE(Memo(main.get(), "Memo4")->toPlainText(), expectedLog.join('\n'));
        QCOMPARE(LampOf(main.get()), LampColor(expected.color));
        QCOMPARE(QApplication::focusWidget(), Memo(main.get(), "Memo4"));
    }

    void convertReadsTheWindowsJudgement() {
        Type(Memo(main.get(), "Memo1"), QStringLiteral("abc"));
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton3"), Qt::LeftButton);
        QCOMPARE(Memo(main.get(), "Memo2")->toPlainText(), QStringLiteral("abc"));
        QCOMPARE(Memo(main.get(), "Memo4")->toPlainText(), QStringLiteral("1:abc"));
        QCOMPARE(LampOf(main.get()), QColor(0, 0, 255));

        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_Home);
        Type(Memo(main.get(), "Memo1"), QStringLiteral("\u0E30"));
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);
        QCOMPARE(LampOf(main.get()), QColor(255, 0, 0));
        Type(Memo(main.get(), "Memo1"), QStringLiteral("\u0E51"));
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);
        QCOMPARE(LampOf(main.get()), QColor(0, 255, 255));
    }

    void emptyConvertEmptiesTheOutputsAndWhitensTheLamp() {
        Type(Memo(main.get(), "Memo1"), kThai);
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);
        QVERIFY(!Memo(main.get(), "Memo4")->toPlainText().isEmpty());
        Memo(main.get(), "Memo1")->clear();
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);
        for (const char* name : {"Memo2", "Memo3", "Memo4"})
            QVERIFY2(Memo(main.get(), name)->toPlainText().isEmpty(), name);
        QCOMPARE(LampOf(main.get()), QColor(Qt::white));
    }

    void clearEmptiesEveryPane() {
        Type(Memo(main.get(), "Memo1"), kThai);
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F7);
        QTest::keyClick(Memo(main.get(), "Memo4"), Qt::Key_F2);
        for (const char* name : {"Memo1", "Memo2", "Memo3", "Memo4"})
            QVERIFY2(Memo(main.get(), name)->toPlainText().isEmpty(), name);
        QCOMPARE(LampOf(main.get()), QColor(Qt::white));
        QCOMPARE(QApplication::focusWidget(), Memo(main.get(), "Memo1"));
    }

    void pasteReplacesAsOneUndoableEdit() {
        QPlainTextEdit* input = Memo(main.get(), "Memo1");
        Type(input, QStringLiteral("เก่า"));
        QTest::keyClick(input, Qt::Key_F7);
        QGuiApplication::clipboard()->setText(QStringLiteral("ไทย\nสอง"));
        QTest::keyClick(input, Qt::Key_F6);
        QCOMPARE(input->toPlainText(), QStringLiteral("ไทย\nสอง"));
        QCOMPARE(input->textCursor().position(), 0);
        QCOMPARE(LampOf(main.get()), QColor(Qt::white));
        input->undo();
        QCOMPARE(input->toPlainText(), QStringLiteral("เก่า"));
    }

    void pasteWithoutTextKeepsTheInput() {
        QPlainTextEdit* input = Memo(main.get(), "Memo1");
        Type(input, QStringLiteral("เก่า"));
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton11"), Qt::LeftButton);
        QCOMPARE(input->toPlainText(), QStringLiteral("เก่า"));
    }

    void dotRemoval_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("kana");
        QTest::addColumn<QString>("ipaAfter");
        QTest::addColumn<QString>("kanaAfter");
        QTest::addColumn<QString>("focused");
        QTest::newRow("both areas") << QStringLiteral("sa·wàt·dii") << QStringLiteral("サ・ワット") << QStringLiteral("sawàtdii")
                                    << QStringLiteral("サワット") << QStringLiteral("Memo2");
        QTest::newRow("only IPA") << QStringLiteral("sa·wàt") << QString() << QStringLiteral("sawàt") << QString()
                                  << QStringLiteral("Memo3");
        QTest::newRow("no dots") << QStringLiteral("sawàt") << QStringLiteral("サワット") << QStringLiteral("sawàt")
                                 << QStringLiteral("サワット") << QStringLiteral("Memo2");
        QTest::newRow("nothing") << QString() << QString() << QString() << QString() << QStringLiteral("Memo1");
    }
    void dotRemoval() {
        QFETCH(QString, ipa);
        QFETCH(QString, kana);
        QFETCH(QString, ipaAfter);
        QFETCH(QString, kanaAfter);
        QFETCH(QString, focused);
        Memo(main.get(), "Memo3")->setPlainText(ipa);
        Memo(main.get(), "Memo2")->setPlainText(kana);
        Memo(main.get(), "Memo1")->setFocus();
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F11);
        QCOMPARE(Memo(main.get(), "Memo3")->toPlainText(), ipaAfter);
        QCOMPARE(Memo(main.get(), "Memo2")->toPlainText(), kanaAfter);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void copyButtonsCopyTheirArea() {
        Memo(main.get(), "Memo3")->setPlainText(QStringLiteral("sa·wàt"));
        Memo(main.get(), "Memo2")->setPlainText(QStringLiteral("サワット"));
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton12"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sa·wàt"));
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton13"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("サワット"));
    }

    void halfModeSharesTheWidth() {
        auto* splitter = Child<QSplitter>(main.get(), "Splitter3");
        auto* half = Child<QCheckBox>(main.get(), "CheckBox1");
        QVERIFY(half->isChecked());
        const QList<int> before = splitter->sizes();
        QVERIFY(std::abs(before[0] - before[1]) <= 1);
        main->resize(main->width() + 200, main->height());
        QApplication::processEvents();
        const QList<int> after = splitter->sizes();
        QVERIFY(std::abs((after[1] - before[1]) - 100) <= 1);
        QCOMPARE(after[0] + after[1], before[0] + before[1] + 200);

        QTest::mouseClick(half, Qt::LeftButton);
        QVERIFY(!half->isChecked());
        main->resize(main->width() + 200, main->height());
        QApplication::processEvents();
        QCOMPARE(splitter->sizes()[1], after[1]);
        QCOMPARE(splitter->sizes()[0], after[0] + 200);
    }

    void screenResetRestoresTheDesignSizes() {
        main->resize(900, 700);
        Child<QSplitter>(main.get(), "Splitter1")->setSizes({200, 400});
        Child<QSplitter>(main.get(), "Splitter3")->setSizes({600, 200});
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton14"), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(main->size(), QSize(650, 640));
        QCOMPARE(Child<QWidget>(main.get(), "Panel3")->height(), 408);
        QCOMPARE(Child<QWidget>(main.get(), "Panel5")->height(), 150);
        // Half mode at once shares the width again.
        Child<QCheckBox>(main.get(), "CheckBox1")->setChecked(false);
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton14"), Qt::LeftButton);
        QCOMPARE(Child<QWidget>(main.get(), "Panel7")->width(), 317);
    }

    void modePairSetsTheMode() {
        QTest::mouseClick(Child<QRadioButton>(main.get(), "RadioButton2"), Qt::LeftButton);
        QVERIFY(!main->State().Options().UseFilesFlg);
        QTest::mouseClick(Child<QRadioButton>(main.get(), "RadioButton1"), Qt::LeftButton);
        QVERIFY(main->State().Options().UseFilesFlg);
    }

    void slidersSetTheFontSizes_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("base");
        QTest::newRow("Thai") << "TrackBar1" << "Memo1" << "Label6" << 14;
        QTest::newRow("kana") << "TrackBar2" << "Memo2" << "Label8" << 10;
        QTest::newRow("IPA") << "TrackBar3" << "Memo3" << "Label7" << 11;
    }
    void slidersSetTheFontSizes() {
        QFETCH(QString, slider);
        QFETCH(QString, area);
        QFETCH(QString, number);
        QFETCH(int, base);
        auto* bar = main->findChild<QSlider*>(slider);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(main->findChild<QLabel*>(number)->text(), QString::number(base));
        bar->setFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(main->findChild<QPlainTextEdit*>(area)->font().pointSize(), base + 4);
        QCOMPARE(main->findChild<QLabel*>(number)->text(), QString::number(base + 4));
    }

    void functionKeyThreeTogglesTheKeyboard() {
        QTest::keyClick(Memo(main.get(), "Memo4"), Qt::Key_F3);
        QCOMPARE(recorder->keyboard->CurrentLayout(), std::u16string(u"0000041E"));
        QTest::keyClick(Memo(main.get(), "Memo4"), Qt::Key_F3);
        QCOMPARE(recorder->keyboard->CurrentLayout(), std::u16string(u"00000411"));
        // Entering the Thai input switches to Thai; closing brings back the layout of the start.
        Memo(main.get(), "Memo1")->setFocus();
        QCOMPARE(recorder->keyboard->CurrentLayout(), std::u16string(u"0000041E"));
        main->close();
        QCOMPARE(recorder->keyboard->CurrentLayout(), std::u16string(u"00000409"));
    }

    void buttonsOpenTheirWindows() {
        const std::vector<std::pair<const char*, QString>> buttons = {
            {"SpeedButton5", "LaboFrm"},  {"SpeedButton9", "CVSFrm"},   {"SpeedButton2", "HelpFrm"},
            {"SpeedButton6", "SupportFrm"}, {"SpeedButton7", "JTConvFrm"}};
        for (const auto& [button, window] : buttons)
            QTest::mouseClick(Child<QToolButton>(main.get(), button), Qt::LeftButton);
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F8);
        QCOMPARE(recorder->modalWindows, (QStringList{"LaboFrm", "CVSFrm", "HelpFrm", "SupportFrm", "JTConvFrm",
                                                      "LaboFrm"}));
        QTest::mouseClick(Child<QToolButton>(main.get(), "SpeedButton8"), Qt::LeftButton);
        QCOMPARE(recorder->openedUrls.size(), size_t(1));
        QCOMPARE(recorder->openedUrls.front().host(), QStringLiteral("translate.google.com"));
    }

    void settingsSurviveARestart() {
        Child<QCheckBox>(main.get(), "CheckBox1")->setChecked(false);
        QTest::mouseClick(Child<QRadioButton>(main.get(), "RadioButton2"), Qt::LeftButton);
        Child<QSlider>(main.get(), "TrackBar1")->setValue(6);
        main->State().Options().ArrowFlg = true;
        main->resize(720, 600);
        Child<QSplitter>(main.get(), "Splitter3")->setSizes({400, 250});
        QApplication::processEvents();
        const int kanaWidth = Child<QWidget>(main.get(), "Panel7")->width();
        QTest::keyClick(Memo(main.get(), "Memo1"), Qt::Key_F12);
        QVERIFY(!main->isVisible());
        QFile written(account->SettingsFile());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), 36);

        main.reset();
        Start();
        QVERIFY(!Child<QCheckBox>(main.get(), "CheckBox1")->isChecked());
        QVERIFY(Child<QRadioButton>(main.get(), "RadioButton2")->isChecked());
        QVERIFY(!main->State().Options().UseFilesFlg);
        QVERIFY(main->State().Options().ArrowFlg);
        QCOMPARE(Child<QSlider>(main.get(), "TrackBar1")->value(), 6);
        QCOMPARE(Memo(main.get(), "Memo1")->font().pointSize(), 20);
        QCOMPARE(main->size(), QSize(720, 600));
        QCOMPARE(Child<QWidget>(main.get(), "Panel7")->width(), kanaWidth);
    }

    void storedSizesOutOfRangeComeBackInRange() {
        main.reset();
        QFile file(account->SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("m1FontSize,30\r\nm2FontSize,3\r\nPanel5Height,0\r\nUseFilesFlg,True\r\nHalfWidthFlg,True\r\n");
        file.close();
        Start();
        QCOMPARE(Child<QSlider>(main.get(), "TrackBar1")->value(), 10);
        QCOMPARE(Memo(main.get(), "Memo1")->font().pointSize(), 24);
        QCOMPARE(Child<QSlider>(main.get(), "TrackBar2")->value(), 0);
        QCOMPARE(Memo(main.get(), "Memo2")->font().pointSize(), 10);
        QCOMPARE(Child<QWidget>(main.get(), "Panel5")->height(), 150);
    }

    void aStoredPlaceOnNoScreenComesBack() {
        main.reset();
        QFile file(account->SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MainFrmLeft2,9000\r\nMainFrmTop2,7000\r\n");
        file.close();
        Start();
        const QRect screen = main->screen()->availableGeometry();
        QVERIFY(screen.intersects(QRect(main->pos(), QSize(main->frameGeometry().width(), 30))));
        QVERIFY(main->y() >= screen.top());
    }

    void theStoredSizeIsAppliedAtTheFirstShowOnly() {
        main->resize(800, 500);
        main->showMinimized();
        main->showNormal();
        QApplication::processEvents();
        QCOMPARE(main->size(), QSize(800, 500));
    }

    void aNonNumericSettingIsReported() {
        main.reset();
        QFile file(account->SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MainFrmWidth2,abc\r\n");
        file.close();
        Start();
        QCOMPARE(recorder->messages.size(), 1);
        QVERIFY(recorder->messages.front().contains(QStringLiteral("'abc' は整数ではありません")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
