// A megabyte pasted into the main window: the conversion finishes with the engine's result and the
// window goes on answering afterwards.
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "UiTestSupport.h"
#include "engine/Engine.h"
#include "ui/UMainFrm.h"

using namespace pralomen;
using namespace pralomen::ui;
using namespace pralomen::ui::testing;

namespace {

QPlainTextEdit* Memo(QWidget* w, const char* name)
{
    auto* memo = w->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    if (!memo) qFatal("no control %s", name);
    return memo;
}

// Sentences of everyday Thai with Latin words, digits and line breaks, to one megabyte of UTF-8.
QString Megabyte()
{
    const QString lines = QStringLiteral("สวัสดีครับ ยินดีที่ได้รู้จัก วันนี้ไปตลาดกับแม่ ซื้อผลไม้ ๓ กิโล\n"
                                         "เขาพูดว่า \"ไม่เป็นไร\" แล้วกลับบ้าน OK?\n");
    QString text;
    while (text.toUtf8().size() < 1'000'000) text += lines.repeated(64);
    return text;
}

} // namespace

class LargePasteTest : public QObject {
    Q_OBJECT

private slots:
    void aPastedMegabyteIsConvertedAndTheWindowAnswersAfterwards()
    {
        TestAccount account;
        Recorder recorder;
        TMainFrm main(account.Folders(), recorder.Services());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        const QString text = Megabyte();
        QGuiApplication::clipboard()->setText(text);
        QPlainTextEdit* input = Memo(&main, "Memo1");
        QTest::keyClick(input, Qt::Key_F6);
        QCOMPARE(input->toPlainText().size(), text.size());
        QTest::keyClick(input, Qt::Key_F7);

        Engine oracle(account.Folders().UsrTblFolder);
        MemoryLog log;
        const ConversionResult expected = oracle.YomiConv2(text.toStdU16String(), log);
        // Compared as Booleans: a failure must not print megabytes.
        QVERIFY(Memo(&main, "Memo2")->toPlainText() == QString::fromStdU16String(expected.allKana));
        QVERIFY(Memo(&main, "Memo3")->toPlainText() == QString::fromStdU16String(expected.allIPA));
        QCOMPARE(Memo(&main, "Memo4")->blockCount(), std::max(1, static_cast<int>(log.lines.size())));

        // Answering: queued events are delivered, and typing and converting work as before.
        bool delivered = false;
        QTimer::singleShot(0, &main, [&] { delivered = true; });
        QTRY_VERIFY_WITH_TIMEOUT(delivered, 5000);
        input->clear();
        Type(input, QStringLiteral("abc"));
        QTest::keyClick(input, Qt::Key_F7);
        QCOMPARE(Memo(&main, "Memo2")->toPlainText(), QStringLiteral("abc"));
        QCOMPARE(Memo(&main, "Memo4")->toPlainText(), QStringLiteral("1:abc"));
    }
};

QTEST_MAIN(LargePasteTest)
#include "LargePasteTest.moc"
