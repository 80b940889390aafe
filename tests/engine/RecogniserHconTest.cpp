#include <gtest/gtest.h>

#include "RecogniserTestSupport.h"
#include "engine/Recognisers.h"
#include "engine/ThaiChars.h"

using namespace pralomen;
using recogniser_test::Expect;

TEST(RecogniserHcon, ReadsConsonantFirstSyllables)
{
    const Expect cases[] = {
        {u"กุ้ง ", 98, 4, u"グΦング↘", u"ku\u0302ΦG"},
        {u"กล้วย ", 123, 5, u"グルΛーΦワΦイ↘", u"klu\u0302Φ:aΦY"},
        {u"ก้าง ", 112, 4, u"ガーΦング↘", u"ka\u0302aΦG"},
        {u"ก่อน ", 120, 4, u"ゴーン_", u"kΦO\u0300ΦOn"},
        {u"ปล่อย ", 119, 5, u"プローΦイ_", u"plΦO\u0300ΦOΦY"},
        {u"หนึ่ง ", 103, 5, u"ヌΦング_", u"nΦU\u0300ΦG"},
        {u"ขึ้น ", 104, 4, u"クン↘", u"khΦU\u0302n"},
        {u"ดื่ม ", 102, 4, u"ドゥーΦム_", u"dΦU\u0300ΦUm"},
        {u"ยิ้ม ", 110, 4, u"イΦム¯", u"yi\u0301m"},
        {u"กิ่ว ", 108, 4, u"ギウ_", u"ki\u0300u"},
        {u"จั๊วะ ", 94, 5, u"μヂュΦワッ¯", u"cua\u0301Φ?"},
        {u"ตั๋ว ", 116, 4, u"トゥΛーΦワ↗", u"tu\u030CΦ:a"},
        {u"รู้ ", 130, 3, u"ルー¯", u"ru\u0301u"},
        {u"ที่ ", 146, 3, u"ティー↘", u"thi\u0302i"},
        {u"น้ำ ", 154, 3, u"ナΦム¯", u"na\u0301m"},
        {u"ค่ะ ", 164, 3, u"カッ↘", u"kha\u0302Φ?"},
        {u"จ๊ะ ", 164, 3, u"μヂャッ¯", u"ca\u0301Φ?"},
        {u"ผัวะ ", 114, 4, u"プΦワッ_", u"phu\u0300aΦ?"},
        {u"ก็อก ", 122, 4, u"ゴック_", u"kΦO\u0300k"},
        {u"สวย ", 126, 3, u"スΛーΦワΦイ↗", u"su\u030CΦ:aΦY"},
        {u"ลูก ", 128, 3, u"ルーク↘", u"lu\u0302uk"},
        {u"ทุก ", 132, 3, u"トゥック¯", u"thu\u0301k"},
        {u"หรือ ", 135, 4, u"ルー↗", u"rΦU\u030CΦU"},
        {u"มือ ", 136, 3, u"ムー", u"mΦUΦU"},
        {u"หิว ", 148, 3, u"ヒウ↗", u"hi\u030Cu"},
        {u"สิบ ", 150, 3, u"スィップ_", u"si\u0300p"},
        {u"จาก ", 156, 3, u"μヂャーク_", u"ca\u0300ak"},
        {u"มาก ", 156, 3, u"マーク↘", u"ma\u0302ak"},
        {u"ตัว ", 160, 3, u"トゥΛーΦワ", u"tuΦ:a"},
        {u"กับ ", 162, 3, u"ガップ_", u"ka\u0300p"},
        {u"ครู ", 173, 3, u"クルー", u"khruu"},
        {u"ดี ", 180, 2, u"ディー", u"dii"},
        {u"ติ ", 182, 2, u"ティッ_", u"ti\u0300Φ?"},
        {u"ปลา ", 185, 3, u"プラー", u"plaa"},
        {u"หมา ", 185, 3, u"マー↗", u"ma\u030Ca"},
        {u"หา ", 186, 2, u"ハー↗", u"ha\u030Ca"},
        {u"กะ ", 188, 2, u"ガッ_", u"ka\u0300Φ?"},
        {u"กน ", 192, 2, u"ゴン", u"kon"},
        {u"xกา ", 186, 2, u"ガー", u"kaa", 2},
    };
    for (const auto& c : cases) recogniser_test::CheckUnit(Matching_hcon, c, recogniser_test::ShortPlain(false));
}

TEST(RecogniserHcon, EarlierRulesWinAndFollowersHandConsonantsOn)
{
    const Expect cases[] = {
        // a final whose follower is a vowel sign begins the next syllable
        {u"กุ้งา", 134, 3, u"グッ↘", u"ku\u0302Φ?"},
        {u"นาที ", 186, 2, u"ナー", u"naa"},
        {u"กินา", 182, 2, u"ギッ_", u"ki\u0300Φ?"},
        // the two-letter onset is tried before its first letter alone
        {u"กลม ", 191, 3, u"グロΦム", u"klom"},
        {u"กรม ", 191, 3, u"グロΦム", u"krom"},
        // ขว is an onset, but the cluster rule needs ว after it; the single rule reads ว as the vowel
        {u"ขวด ", 126, 3, u"クΛーΦワット_", u"khu\u0300Φ:at"},
        // the ิว ending before a plain final ว
        {u"คิว ", 148, 3, u"キウ", u"khiu"},
        // fixed readings with ร stand between the cluster and the single inherent-o rules
        {u"กรมา", 200, 2, u"ゴーン", u"kΦOΦOn"},
        {u"จร ", 201, 2, u"μヂョーン", u"cΦOΦOn"},
        {u"พร ", 202, 2, u"ポーン", u"phΦOΦOn"},
        {u"พรม ", 191, 3, u"プロΦム", u"phrom"},
    };
    for (const auto& c : cases) recogniser_test::CheckUnit(Matching_hcon, c, recogniser_test::ShortPlain(false));
}

TEST(RecogniserHcon, FailureLeavesAnEmptyUnit)
{
    // cnt keeps the window length of the last rule whose guard passed
    const Expect cases[] = {
        {u"จรา", 0, 2, u"", u""},   // neither ร reading fits before a vowel sign
        {u"กุ็ง ", 0, 2, u"", u""}, // ็ where a tone mark must stand
        {u"ข้า", 0, 2, u"", u""},   // no follower: the syllable ends with s1
        {u"กา", 0, 0, u"", u""},
        {u"ก ", 0, 0, u"", u""},
        {u"ab ", 0, 2, u"", u""},
        {u"ก", 0, 0, u"", u""},
        {u"", 0, 0, u"", u""},
        {u"กา ", 0, 0, u"", u"", 0},
        {u"กา ", 0, 0, u"", u"", 4},
    };
    for (const auto& c : cases) recogniser_test::CheckUnit(Matching_hcon, c, recogniser_test::ShortPlain(false));
}

TEST(RecogniserHcon, ShortPlainDropsTheGlottalStopAndTheToneOfShortOpenVowels)
{
    const Expect plain[] = {
        {u"กะ ", 188, 2, u"ガ", u"ka"},       {u"จ๊ะ ", 164, 3, u"μヂャ", u"ca"},
        {u"ติ ", 182, 2, u"ティ", u"ti"},      {u"ติ๊ ", 152, 3, u"ティ", u"ti"},
        {u"กุ้งา", 134, 3, u"グ", u"ku"},      {u"ดุ ", 176, 2, u"ドゥ", u"du"},
        {u"ครึ ", 177, 3, u"クル", u"khrΦU"},  {u"ทึ่ ", 142, 3, u"トゥ", u"thΦU"},
        // other rules are untouched
        {u"กา ", 186, 2, u"ガー", u"kaa"},     {u"ผัวะ ", 114, 4, u"プΦワッ_", u"phu\u0300aΦ?"},
        {u"กับ ", 162, 3, u"ガップ_", u"ka\u0300p"},
    };
    for (const auto& c : plain) recogniser_test::CheckUnit(Matching_hcon, c, recogniser_test::ShortPlain(true));
}

TEST(RecogniserHcon, NeverReportsTheUnusedRuleNumbers)
{
    const std::u16string alphabet = u"กขครลวงนมยอหะาิีึืุูั็่้๊๋ำ์เ ";
    const auto opt = recogniser_test::ShortPlain(false);
    int matches = 0;
    for (char16_t c1 : alphabet)
        for (char16_t c2 : alphabet)
            for (char16_t c3 : alphabet)
                for (char16_t c4 : std::u16string(u"ก่ะ ")) {
                    const std::u16string s1{c1, c2, c3, c4, u' ', u' '};
                    Unit u;
                    if (!Matching_hcon(s1, 1, opt, u)) {
                        EXPECT_EQ(u.rule, 0);
                        continue;
                    }
                    ++matches;
                    const std::string where = Utf16ToUtf8(s1);
                    EXPECT_TRUE(IsConsonant(c1)) << where;
                    EXPECT_NE(u.rule, 169) << where;
                    EXPECT_NE(u.rule, 170) << where;
                    EXPECT_TRUE((u.rule >= 93 && u.rule <= 192) || (u.rule >= 200 && u.rule <= 202)) << where;
                    EXPECT_EQ(u.sthai, s1.substr(0, u.cnt)) << where;
                    EXPECT_FALSE(IsDependentChar(s1[u.cnt])) << where;
                }
    EXPECT_GT(matches, 1000);
}
