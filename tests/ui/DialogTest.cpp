// The windows the main window opens: options, Labo, pattern, guide, support and Japanese-to-Thai.
#include <fstream>

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "UiTestSupport.h"
#include "engine/DataFiles.h"
#include "engine/Engine.h"
#include "engine/Notation.h"
#include "jt/JapaneseToThai.h"
#include "ui/Lamp.h"
#include "ui/UCVSFrm.h"
#include "ui/UHelpFrm.h"
#include "ui/UJTConvFrm.h"
#include "ui/ULaboFrm.h"
#include "ui/UMainFrm.h"
#include "ui/UPatFrm.h"
#include "ui/USupportFrm.h"

using namespace pralomen;
using namespace pralomen::ui;
using namespace pralomen::ui::testing;

namespace {

template <typename T> T* Child(QWidget* w, const QString& name) {
    T* child = w->findChild<T*>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

QLineEdit* Edit(QWidget* w, const char* name) { return Child<QLineEdit>(w, QString::fromLatin1(name)); }
QString Text(QWidget* w, const char* name) { return Child<QLabel>(w, QString::fromLatin1(name))->text(); }
// A check box or radio button takes clicks on its box and caption only, not on the rest of its row.
void Click(QAbstractButton* button) {
    const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, boxed ? QPoint(6, button->height() / 2) : QPoint());
}
void Click(QWidget* w, const char* name) { Click(Child<QAbstractButton>(w, QString::fromLatin1(name))); }

// The options the dialog's controls stand for, in a form QCOMPARE can show.
QString OptionsText(const PralomenOptions& o) {
    QStringList parts;
    for (const OptionField& f : OptionFields())
        parts << QString::fromLatin1(f.name.data(), qsizetype(f.name.size())) + '=' +
                     QString::number(f.flag ? int(o.*f.flag) : o.*f.number);
    return parts.join(' ');
}

void WriteUtf16(const std::filesystem::path& file, const std::u16string& text) {
    std::ofstream out(file, std::ios::binary);
    for (char16_t c : text) {
        out.put(static_cast<char>(c & 0xFF));
        out.put(static_cast<char>(c >> 8));
    }
}

} // namespace

class DialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAccount> account;
    std::unique_ptr<Recorder> recorder;
    std::unique_ptr<TMainFrm> main;

    AppState& State() { return main->State(); }
    PralomenOptions& Options() { return main->State().Options(); }

    // Opens the window from the main window's button and runs check while it is open.
    void WhileOpen(const char* button, std::function<void(QDialog*)> check) {
        recorder->whileModal = std::move(check);
        Click(main.get(), button);
        recorder->whileModal = nullptr;
    }

private slots:
    void init() {
        account = std::make_unique<TestAccount>();
        recorder = std::make_unique<Recorder>();
        main = std::make_unique<TMainFrm>(account->Folders(), recorder->Services());
        ShowActive(main.get());
    }
    void cleanup() { main.reset(); }

    // Options dialog

    void everyChoiceWritesItsOption_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("value");
        const char* rows[][3] = {
            {"RadioButton18", "UseFilesFlg", "0"},    {"RadioButton17", "UseFilesFlg", "1"},
            {"RadioButton2", "DoublePipeFlg", "0"},   {"RadioButton1", "DoublePipeFlg", "1"},
            {"RadioButton12", "BarUFlg", "1"},        {"RadioButton11", "BarUFlg", "0"},
            {"RadioButton14", "EndOFlg", "1"},        {"RadioButton13", "EndOFlg", "0"},
            {"RadioButton16", "EndIFlg", "1"},        {"RadioButton15", "EndIFlg", "0"},
            {"RadioButton10", "GaFlg", "0"},          {"RadioButton9", "GaFlg", "1"},
            {"RadioButton6", "KanaHeadNgFlg", "0"},   {"RadioButton5", "KanaHeadNgFlg", "1"},
            {"RadioButton8", "KanaEndNgFlg", "0"},    {"RadioButton7", "KanaEndNgFlg", "1"},
            {"RadioButton4", "KanaDiIndex", "1"},     {"RadioButton19", "KanaDiIndex", "2"},
            {"RadioButton3", "KanaDiIndex", "0"},     {"RadioButton21", "SiFlg", "0"},
            {"RadioButton20", "SiFlg", "1"},          {"CheckBox3", "LengthMarkFlg", "0"},
            {"CheckBox5", "AddMidDotFlg", "0"},       {"CheckBox4", "LengthMark2Flg", "0"},
            {"CheckBox2", "AddNakaTenFlg", "1"},      {"CheckBox1", "ArrowFlg", "1"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1] << QString::fromLatin1(row[2]).toInt();
    }
    void everyChoiceWritesItsOption() {
        QFETCH(QString, control);
        QFETCH(QString, option);
        QFETCH(int, value);
        const OptionField* field = FindOption(option.toStdString());
        QVERIFY(field);
        // Start from another value, so that the click has something to change.
        if (field->flag)
            Options().*field->flag = !value;
        else
            Options().*field->number = (value + 1) % 3;
        TCVSFrm dialog(State(), main.get());
        ShowActive(&dialog);
        Click(Child<QAbstractButton>(&dialog, control));
        QCOMPARE(field->flag ? int(Options().*field->flag) : Options().*field->number, value);
    }

    void presetsSetTheirOptions() {
        TCVSFrm dialog(State(), main.get());
        ShowActive(&dialog);
        Click(&dialog, "RadioButton2"); // no double pipe
        Click(&dialog, "RadioButton18"); // check mode
        PralomenOptions book = Options();
        InitPralomenVarsBook(book);
        Click(&dialog, "Button3");
        QCOMPARE(OptionsText(Options()), OptionsText(book));
        QVERIFY(!Options().DoublePipeFlg);
        QVERIFY(Child<QRadioButton>(&dialog, "RadioButton2")->isChecked());
        QVERIFY(State().Win.KanaBookFlg);
        QCOMPARE(Child<Lamp>(&dialog, "Shape2")->Color(), QColor(Qt::red));
        QCOMPARE(Child<Lamp>(&dialog, "Shape1")->Color(), QColor(Qt::white));
        // Either preset is standard mode, in the dialog and in the main window.
        QVERIFY(Child<QRadioButton>(&dialog, "RadioButton17")->isChecked());
        QVERIFY(Child<QRadioButton>(main.get(), "RadioButton1")->isChecked());

        PralomenOptions core = Options();
        InitPralomenVarsCore(core);
        Click(&dialog, "Button2");
        QCOMPARE(OptionsText(Options()), OptionsText(core));
        QVERIFY(Options().DoublePipeFlg);
        QVERIFY(!State().Win.KanaBookFlg);
        QCOMPARE(Child<Lamp>(&dialog, "Shape1")->Color(), QColor(Qt::red));
    }

    void notationPresetGreysTheIndividualOptions() {
        State().Win.KanaBookFlg = true;
        TCVSFrm dialog(State(), main.get());
        ShowActive(&dialog);
        QCOMPARE(Child<Lamp>(&dialog, "Shape2")->Color(), QColor(Qt::red));
        const QStringList live = {"RadioButton17", "RadioButton18", "RadioButton1", "RadioButton2",
                                  "Button1",       "Button2",       "Button3"};
        int greyed = 0;
        for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
            QCOMPARE(b->isEnabled(), live.contains(b->objectName()));
            greyed += b->isEnabled() ? 0 : 1;
        }
        QCOMPARE(greyed, 22);
        Click(&dialog, "CheckBox1");
        QVERIFY(!Options().ArrowFlg);
        Click(&dialog, "Button2");
        for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }

    void storedKanaDiIndexOutOfRangeBecomesZero() {
        Options().KanaDiIndex = 5;
        TCVSFrm dialog(State(), main.get());
        QVERIFY(Child<QRadioButton>(&dialog, "RadioButton3")->isChecked());
        QCOMPARE(Options().KanaDiIndex, 0);
    }

    void modeChosenInTheDialogMovesTheMainPair() {
        TCVSFrm dialog(State(), main.get());
        ShowActive(&dialog);
        Click(&dialog, "RadioButton18");
        QVERIFY(!Options().UseFilesFlg);
        QVERIFY(Child<QRadioButton>(main.get(), "RadioButton2")->isChecked());
    }

    // Labo window

    void laboTakesTheTrimmedMainInput() {
        Child<QPlainTextEdit>(main.get(), "Memo1")->setPlainText(QStringLiteral("  ไทย \n"));
        WhileOpen("SpeedButton5", [](QDialog* labo) {
            QCOMPARE(Edit(labo, "LabeledEdit1")->text(), QStringLiteral("ไทย"));
            QCOMPARE(labo->windowTitle(),
                     QStringLiteral(" Labo画面（F3キーでタイ語キーボードと日本語IMEを切替可能、トグル）"));
            QCOMPARE(Text(labo, "Label4"), QStringLiteral("- 標準モード -"));
            QCOMPARE(labo->height(), 460);
            QCOMPARE(labo->minimumHeight(), labo->maximumHeight());
        });
        Child<QPlainTextEdit>(main.get(), "Memo1")->clear();
        WhileOpen("SpeedButton5", [](QDialog* labo) { QVERIFY(Edit(labo, "LabeledEdit1")->text().isEmpty()); });
        QCOMPARE(recorder->modalWindows, (QStringList{"LaboFrm", "LaboFrm"}));
    }

    void laboVerdicts_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("advice");
        QTest::newRow("every character read") << QStringLiteral("สวัสดีครับ") << "OK !" << "自信あり";
        QTest::newRow("a character skipped") << QStringLiteral("\u0E30") << "ダメ"
                                             << "小分けにして問題箇所を見つけましょう";
        QTest::newRow("abbreviation expanded") << QStringLiteral("พล.ต.อ.") << "参考→"
                                               << "ピリオドを使った略語を変換しています。他はOKです。";
        QTest::newRow("numeral read out") << QStringLiteral("\u0E51\u0E52") << "判 定" << "ここに対策などが出ます";
    }
    void laboVerdicts() {
        QFETCH(QString, input);
        QFETCH(QString, verdict);
        QFETCH(QString, advice);
        TLaboFrm labo(State(), *main);
        ShowActive(&labo);
        Type(Edit(&labo, "LabeledEdit1"), input);
        QTest::keyClick(Edit(&labo, "LabeledEdit1"), Qt::Key_F7);

        Engine oracle(account->Folders().UsrTblFolder);
        MemoryLog log;
        const ConversionResult r = oracle.YomiConv1(input.toStdU16String(), log);
        QCOMPARE(Edit(&labo, "LabeledEdit2")->text(), QString::fromStdU16String(r.allThai));
        QCOMPARE(Child<QPlainTextEdit>(&labo, "Memo1")->toPlainText(), QString::fromStdU16String(r.allKana));
        QCOMPARE(Edit(&labo, "LabeledEdit3")->text(), QString::fromStdU16String(r.allPat));
        QCOMPARE(Edit(&labo, "LabeledEdit4")->text(), QString::fromStdU16String(r.allIPA));
        QCOMPARE(Child<Lamp>(&labo, "Shape1")->Color(), LampColor(r.color));
        QCOMPARE(Text(&labo, "Label2"), verdict);
        QCOMPARE(Edit(&labo, "Edit1")->text(), advice);
        // The log goes to the main window.
        QCOMPARE(Child<QPlainTextEdit>(main.get(), "Memo4")->document()->blockCount(),
                 std::max<int>(1, int(log.lines.size())));
        // The verdict sits centred under the lamp.
        const auto* lamp = Child<Lamp>(&labo, "Shape1");
        const auto* label = Child<QLabel>(&labo, "Label2");
        QVERIFY(std::abs(label->geometry().center().x() - lamp->geometry().center().x()) <= 1);
        QCOMPARE(QApplication::focusWidget(), Child<QPushButton>(&labo, "Button1"));
    }

    void laboEmptyConvertKeepsTheVerdict() {
        TLaboFrm labo(State(), *main);
        ShowActive(&labo);
        Type(Edit(&labo, "LabeledEdit1"), QStringLiteral("สวัสดี"));
        QTest::keyClick(Edit(&labo, "LabeledEdit1"), Qt::Key_F7);
        const QString verdict = Text(&labo, "Label2");
        QTest::keyClick(Edit(&labo, "LabeledEdit4"), Qt::Key_F2);
        for (const char* name : {"LabeledEdit1", "LabeledEdit2", "LabeledEdit3", "LabeledEdit4"})
            QVERIFY2(Edit(&labo, name)->text().isEmpty(), name);
        QCOMPARE(Child<Lamp>(&labo, "Shape1")->Color(), QColor(Qt::white));
        Child<Lamp>(&labo, "Shape1")->SetColor(Qt::blue);
        QTest::keyClick(Edit(&labo, "LabeledEdit1"), Qt::Key_F7);
        QCOMPARE(Child<Lamp>(&labo, "Shape1")->Color(), QColor(Qt::white));
        QCOMPARE(Text(&labo, "Label2"), verdict);
    }

    void laboPasteReplacesAndEmptyClipboardKeeps() {
        TLaboFrm labo(State(), *main);
        ShowActive(&labo);
        Type(Edit(&labo, "LabeledEdit1"), QStringLiteral("เก่า"));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(Edit(&labo, "LabeledEdit1"), Qt::Key_F6);
        QCOMPARE(Edit(&labo, "LabeledEdit1")->text(), QStringLiteral("เก่า"));
        QGuiApplication::clipboard()->setText(QStringLiteral("ใหม่"));
        QTest::keyClick(Edit(&labo, "LabeledEdit1"), Qt::Key_F6);
        QCOMPARE(Edit(&labo, "LabeledEdit1")->text(), QStringLiteral("ใหม่"));
        Edit(&labo, "LabeledEdit1")->undo();
        QCOMPARE(Edit(&labo, "LabeledEdit1")->text(), QStringLiteral("เก่า"));
    }

    void patternReference_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("message");
        const QString wrong = QStringLiteral("パターン番号が正しく選択されていません。選択は数字１つにして下さい。");
        QTest::newRow("number with blanks") << " 615 12  530" << 4 << 5 << 12 << QString();
        QTest::newRow("two numbers") << " 615 12 530" << 1 << 6 << -10 << wrong;
        QTest::newRow("letters") << " abc" << 1 << 3 << -10 << wrong;
        QTest::newRow("minus one") << " -1" << 1 << 2 << -10 << wrong;
        QTest::newRow("nothing selected")
            << " 615" << 0 << 0 << -10
            << QStringLiteral("パターン番号を１つ選択状態にして参照ボタンを押して下さい（前後にスペースが入っていても可）");
    }
    void patternReference() {
        QFETCH(QString, patterns);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, opened);
        QFETCH(QString, message);
        TLaboFrm labo(State(), *main);
        ShowActive(&labo);
        QLineEdit* field = Edit(&labo, "LabeledEdit3");
        field->setText(patterns);
        field->setFocus();
        field->setSelection(start, length);
        Click(&labo, "Button3");
        QCOMPARE(Options().PatNum, opened);
        QCOMPARE(recorder->modalWindows, opened == -10 ? QStringList{} : QStringList{"PatFrm"});
        QCOMPARE(recorder->messages, message.isEmpty() ? QStringList{} : QStringList{message});
    }

    void laboRemembersItsPlaceWhileTheProgramRuns() {
        WhileOpen("SpeedButton5", [](QDialog* labo) {
            labo->move(labo->x() + 40, labo->y() + 30);
            labo->resize(900, labo->height());
        });
        const LaboPlace first = State().Labo;
        QCOMPARE(first.LaboFrmWidth, 900);
        WhileOpen("SpeedButton5", [&](QDialog* labo) {
            QCOMPARE(labo->width(), 900);
            QCOMPARE(labo->pos(), QPoint(first.LaboFrmLeft, first.LaboFrmTop));
        });
    }

    void laboCentredOverALowMainWindowKeepsItsTitleBarOnScreen() {
        main->resize(640, 240);
        main->move(0, 0);
        WhileOpen("SpeedButton5", [this](QDialog* labo) {
            QVERIFY(labo->y() >= main->screen()->availableGeometry().top());
            QCOMPARE(labo->x(), main->x() + (main->frameGeometry().width() - labo->frameGeometry().width()) / 2);
        });
    }

    void optionsFromLaboSetItsCaptions() {
        TLaboFrm labo(State(), *main);
        ShowActive(&labo);
        recorder->whileModal = [](QDialog* options) {
            Click(options, "Button3");
            Click(options, "RadioButton18");
        };
        Click(&labo, "SpeedButton4");
        recorder->whileModal = nullptr;
        QCOMPARE(Text(&labo, "Label1"), QStringLiteral("表記カナ："));
        QCOMPARE(Text(&labo, "Label4"), QStringLiteral("- 声調チェックモード -"));
    }

    // Pattern window

    void patternWindow_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("known");
        QTest::newRow("known number") << 161 << true;
        QTest::newRow("unknown number") << 999 << false;
    }
    void patternWindow() {
        QFETCH(int, number);
        QFETCH(bool, known);
        const std::filesystem::path table = account->Folders().UsrTblFolder / refPatternFile;
        WriteUtf16(table, u"161,x,\u25A1\u0E34\u25A0,only five\r\n"
                          u"161,x,\u25A1\u0E34\u25A0,\"short i, closed\",\u30A4,i\r\n"
                          u"161,x,later,line,\u30A8,e\r\n");
        Options().PatNum = number;
        TPatFrm pattern(State(), *main);
        ShowActive(&pattern);
        QCOMPARE(pattern.windowTitle(), QStringLiteral("Pattern"));
        QCOMPARE(Edit(&pattern, "Edit1")->text(), QString::number(number));
        const PralomenOptions& o = Options();
        const QString composition = known ? QString::fromStdU16String(DecodePat(u"\u25A1\u0E34\u25A0", o)) : QString();
        QCOMPARE(Edit(&pattern, "Edit2")->text(), composition);
        QCOMPARE(Edit(&pattern, "Edit3")->text(), known ? QString::fromStdU16String(DecodeIpa(u"i", o)) : QString());
        QCOMPARE(Edit(&pattern, "Edit4")->text(), known ? QString::fromStdU16String(DecodeKana(u"\u30A4", o)) : QString());
        QCOMPARE(Edit(&pattern, "Edit5")->text(), known ? QStringLiteral("short i, closed") : QString());
        for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5"}) {
            const QLineEdit* e = Edit(&pattern, name);
            const bool greyed = e->palette().color(QPalette::Base) != QColor(Qt::white);
            QCOMPARE(greyed, !known);
        }
    }

    // Guide viewer and support dialog

    void guideWithAndWithoutTheFile() {
        const std::filesystem::path help = account->Folders().HelpFolder / "Guide.txt";
        WhileOpen("SpeedButton2", [](QDialog* guide) {
            QCOMPARE(guide->windowTitle(), QStringLiteral("Pralomenヘルプ   Version:5.1"));
            QVERIFY(!Child<QPlainTextEdit>(guide, "Memo1")->toPlainText().isEmpty());
        });
        // Without the file the viewer names where it looked.
        TestAccount other;
        shell::FolderVars folders = other.Folders();
        folders.HelpFolder = folders.SysFolder / "NoHelp";
        AppState elsewhere(folders, recorder->Services());
        THelpFrm guide(elsewhere, main.get());
        const QString shown = Child<QPlainTextEdit>(&guide, "Memo1")->toPlainText();
        QCOMPARE(shown, QString::fromStdString((folders.HelpFolder / "Guide.txt").string()));
        QCOMPARE(Child<QPlainTextEdit>(&guide, "Memo1")->document()->blockCount(), 1);
        // The viewer grows with its window.
        ShowActive(&guide);
        const int before = Child<QPlainTextEdit>(&guide, "Memo1")->width();
        guide.resize(guide.width() + 120, guide.height());
        QApplication::processEvents();
        QCOMPARE(Child<QPlainTextEdit>(&guide, "Memo1")->width(), before + 120);
    }

    void supportCopiesTheMailAndOpensTheSite() {
        WhileOpen("SpeedButton6", [this](QDialog* support) {
            QCOMPARE(support->windowTitle(), QStringLiteral("Information"));
            Click(support, "SpeedButton1");
            QCOMPARE(QGuiApplication::clipboard()->text(), State().Links.SupportMail);
            auto* link = Child<QLabel>(support, "LinkLabel1");
            emit link->linkActivated(State().Links.SupportUrl);
        });
        QCOMPARE(recorder->openedUrls.size(), size_t(1));
        QCOMPARE(recorder->openedUrls.front(), QUrl(State().Links.SupportUrl));
    }

    // Japanese-to-Thai window

    void enterWalksThroughTheSteps() {
        TJTConvFrm tool(State(), main.get());
        ShowActive(&tool);
        QCOMPARE(tool.windowTitle(), QStringLiteral("ひらがなタイ文字変換ツール（日→タイ）"));
        QLineEdit* kana = Edit(&tool, "LabeledEdit1");
        QTest::keyClick(kana, Qt::Key_Return);
        QVERIFY(Edit(&tool, "LabeledEdit2")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), kana);

        Type(kana, QStringLiteral("さくら"));
        QTest::keyClick(kana, Qt::Key_Return);
        const std::filesystem::path tables = account->Folders().UsrTblFolder;
        struct NoQuestions : PhraseQuestion {
            bool Ask(const std::u16string&) override { return false; }
        } none;
        const std::u16string rome = GetKanaToRome(u"さくら", tables, none);
        QCOMPARE(Edit(&tool, "LabeledEdit2")->text(), QString::fromStdU16String(rome));
        QCOMPARE(QApplication::focusWidget(), Edit(&tool, "LabeledEdit2"));
        QCOMPARE(Edit(&tool, "LabeledEdit2")->cursorPosition(), int(rome.size()));

        QTest::keyClick(Edit(&tool, "LabeledEdit2"), Qt::Key_Return);
        const std::u16string ipa = GetRomeToIPA(rome, tables, Options().AO_flg);
        QCOMPARE(Edit(&tool, "LabeledEdit3")->text(), QString::fromStdU16String(ipa));
        QTest::keyClick(Edit(&tool, "LabeledEdit3"), Qt::Key_Return);
        const std::u16string thai = GetIPAToThai(ipa, tables);
        QVERIFY(!thai.empty());
        QCOMPARE(Edit(&tool, "LabeledEdit4")->text(), QString::fromStdU16String(thai));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(Edit(&tool, "LabeledEdit4"), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdU16String(thai));
        QVERIFY(recorder->questions.isEmpty());
    }

    void longVowelBoxDrivesTheRomajiStep() {
        Options().AO_flg = true;
        TJTConvFrm tool(State(), main.get());
        ShowActive(&tool);
        QVERIFY(Child<QCheckBox>(&tool, "CheckBox1")->isChecked());
        Click(&tool, "CheckBox1");
        QVERIFY(!Options().AO_flg);
        Edit(&tool, "LabeledEdit2")->setText(QStringLiteral("sa ku ra"));
        Click(&tool, "SpeedButton2");
        QCOMPARE(Edit(&tool, "LabeledEdit3")->text(),
                 QString::fromStdU16String(GetRomeToIPA(u"sa ku ra", account->Folders().UsrTblFolder, false)));
    }

    void fixedPhraseAsksBeforeTheRomajiShows() {
        TJTConvFrm tool(State(), main.get());
        ShowActive(&tool);
        recorder->answer = true;
        Type(Edit(&tool, "LabeledEdit1"), QStringLiteral("とうきょう"));
        QTest::keyClick(Edit(&tool, "LabeledEdit1"), Qt::Key_Return);
        QCOMPARE(recorder->questions.size(), 1);
        QVERIFY(recorder->questions.front().contains(QStringLiteral("とうきょう")));
        QVERIFY(!Edit(&tool, "LabeledEdit2")->text().isEmpty());
    }

    void functionKeyTwoClearsEveryField() {
        TJTConvFrm tool(State(), main.get());
        ShowActive(&tool);
        for (const char* name : {"LabeledEdit1", "LabeledEdit2", "LabeledEdit3", "LabeledEdit4"})
            Edit(&tool, name)->setText(QStringLiteral("x"));
        Edit(&tool, "LabeledEdit3")->setFocus();
        QTest::keyClick(Edit(&tool, "LabeledEdit3"), Qt::Key_F2);
        for (const char* name : {"LabeledEdit1", "LabeledEdit2", "LabeledEdit3", "LabeledEdit4"})
            QVERIFY2(Edit(&tool, name)->text().isEmpty(), name);
        QCOMPARE(QApplication::focusWidget(), Edit(&tool, "LabeledEdit1"));
    }
};

QTEST_MAIN(DialogTest)
#include "DialogTest.moc"
