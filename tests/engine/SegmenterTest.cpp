#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Segmenter.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;

namespace {

Unit DictionaryUnit(std::u16string thai, std::u16string kana, std::u16string ipa)
{
    Unit u;
    u.sthai = std::move(thai);
    u.skana = std::move(kana);
    u.sipa = std::move(ipa);
    u.rule = 611;
    u.cnt = static_cast<int>(u.sthai.size());
    return u;
}

} // namespace

TEST(Segmenter, UnitsAreJoinedByTheSeparatorOptions)
{
    PralomenOptions o;
    const Unit two = DictionaryUnit(u"สงสาร", u"ソΦング↗・サーン↗", u"sǒŋ·sǎan");
    struct Case {
        bool nakaTen, endNg, midDot;
        std::u16string kana, ipa;
    };
    const Case cases[] = {
        {false, true, true, u"ガー ソΦング↗ サーン↗", u"kaa sǒŋ·sǎan"},
        {false, false, false, u"ガー ソΦング↗サーン↗", u"kaa sǒŋsǎan"},
        {true, true, true, u"ガー・ソΦング↗・サーン↗", u"kaa sǒŋ·sǎan"},
    };
    for (const auto& c : cases) {
        o.AddNakaTenFlg = c.nakaTen;
        o.KanaEndNgFlg = c.endNg;
        o.AddMidDotFlg = c.midDot;
        ChunkOutput out;
        addWord(o, DictionaryUnit(u"กา", u"ガー", u"kaa"), u"186", out);
        addWord(o, two, u"611", out);
        EXPECT_EQ(out.kana, c.kana);
        EXPECT_EQ(out.ipa, c.ipa);
        EXPECT_EQ(out.thai, u"กา สงสาร");
        EXPECT_EQ(out.pat, u"186 611");
    }
}

TEST(Segmenter, SiFlgOffTurnsSuiIntoShi)
{
    PralomenOptions o;
    o.SiFlg = false;
    ChunkOutput out;
    addWord(o, DictionaryUnit(u"สี", u"スィー↗", u"sǐi"), u"180", out);
    EXPECT_EQ(out.kana, u"シー↗");
}

TEST(Segmenter, LogLinesCarryTheGlossOnlyWhenThereIsOne)
{
    TempTables tables;
    tables.Write("lastWord.txt", {u"1,มา,来る", u"0,ไป,行く"});
    tables.Write("polyNBPF.txt", {u"0,นาฬิกา,naa·li\u0301·kaa,ナー・リッ¯・ガー,時計"});
    Engine engine(tables.Dir());
    MemoryLog log;
    auto r = engine.YomiConv1(u"มาไปนาฬิกาๆ", log);
    EXPECT_EQ(r.allPat, u" 186 4 613 900");
    EXPECT_EQ(log.lines, (std::vector<std::u16string>{u"1:maa 来る   มา", u"2:naa·lí·kaa 時計   นาฬิกา"}));
    engine.Options().AddThaiFlg = false;
    engine.YomiConv1(u"มา", log);
    EXPECT_EQ(log.lines, std::vector<std::u16string>{u"1:maa 来る"});
}

TEST(Segmenter, TheVolumeIsChosenByTheFirstConsonant)
{
    TempTables tables;
    tables.Write("polyKCS.txt", {u"0,เกเร,kee·ree,ゲー・レー,不良の"});
    tables.Write("polyMYRL.txt", {u"0,เรเก,ree·kee,レー・ゲー,x"});
    Engine engine(tables.Dir());
    MemoryLog log;
    EXPECT_EQ(engine.YomiConv1(u"เกเร", log).allPat, u" 611");
    EXPECT_EQ(engine.YomiConv1(u"เรเก", log).allPat, u" 614");
    tables.Write("polyKCS.txt", {u"0,เรเก,ree·kee,レー・ゲー,x"});
    EXPECT_EQ(engine.YomiConv1(u"เรเก", log).allPat, u" 614");
}
