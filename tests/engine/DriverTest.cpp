#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Utf.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;

namespace {

struct Run {
    ConversionResult r;
    std::vector<std::u16string> log;
};

Run Main(Engine& e, const std::u16string& text)
{
    MemoryLog log;
    auto r = e.YomiConv2(text, log);
    return {r, log.lines};
}

Run Labo(Engine& e, const std::u16string& text)
{
    MemoryLog log;
    auto r = e.YomiConv1(text, log);
    return {r, log.lines};
}

class Driver : public ::testing::Test {
protected:
    TempTables tables;
    Engine engine{tables.Dir()};
};

} // namespace

TEST_F(Driver, EmptyTextIsOneEmptyChunk)
{
    auto run = Main(engine, u"");
    EXPECT_EQ(run.r.allThai, u"");
    EXPECT_EQ(run.r.allKana, u"");
    EXPECT_EQ(run.r.allIPA, u"");
    EXPECT_EQ(run.r.allPat, u" 0");
    EXPECT_EQ(run.r.color, JudgeColor::Blue);
    EXPECT_TRUE(run.log.empty());
}

TEST_F(Driver, LatinTextPassesThroughWithOneLogLine)
{
    auto run = Main(engine, u"abc");
    EXPECT_EQ(run.r.allThai, u"abc");
    EXPECT_EQ(run.r.allKana, u"abc");
    EXPECT_EQ(run.r.allIPA, u"abc");
    EXPECT_EQ(run.r.allPat, u" 0");
    EXPECT_EQ(run.r.color, JudgeColor::Blue);
    EXPECT_EQ(run.log, std::vector<std::u16string>{u"1:abc"});
}

TEST_F(Driver, AThaiNumeralMakesTheLampCyanWhateverElseTheTextHolds)
{
    auto run = Main(engine, u"abc ๒๕ ะ");
    EXPECT_EQ(run.r.color, JudgeColor::Cyan);
    EXPECT_NE(run.r.allThai.find(u"ยี่สิบห้า"), std::u16string::npos);
    EXPECT_EQ(run.r.allThai.find(u"๒"), std::u16string::npos);
}

TEST_F(Driver, ACharacterNoUnitTakesIsDroppedAndJudgedRed)
{
    auto run = Main(engine, u"\u0E30กา");
    EXPECT_EQ(run.r.allThai, u"กา");
    EXPECT_EQ(run.r.color, JudgeColor::Red);
}

TEST_F(Driver, SpacesBetweenWordsInLaboAndInTheMainWindow)
{
    auto labo = Labo(engine, u"กา มา");
    EXPECT_EQ(labo.r.allThai, u"กา มา");
    EXPECT_EQ(labo.r.allKana, u"ガー   マー");
    EXPECT_EQ(labo.r.allIPA, u"kaa  maa");
    EXPECT_EQ(labo.r.color, JudgeColor::Blue);

    auto main = Main(engine, u"กา มา");
    EXPECT_EQ(main.r.allThai, u"กา มา");
    EXPECT_EQ(main.r.allKana, u"ガー ǁ マー");
    EXPECT_EQ(main.r.allIPA, u"kaa ǁ maa");
    EXPECT_EQ(main.r.color, JudgeColor::Blue);
}

TEST_F(Driver, QuotesAndLineBreaksComeBack)
{
    auto run = Labo(engine, u"\"กา\"\r\nมา\n");
    EXPECT_EQ(run.r.allThai, u"\"กา\"\r\nมา");
    EXPECT_EQ(run.r.allKana, u"\"ガー\"\r\nマー");
    EXPECT_EQ(run.r.allIPA, u"\"kaa\"\r\nmaa");
    EXPECT_EQ(run.r.color, JudgeColor::Blue);
    // Only the quotes log; the line breaks trim to nothing.
    EXPECT_EQ(run.log, (std::vector<std::u16string>{u"1:\"", u"2:\""}));
}

TEST_F(Driver, TheSpaceBeforeTheRepetitionSignGoes)
{
    auto spaced = Main(engine, u"ดี ๆ");
    auto joined = Main(engine, u"ดีๆ");
    EXPECT_EQ(spaced.r.allThai, joined.r.allThai);
    EXPECT_EQ(spaced.r.allKana, joined.r.allKana);
    EXPECT_EQ(spaced.r.allIPA, joined.r.allIPA);
    EXPECT_EQ(spaced.r.color, joined.r.color);
    EXPECT_EQ(joined.r.allKana, u"ディー (反復)");
    EXPECT_EQ(joined.r.allPat, u" 180 900");
}

TEST_F(Driver, RunsOfFullStopsAreSetOff)
{
    auto run = Labo(engine, u"กา...มา");
    EXPECT_EQ(run.r.allThai, u"กา ... มา");
    EXPECT_EQ(run.r.color, JudgeColor::Blue);
}

TEST_F(Driver, EachConversionSeesItsOwnEnginesOptions)
{
    Engine other(tables.Dir());
    other.Options().ArrowFlg = true;
    other.Options().KanaDiIndex = 2;
    EXPECT_EQ(Main(engine, u"ใจ").r.allKana, u"ヂャイ");
    EXPECT_EQ(Main(other, u"ใจ").r.allKana, u"チャイ");
    EXPECT_EQ(Main(other, u"ไม่").r.allKana, u"マイ↘");
    EXPECT_EQ(Main(engine, u"ไม่").r.allKana, u"マイ");
}

TEST_F(Driver, AbbreviationsAreExpandedOrMasked)
{
    tables.Write("abbreviation.txt", {u"1,พ.ศ.,พุทธศักราช", u"0,ค.ศ.,คริสต์ศักราช"});
    auto main = Main(engine, u"พ.ศ.");
    EXPECT_EQ(main.r.color, JudgeColor::Yellow);
    EXPECT_NE(main.r.allThai.find(u"พุท"), std::u16string::npos);
    EXPECT_EQ(Labo(engine, u"พ.ศ.").r.color, JudgeColor::Green);
    EXPECT_EQ(Main(engine, u"ค.ศ.").r.color, JudgeColor::Blue) << "a disabled line is not an abbreviation";

    engine.Options().AbbreSkipFlg = true;
    auto masked = Main(engine, u"พ.ศ. กา");
    EXPECT_EQ(masked.r.allThai, u"⁕⁕⁕⁕ กา");
    EXPECT_EQ(masked.r.color, JudgeColor::Blue) << "the masked text and the space markers count as read";
}

TEST_F(Driver, AnAbbreviationWithASpaceMatchesInBothEntries)
{
    tables.Write("abbreviation.txt", {u"1,ม.ΦZร.,มหาวิทยาลัย"});
    EXPECT_EQ(Main(engine, u"ม. ร.").r.color, JudgeColor::Yellow);
    EXPECT_EQ(Labo(engine, u"ม. ร.").r.color, JudgeColor::Green);
    EXPECT_EQ(Main(engine, u"ม.ร.").r.color, JudgeColor::Blue) << "no space, no match";
}

TEST_F(Driver, WithoutDictionaryModeTheListsAreNotReadButTheOtherFilesAre)
{
    tables.Write("category.txt", {u"0,กาแฟ,kaa·fΦE\u030CΦE,ガー・フェー↗,コーヒー"});
    tables.Write("lastWord.txt", {u"1,มา,来る"});
    tables.Write("abbreviation.txt", {u"1,กทม.,กรุงเทพ"});
    auto run = Main(engine, u"กาแฟ");
    EXPECT_EQ(run.r.allPat, u" 650");
    EXPECT_EQ(run.log, std::vector<std::u16string>{u"1:kaa·fɛ̌ɛ コーヒー   กาแฟ"});

    engine.Options().UseFilesFlg = false;
    EXPECT_EQ(Main(engine, u"กาแฟ").r.allPat, u" 186 30");
    EXPECT_EQ(Main(engine, u"มา").log, std::vector<std::u16string>{u"1:maa 来る   มา"});
    EXPECT_EQ(Main(engine, u"กทม.").r.color, JudgeColor::Yellow);
}

TEST_F(Driver, ATableEditTakesEffectAtTheNextConversion)
{
    tables.Write("category.txt", {u"0,กาแฟ,kaa·fΦE\u030CΦE,ガー・フェー↗,コーヒー"});
    EXPECT_EQ(Main(engine, u"กาแฟ").r.allPat, u" 650");
    tables.Write("category.txt", {u"0,กาแฟ,kaa·fΦE\u030CΦE,ガー・フェー↗,コーヒー", u"0,x,y,z,w"});
    std::filesystem::last_write_time(tables.Dir() / "category.txt",
                                     std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
    tables.Write("placeName.txt", {u"0,กาแฟ,x,y,場所"});
    EXPECT_EQ(Main(engine, u"กาแฟ").r.allPat, u" 620");
    std::filesystem::remove(tables.Dir() / "placeName.txt");
    EXPECT_EQ(Main(engine, u"กาแฟ").r.allPat, u" 650");
}

TEST_F(Driver, PassedThroughSpacesWidenOnlyWhenAlone)
{
    auto one = Labo(engine, u"ab c");
    EXPECT_EQ(one.r.allKana, u"ab   c");
    EXPECT_EQ(one.r.allIPA, u"ab  c");
    EXPECT_EQ(one.r.allThai, u"ab c");
    auto two = Labo(engine, u"a b c");
    EXPECT_EQ(two.r.allKana, u"a b c");
    EXPECT_EQ(two.r.allIPA, u"a b c");
    EXPECT_EQ(Labo(engine, u"กา ").log, std::vector<std::u16string>{}) << "a space chunk leaves no log line";
}

TEST_F(Driver, ALoneConsonantChunk)
{
    auto no = Main(engine, u"ณ");
    EXPECT_EQ(no.r.allThai, u"ณ");
    EXPECT_EQ(no.r.allIPA, u"na\u0301ʔ");
    EXPECT_EQ(no.r.allKana, u"ナッ");
    EXPECT_EQ(no.r.allPat, u" 600");
    EXPECT_EQ(no.log, std::vector<std::u16string>{u"1:na\u0301ʔ ～において（場所、時）   ณ"});
    auto ko = Main(engine, u"ก");
    EXPECT_EQ(ko.r.allThai, u"ก");
    EXPECT_EQ(ko.r.allKana, u"");
    EXPECT_EQ(ko.r.allPat, u" 600");
    EXPECT_TRUE(ko.log.empty());
    EXPECT_EQ(ko.r.color, JudgeColor::Blue);
}

TEST_F(Driver, ANulCharacterIsPassedThroughLikeAnyOther)
{
    const std::u16string text(u"a\0bกา", 5);
    auto run = Labo(engine, text);
    EXPECT_EQ(run.r.allThai, std::u16string(u"a\0bกา", 5));
    EXPECT_EQ(run.r.color, JudgeColor::Blue);
}

TEST_F(Driver, SaraAmInTwoPartsReadsAsTheComposedVowel)
{
    const auto composed = Main(engine, u"น้ำ จำ");
    const auto typed = Main(engine, u"น\u0E4D\u0E49\u0E32 จ\u0E4D\u0E32");
    EXPECT_EQ(typed.r.allIPA, composed.r.allIPA);
    EXPECT_EQ(typed.r.allThai, u"น้ำ จำ");
    EXPECT_EQ(typed.r.color, JudgeColor::Blue);
}
