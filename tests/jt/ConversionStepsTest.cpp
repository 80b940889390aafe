#include <gtest/gtest.h>

#include "TableFolder.h"
#include "jt/JapaneseToThai.h"

namespace pralomen::test {
namespace {

class ConversionSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        tables.Write("kana_rome.txt", {"か,ka", "な,na", "さ,sa", "は,ha", "は　,wa", "っ,q", "きゃ,kya", "き,ki",
                                       "の　,$NO$"});
        tables.Write("rome_ipa.txt", {"ka,kʰa", "na,na", "sa,sa", "ha,ha", "wa,wa", "q,?", "kya,kʰja"});
        tables.Write("ipa_thai.txt", {"kʰa,คะ", "kʰaa,คา", "na,นะ", "naa,นา", "sa,ซะ", "saa,ซา", "wa,วะ", "t,ต"});
    }
    std::string Rome(const std::string& kana, bool answer = false)
    {
        RecordingQuestion question(answer);
        return U8(GetKanaToRome(U(kana), tables.Path(), question));
    }
    std::string IPA(const std::string& rome, bool AO_flg = false)
    {
        return U8(GetRomeToIPA(U(rome), tables.Path(), AO_flg));
    }
    std::string Thai(const std::string& ipa) { return U8(GetIPAToThai(U(ipa), tables.Path())); }

    TableFolder tables;
};

struct KanaCase {
    const char* kana;
    const char* rome;
};

class KanaScan : public ConversionSteps, public ::testing::WithParamInterface<KanaCase> {};

TEST_P(KanaScan, GivesTheRomajiTokens) { EXPECT_EQ(Rome(GetParam().kana), GetParam().rome); }

INSTANTIATE_TEST_SUITE_P(
    Inputs, KanaScan,
    ::testing::Values(KanaCase{"かな さ", "ka na $SP$ sa"}, KanaCase{"かな　さ", "ka na $SP$ sa"},
                      KanaCase{"きゃか", "kya ka"}, KanaCase{"きか", "ki ka"},
                      KanaCase{"山か", "山 ka"}, KanaCase{"xか", "x ka"},
                      KanaCase{"は　か", "wa $SP$ ka"}, KanaCase{"は か", "ha $SP$ ka"},
                      KanaCase{"はか", "ha ka"}, KanaCase{"かは", "ka ha"}, KanaCase{"の　か", "$NO$ ka"},
                      KanaCase{"\xF0\xA0\xAE\xB7か", "\xF0\xA0\xAE\xB7 ka"}, KanaCase{" か ", "$SP$ ka $SP$"},
                      KanaCase{"", ""}));

TEST_F(ConversionSteps, WordSpaceSurvivesTheRomajiStep)
{
    EXPECT_EQ(IPA(Rome("かな さ")), "kʰa na $SP$ sa");
    EXPECT_EQ(Thai(IPA(Rome("かな さ"))), "คะนะ ซะ");
}

TEST_F(ConversionSteps, UnknownCharacterIsKeptUntilTheThaiStep)
{
    EXPECT_EQ(IPA(Rome("山か")), "山 kʰa");
    EXPECT_EQ(Thai("山 kʰa"), "คะ");
    tables.Write("ipa_thai.txt", {"kʰa,คะ", "山,ภูเขา"});
    EXPECT_EQ(Thai("山 kʰa"), "ภูเขาคะ");
}

struct StopCase {
    const char* rome;
    const char* ipa;
};

class ClosingStop : public ConversionSteps, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ClosingStop, FollowsTheNextSyllable) { EXPECT_EQ(IPA(GetParam().rome), GetParam().ipa); }

// Tokens the romaji table lacks pass through unchanged, so each case spells the next syllable directly.
INSTANTIATE_TEST_SUITE_P(
    NextSyllables, ClosingStop,
    ::testing::Values(StopCase{"q ko", "k ko"}, StopCase{"q ta", "t ta"}, StopCase{"q sa", "t sa"},
                      StopCase{"q cʰi", "t cʰi"}, StopCase{"q do", "t do"}, StopCase{"q pʰa", "p pʰa"},
                      StopCase{"q bu", "p bu"}, StopCase{"q ma", "? ma"}, StopCase{"q", "?"},
                      StopCase{"sa q", "sa ?"}, StopCase{"q $SP$ ka", "? $SP$ kʰa"},
                      StopCase{"ka? so", "kat so"}, StopCase{"q q ka", "? k kʰa"}));

struct LengthCase {
    const char* rome;
    const char* withLong;
};

class LongVowels : public ConversionSteps, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LongVowels, LengthenInnerAAndO)
{
    EXPECT_EQ(IPA(GetParam().rome, true), GetParam().withLong);
    EXPECT_EQ(IPA(GetParam().rome, false), GetParam().rome);
}

INSTANTIATE_TEST_SUITE_P(
    Syllables, LongVowels,
    ::testing::Values(LengthCase{"ta ma", "taa ma"}, LengthCase{"to mo", "too mo"},
                      LengthCase{"maa ta", "maa ta"}, LengthCase{"tan ma", "tan ma"},
                      LengthCase{"tama ta", "taamaa ta"}, LengthCase{"taama ta", "taamaa ta"},
                      LengthCase{"tao mo", "taoo mo"}, LengthCase{"ta $SP$ ma", "ta $SP$ ma"},
                      LengthCase{"$XA$ ta", "$XA$ ta"}, LengthCase{"ti ma", "ti ma"}, LengthCase{"ma", "ma"},
                      LengthCase{"ta ma to $SP$ ta ma", "taa maa to $SP$ taa ma"}));

class FixedPhrases : public ConversionSteps {
protected:
    void SetUp() override
    {
        ConversionSteps::SetUp();
        tables.Write("n_special.txt", {"かな,$KN$,กานา,見出しです。"});
    }
};

TEST_F(FixedPhrases, AskedOnceAndReadAsAWholeOnYes)
{
    RecordingQuestion question(true);
    std::u16string rome = GetKanaToRome(U("かなさかな"), tables.Path(), question);
    ASSERT_EQ(question.asked.size(), 1u);
    EXPECT_EQ(U8(question.asked[0]), "定型語句、固有名詞データにある「かな」がヒットしました。これは見出しです。");
    EXPECT_EQ(U8(rome), "$KN$ sa $KN$");
    EXPECT_EQ(Thai(IPA(U8(rome), true)), "กานาซากานา");
}

TEST_F(FixedPhrases, NoReadsThePhraseKanaByKana)
{
    RecordingQuestion question(false);
    EXPECT_EQ(U8(GetKanaToRome(U("かなさ"), tables.Path(), question)), "ka na sa");
    EXPECT_EQ(question.asked.size(), 1u);
}

TEST_F(FixedPhrases, AbsentPhraseIsNotAsked)
{
    RecordingQuestion question(true);
    EXPECT_EQ(U8(GetKanaToRome(U("かさ"), tables.Path(), question)), "ka sa");
    EXPECT_TRUE(question.asked.empty());
}

TEST_F(FixedPhrases, AcceptedPhraseWinsOverLongerKeys)
{
    tables.Write("n_special.txt", {"か,$K$,ก,一字です。"});
    EXPECT_EQ(Rome("きゃか", true), "kya $K$");
    tables.Write("n_special.txt", {"き,$K$,ก,一字です。"});
    EXPECT_EQ(Rome("きゃか", true), "$K$ ゃ ka");
}

TEST_F(FixedPhrases, LaterLineOfAMarkerGivesMessageAndThaiForm)
{
    tables.Write("n_special.txt", {"かな,$KN$,แรก,前の行です。", "さか,$KN$,หลัง,後の行です。"});
    RecordingQuestion question(true);
    EXPECT_EQ(U8(GetKanaToRome(U("かな"), tables.Path(), question)), "$KN$");
    ASSERT_EQ(question.asked.size(), 1u);
    EXPECT_NE(U8(question.asked[0]).find("これは後の行です。"), std::string::npos);
    EXPECT_EQ(U8(GetSpMessage(U("$KN$"), tables.Path())), "後の行です。");
    EXPECT_EQ(Thai("$KN$"), "หลัง");
}

TEST_F(FixedPhrases, SamePhraseOnTwoLinesIsAskedOnce)
{
    tables.Write("n_special.txt", {"かな,$A$,ก,前です。", "かな,$B$,ข,後です。"});
    RecordingQuestion question(true);
    EXPECT_EQ(U8(GetKanaToRome(U("かな"), tables.Path(), question)), "$B$");
    EXPECT_EQ(question.asked.size(), 1u);
}

TEST_F(ConversionSteps, ThaiStepJoinsWordsAndDropsUnknownTokens)
{
    EXPECT_EQ(Thai("kʰa $SP$ sa"), "คะ ซะ");
    EXPECT_EQ(Thai("$SP$ kʰa zz na $SP$"), "คะนะ");
    EXPECT_EQ(Thai("$Q$ na"), "$Q$นะ");
    EXPECT_EQ(Thai("kʰa,,na"), "คะนะ");
}

TEST(MissingTables, EachStepHasItsQuietOutcome)
{
    TableFolder empty;
    RecordingQuestion question(true);
    EXPECT_EQ(U8(GetKanaToRome(U("かな さ"), empty.Path(), question)), "か な $SP$ さ");
    EXPECT_TRUE(question.asked.empty());
    EXPECT_EQ(U8(GetRomeToIPA(U("ka q sa"), empty.Path(), true)), "");
    EXPECT_EQ(U8(GetIPAToThai(U("kʰa $SP$ $KN$ sa"), empty.Path())), "");
    EXPECT_EQ(U8(GetSpMessage(U("$KN$"), empty.Path())), "");
}

} // namespace
} // namespace pralomen::test
