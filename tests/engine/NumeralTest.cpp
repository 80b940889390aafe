#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;

TEST(Numerals, PlacesAndSpecialDigits)
{
    TempTables tables;
    Engine engine(tables.Dir());
    struct Case {
        std::u16string digits, thai, kana, ipa;
    };
    const Case cases[] = {
        {u"๑๐", u"สิบ", u"スィップ", u"sìp"},
        {u"๑๑", u"สิบเอ็ด", u"スィップ・エット", u"sìp·ʔèt"},
        {u"๒๑", u"ยี่สิบเอ็ด", u"イー・スィップ・エット", u"yîi·sìp·ʔèt"},
        {u"๒๐", u"ยี่สิบ", u"イー・スィップ", u"yîi·sìp"},
        {u"๑๐๑", u"หนึ่งร้อย หนึ่ง", u"ヌング・ローイ ヌング", u"nɯ̀ŋ·rɔ́ɔy nɯ̀ŋ"},
        {u"๑๒๕", u"หนึ่งร้อย ยี่สิบห้า", u"ヌング・ローイ イー・スィップ・ハー", u"nɯ̀ŋ·rɔ́ɔy yîi·sìp·hâa"},
        {u"๐", u"ศูนย์", u"スーン", u"sǔun"},
        {u"๐๕", u"ห้า", u"ハー", u"hâa"},
        {u"๔", u"สี่", u"スィー", u"sìi"},
        {u"๑๐๐๐๐๐๐", u"หนึ่งล้าน", u"ヌング・ラーン", u"nɯ̀ŋ·láan"},
        {u"๑๒๓๔๕๖๗๘", u"หนึ่ง สอง สาม สี่ ห้า หก เจ็ด แปด",
         u"ヌング ソーング サーム スィー ハー ホック ヂェット ペート", u"nɯ̀ŋ sɔ̌ɔŋ sǎam sìi hâa hòk cèt pɛ̀ɛt"},
        {u"๐๐๐", u"", u"", u""},
    };
    for (const auto& c : cases) {
        MemoryLog log;
        auto r = engine.YomiConv1(c.digits, log);
        EXPECT_EQ(r.allThai, c.thai);
        EXPECT_EQ(r.allKana, c.kana);
        EXPECT_EQ(r.allIPA, c.ipa);
        EXPECT_EQ(r.allPat, u" 800");
        EXPECT_EQ(r.color, JudgeColor::Cyan);
    }
}

TEST(Numerals, TheLogShowsTheArabicValueAndTheKanaFollowsSiFlg)
{
    TempTables tables;
    Engine engine(tables.Dir());
    MemoryLog log;
    engine.YomiConv2(u"๒๕", log);
    EXPECT_EQ(log.lines, std::vector<std::u16string>{u"1:๒๕  25    ยี่สิบห้า"});
    engine.Options().SiFlg = false;
    EXPECT_EQ(engine.YomiConv2(u"๔๑๔", log).allKana, u"シー・ローイ シップ・シー");
    engine.Options().ArrowFlg = true;
    EXPECT_EQ(engine.YomiConv2(u"๑๐", log).allKana, u"シップ_");
}

TEST(Numerals, ThousandsCommasBetweenThaiDigitsGo)
{
    TempTables tables;
    Engine engine(tables.Dir());
    MemoryLog log;
    EXPECT_EQ(engine.YomiConv1(u"๑,๐๐๐", log).allThai, u"หนึ่งพัน");
    EXPECT_EQ(engine.YomiConv1(u"1,000", log).allThai, u"1,000");
    EXPECT_EQ(engine.YomiConv1(u",๑๐", log).allThai, u",สิบ");
}
