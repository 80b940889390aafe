// The window-independent rules: design sizes on the screen, lamp colours, the pattern table and the
// guide file's encodings.
#include <fstream>

#include <QTemporaryDir>
#include <QtTest>

#include "engine/Utf.h"
#include "ui/GuideText.h"
#include "ui/Lamp.h"
#include "ui/PatInfo.h"
#include "ui/ScreenFit.h"

using namespace pralomen;
using namespace pralomen::ui;

namespace {

// UTF-16 little-endian without a byte-order mark, CR LF line ends.
void WriteUtf16(const std::filesystem::path& file, const std::u16string& text) {
    std::ofstream out(file, std::ios::binary);
    for (char16_t c : text) {
        out.put(static_cast<char>(c & 0xFF));
        out.put(static_cast<char>(c >> 8));
    }
}

} // namespace

class UiLogicTest : public QObject {
    Q_OBJECT
private slots:
    void scaleDesign_data() {
        QTest::addColumn<int>("design");
        QTest::addColumn<double>("ppi");
        QTest::addColumn<int>("scaled");
        QTest::newRow("width at 144") << 650 << 144.0 << 975;
        QTest::newRow("height at 144") << 640 << 144.0 << 960;
        QTest::newRow("upper block at 144") << 408 << 144.0 << 612;
        QTest::newRow("input area at 144") << 150 << 144.0 << 225;
        QTest::newRow("kana area half to even") << 317 << 144.0 << 476;
        QTest::newRow("half to even below") << 1 << 144.0 << 2;
        QTest::newRow("2.5 goes to 2") << 5 << 48.0 << 2;
        QTest::newRow("unchanged at 96") << 317 << 96.0 << 317;
        QTest::newRow("at 120") << 650 << 120.0 << 812;
    }
    void scaleDesign() {
        QFETCH(int, design);
        QFETCH(double, ppi);
        QFETCH(int, scaled);
        QCOMPARE(ScaleDesign(design, ppi), scaled);
    }

    void centredInTruncates() {
        QCOMPARE(CentredIn(QRect(0, 0, 1920, 1080), QSize(651, 641)), QPoint(634, 219));
        QCOMPARE(CentredIn(QRect(1920, 0, 1280, 1024), QSize(650, 640)), QPoint(2235, 192));
        // A window larger than the screen starts left of and above it: the quotient truncates toward zero.
        QCOMPARE(CentredIn(QRect(0, 0, 800, 600), QSize(901, 701)), QPoint(-50, -50));
    }

    void keepOnScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("on the screen stays") << QRect(100, 80, 650, 640) << QPoint(100, 80);
        QTest::newRow("title bar above the top comes down") << QRect(100, -200, 650, 640) << QPoint(100, 0);
        QTest::newRow("on the second screen stays") << QRect(2000, 100, 650, 640) << QPoint(2000, 100);
        QTest::newRow("on a screen that is gone is centred") << QRect(5000, 3000, 650, 640) << QPoint(635, 220);
        QTest::newRow("below the bottom comes up") << QRect(100, 1075, 650, 640) << QPoint(100, 1050);
        QTest::newRow("far right edge keeps a grip") << QRect(1900, 100, 650, 640) << QPoint(1900, 100);
    }
    void keepOnScreen() {
        QFETCH(QRect, frame);
        QFETCH(QPoint, corner);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(KeepOnScreen(frame, screens), corner);
    }

    void keepOnScreenOfOneScreenLeavesAGripOnTheRight() {
        const QPoint corner = KeepOnScreen(QRect(1900, 100, 650, 640), {QRect(0, 0, 1920, 1080)});
        QCOMPARE(corner, QPoint(1820, 100));
    }

    void lampColoursByName_data() {
        QTest::addColumn<int>("judge");
        QTest::addColumn<QColor>("color");
        QTest::newRow("white") << int(JudgeColor::White) << QColor(255, 255, 255);
        QTest::newRow("blue") << int(JudgeColor::Blue) << QColor(0, 0, 255);
        QTest::newRow("red") << int(JudgeColor::Red) << QColor(255, 0, 0);
        QTest::newRow("cyan") << int(JudgeColor::Cyan) << QColor(0, 255, 255);
        QTest::newRow("yellow") << int(JudgeColor::Yellow) << QColor(255, 255, 0);
        QTest::newRow("green") << int(JudgeColor::Green) << QColor(0, 128, 0);
    }
    void lampColoursByName() {
        QFETCH(int, judge);
        QFETCH(QColor, color);
        const auto c = static_cast<JudgeColor>(judge);
        QCOMPARE(LampColor(c), color);
        // The engine's number holds the same colour with red in the low byte.
        const std::uint32_t v = ColorValue(c);
        QCOMPARE(LampColor(c), QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
    }

    void searchPatInfo() {
        QTemporaryDir dir;
        const std::filesystem::path table = std::filesystem::path(dir.path().toStdString()) / "refPattern.txt";
        WriteUtf16(table, u"12,x,\u25A1\u0E32,five fields\r\n"
                          u"012,x,lead,zero,\u30A2,a\r\n"
                          u"12,x,\u25A1\u0E32\u25A0,\"note, quoted\",\u30A2\u30FC,a\u0294\r\n"
                          u"12,x,second,line,\u30A4,i\r\n");
        const PatInfo found = SearchPatInfo(12, table);
        QCOMPARE(found.s1, std::u16string(u"\u25A1\u0E32\u25A0"));
        QCOMPARE(found.s2, std::u16string(u"note, quoted"));
        QCOMPARE(found.s3, std::u16string(u"\u30A2\u30FC"));
        QCOMPARE(found.s4, std::u16string(u"a\u0294"));

        const PatInfo missing = SearchPatInfo(99, table);
        QVERIFY(missing.s1.empty() && missing.s2.empty() && missing.s3.empty() && missing.s4.empty());
        const PatInfo noFile = SearchPatInfo(12, table.parent_path() / "absent.txt");
        QVERIFY(noFile.s1.empty() && noFile.s4.empty());
    }

    void guideEncodings_data() {
        const QString text = QStringLiteral("ガイド ไทย ɯ̂");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << text;
        QTest::newRow("UTF-8 without mark") << text.toUtf8() << text;
        QByteArray utf16("\xFF\xFE");
        for (QChar c : text) {
            utf16.append(char(c.unicode() & 0xFF));
            utf16.append(char(c.unicode() >> 8));
        }
        QTest::newRow("UTF-16 with mark") << utf16 << text;
        // "ガイド" in Shift_JIS: the Japanese ANSI code page.
        QTest::newRow("ANSI code page") << QByteArray("\x83\x4B\x83\x43\x83\x68") << QStringLiteral("ガイド");
    }
    void guideEncodings() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(DecodeGuideText(bytes), expected);
    }
};

QTEST_MAIN(UiLogicTest)
#include "UiLogicTest.moc"
