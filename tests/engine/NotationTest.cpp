#include <gtest/gtest.h>

#include "engine/Notation.h"

using namespace pralomen;

namespace {

PralomenOptions StartUp()
{
    PralomenOptions o;
    InitPralomenVars(o);
    return o;
}

} // namespace

TEST(Notation, IpaCodesFollowTheOptions)
{
    auto o = StartUp();
    EXPECT_EQ(DecodeIpa(u"thaΦY", o), u"thay");
    EXPECT_EQ(DecodeIpa(u"ya\u0300aΦG", o), u"ya\u0300aŋ");
    EXPECT_EQ(DecodeIpa(u"kΦUΦ:aΦW Φ?ΦEΦAΦO", o), u"kɯːaw ʔɛəɔ");
    o.EndIFlg = o.EndOFlg = o.BarUFlg = true;
    EXPECT_EQ(DecodeIpa(u"thaΦY", o), u"thai");
    EXPECT_EQ(DecodeIpa(u"khaΦW", o), u"khao");
    EXPECT_EQ(DecodeIpa(u"mΦUΦU", o), u"mʉʉ");
}

TEST(Notation, KanaCodesFollowTheOptions)
{
    auto o = StartUp();
    EXPECT_EQ(DecodeKana(u"ヤーΦング_", o), u"ヤーング");
    EXPECT_EQ(DecodeKana(u"μヂェット_", o), u"ヂェット");
    EXPECT_EQ(DecodeKana(u"  ギーΦウ ", o), u"ギーウ");
    EXPECT_EQ(DecodeKana(u"リΛーΦア", o), u"リーア");
    EXPECT_EQ(DecodeKana(u"カッΦトーμク", o), u"カッー");
    o.KanaEndNgFlg = false;
    o.ArrowFlg = true;
    EXPECT_EQ(DecodeKana(u"ヤーΦング_", o), u"ヤーン_");
    o = StartUp();
    o.LengthMark2Flg = false;
    o.FinalSmallFlg = true;
    o.LongTCutFlg = false;
    EXPECT_EQ(DecodeKana(u"リΛーΦアΦム", o), u"リァㇺ");
    EXPECT_EQ(DecodeKana(u"ターμプ", o), u"ターッ");
    EXPECT_EQ(DecodeKana(u"ギーΦウ", o), u"ギーゥ");
    o.EndOFlg = true;
    EXPECT_EQ(DecodeKana(u"ギーΦウ", o), u"ギーォ");
    o.FinalSmallFlg = false;
    EXPECT_EQ(DecodeKana(u"ギーΦウ", o), u"ギーオ");
}

TEST(Notation, JoOnsetByKanaDiIndex)
{
    auto o = StartUp();
    const std::pair<int, std::u16string> cases[] = {{0, u"ヂャ"}, {1, u"ジャ"}, {2, u"チャ"}, {7, u"ヂャ"}, {-1, u"ヂャ"}};
    for (const auto& [index, kana] : cases) {
        o.KanaDiIndex = index;
        EXPECT_EQ(DecodeKana(u"μヂャ", o), kana) << index;
    }
}

TEST(Notation, TheGaRowBecomesTheKaRowExceptForTheVelarNasal)
{
    auto o = StartUp();
    o.GaFlg = false;
    EXPECT_EQ(DecodeKana(u"μンガー ガイ グΦング", o), u"ンガー カイ クング");
    EXPECT_EQ(DecodeKana(u"ガΦング", o), u"カング");
    o.KanaHeadNgFlg = false;
    EXPECT_EQ(DecodeKana(u"μンゴー", o), u"ゴー");
    o.GaFlg = true;
    EXPECT_EQ(DecodeKana(u"ガギグゲゴ", o), u"ガギグゲゴ");
}

TEST(Notation, PatternsAndPassedThroughText)
{
    auto o = StartUp();
    EXPECT_EQ(DecodePat(u"□◇■ ♡♥♤♠△▲◎ ΦO", o), u"□\u0E36■ \u0E34\u0E35\u0E31\u0E33\u0E38\u0E39\u0E47 ɔ");
    EXPECT_EQ(TotalDecode(u"ΦZǁΦZ‖aˑbΦSP"), u"  \"a.b ");
}
