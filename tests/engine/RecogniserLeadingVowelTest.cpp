#include <gtest/gtest.h>

#include "RecogniserTestSupport.h"
#include "engine/Recognisers.h"

using namespace pralomen;
using recogniser_test::CheckUnit;
using recogniser_test::Expect;
using recogniser_test::ShortPlain;

TEST(RecogniserLeadingE, ReadsSyllablesWrittenWithE)
{
    const Expect cases[] = {
        {u"เรียน ", 48, 5, u"リΛーΦアン", u"riΦ:an"},
        {u"เป็น ", 78, 4, u"ペン", u"pen"},
        {u"เมื่อ ", 44, 5, u"ムΛーΦア↘", u"mΦU\u0302Φ:a"},
        {u"เกาะ ", 66, 4, u"ゴッ_", u"kΦO\u0300Φ?"},
        {u"เขา ", 82, 3, u"カΦウ↗", u"kha\u030CΦW"},
        {u"เพล ", 89, 3, u"プレー", u"phlee"},
        {u"เกม ", 90, 3, u"ゲーΦム", u"keem"},
        {u"เกื๊อะ ", 32, 6, u"グΦアッ¯", u"kΦUa\u0301Φ?"},
        {u"เพื่อน ", 34, 6, u"プΛーΦアン↘", u"phΦU\u0302Φ:an"},
        {u"เกี๊ยะ ", 36, 6, u"ギΦアッ¯", u"ki\u0301aΦ?"},
        {u"เปลี่ยน ", 37, 7, u"プリΛーΦアン_", u"pli\u0300Φ:an"},
        {u"เลี้ยง ", 38, 6, u"リΛーΦアΦング¯", u"li\u0301Φ:aΦG"},
        {u"เผือะ ", 40, 5, u"プΦアッ_", u"phΦU\u0300aΦ?"},
        {u"เดือน ", 42, 5, u"ドゥΛーΦアン", u"dΦUΦ:an"},
        {u"เลือก ", 42, 5, u"ルΛーΦアック↘", u"lΦU\u0302Φ:ak"},
        {u"เก๊าะ ", 54, 5, u"ゴッ¯", u"kΦO\u0301Φ?"},
        {u"เกิด ", 64, 4, u"グート_", u"kΦA\u0300ΦAt"},
        {u"เงิน ", 64, 4, u"μングーン", u"ΦGΦAΦAn"},
        {u"เท่า ", 68, 4, u"タΦウ↘", u"tha\u0302ΦW"},
        {u"เปล่า ", 67, 5, u"プラΦウ_", u"pla\u0300ΦW"},
        {u"เล่น ", 76, 4, u"レーン↘", u"le\u0302en"},
        {u"เก่ง ", 76, 4, u"ゲーΦング_", u"ke\u0300eΦG"},
        {u"เจ็ด ", 78, 4, u"μヂェット_", u"ce\u0300t"},
        {u"เลย ", 80, 3, u"ルーΦイ", u"lΦAΦAΦY"},
        {u"เคย ", 80, 3, u"クーΦイ", u"khΦAΦAΦY"},
        {u"เตะ ", 84, 3, u"テッ_", u"te\u0300Φ?"},
        {u"เธอ ", 86, 3, u"トゥー", u"thΦAΦA"},
        {u"เพล้ ", 88, 4, u"プレー¯", u"phle\u0301e"},
    };
    for (const auto& c : cases) CheckUnit(Matching_1ee, c, ShortPlain(false));
}

TEST(RecogniserLeadingE, OrderAndFollowers)
{
    const Expect cases[] = {
        {u"เรียนา", 62, 4, u"リΛーΦア", u"riΦ:a"},     // น goes to the next syllable
        {u"เกรง ", 87, 4, u"グレーΦング", u"kreeΦG"},  // every cluster form before the single ones
        {u"เพลง ", 87, 4, u"プレーΦング", u"phleeΦG"},
        {u"เกินา", 0, 2, u"", u""},
        {u"เา ", 0, 2, u"", u""},
        {u"เก", 0, 0, u"", u""},
        {u"เกม", 92, 2, u"ゲー", u"kee"}, // no follower for ม
    };
    for (const auto& c : cases) CheckUnit(Matching_1ee, c, ShortPlain(false));
}

TEST(RecogniserLeadingE, ShortPlain)
{
    const Expect cases[] = {
        {u"เกาะ ", 66, 4, u"ゴ", u"kΦO"},
        {u"เก๊าะ ", 54, 5, u"ゴ", u"kΦO"},
        {u"เตะ ", 84, 3, u"テ", u"te"},
        {u"เกี๊ยะ ", 36, 6, u"ギΦアッ¯", u"ki\u0301aΦ?"}, // diphthongs keep their glottal stop
        {u"เป็น ", 78, 4, u"ペン", u"pen"},
    };
    for (const auto& c : cases) CheckUnit(Matching_1ee, c, ShortPlain(true));
}

TEST(RecogniserLeadingAe, ReadsSyllablesWrittenWithAe)
{
    const Expect cases[] = {
        {u"แกง ", 28, 3, u"ゲーΦング", u"kΦEΦEΦG"},
        {u"แปล ", 27, 3, u"プレー", u"plΦEΦE"},
        {u"แข็ง ", 18, 4, u"ケΦング↗", u"khΦE\u030CΦG"},
        {u"แกะ ", 29, 3, u"ゲッ_", u"kΦE\u0300Φ?"},
        {u"แม่ ", 24, 3, u"メー↘", u"mΦE\u0302ΦE"},
        {u"แหน ", 27, 3, u"ネー↗", u"nΦE\u030CΦE"},
        {u"แกร่ง ", 19, 5, u"グレーΦング_", u"krΦE\u0300ΦEΦG"},
        {u"แล้ว ", 20, 4, u"レーΦウ¯", u"lΦE\u0301ΦEΦW"},
        {u"แปลก ", 25, 4, u"プレーク_", u"plΦE\u0300ΦEk"},
        {u"แก๊ะ ", 22, 4, u"ゲッ¯", u"kΦE\u0301Φ?"},
        {u"แพละ ", 26, 4, u"プレッ¯", u"phlΦE\u0301Φ?"},
        {u"แกง", 30, 2, u"ゲー", u"kΦEΦE"}, // no follower for ง
        {u"แกงา", 30, 2, u"ゲー", u"kΦEΦE"},
        {u"แก", 0, 0, u"", u""},
        {u"แา ", 0, 2, u"", u""},
    };
    for (const auto& c : cases) CheckUnit(Matching_2ee, c, ShortPlain(false));
    const Expect plain[] = {
        {u"แกะ ", 29, 3, u"ゲ", u"kΦE"},
        {u"แก๊ะ ", 22, 4, u"ゲ", u"kΦE"},
        {u"แม่ ", 24, 3, u"メー↘", u"mΦE\u0302ΦE"},
    };
    for (const auto& c : plain) CheckUnit(Matching_2ee, c, ShortPlain(true));
}

TEST(RecogniserLeadingO, ReadsSyllablesWrittenWithO)
{
    const Expect cases[] = {
        {u"โต ", 16, 2, u"トー", u"too"},
        {u"โกรธ ", 11, 4, u"グロート_", u"kro\u0300ot"},
        {u"โคลน ", 11, 4, u"クローン", u"khloon"},
        {u"โปรด ", 11, 4, u"プロート_", u"pro\u0300ot"}, // not ป with the final ร
        {u"โปร ", 13, 3, u"プロー", u"proo"},
        {u"โต๊ะ ", 6, 4, u"トッ¯", u"to\u0301Φ?"},
        {u"โละ ", 15, 3, u"ロッ¯", u"lo\u0301Φ?"},
        {u"โปร่ง ", 7, 5, u"プローΦング_", u"pro\u0300oΦG"},
        {u"โน่น ", 8, 4, u"ノーン↘", u"no\u0302on"},
        {u"โน้ ", 10, 3, u"ノー¯", u"no\u0301o"},
        {u"โมง ", 14, 3, u"モーΦング", u"mooΦG"},
        {u"โมงา", 16, 2, u"モー", u"moo"},
        {u"โก", 0, 0, u"", u""},
    };
    for (const auto& c : cases) CheckUnit(Matching_oo, c, ShortPlain(false));
    const Expect plain[] = {
        {u"โต๊ะ ", 6, 4, u"ト", u"to"},
        {u"โละ ", 15, 3, u"ロ", u"lo"},
        {u"โต ", 16, 2, u"トー", u"too"},
    };
    for (const auto& c : plain) CheckUnit(Matching_oo, c, ShortPlain(true));
}

TEST(RecogniserLeadingAi, ReadsSyllablesWrittenWithAi)
{
    const Expect cases[] = {
        {u"ไม่ ", 2, 3, u"マΦイ↘", u"ma\u0302ΦY"},
        {u"ใกล้ ", 1, 4, u"グラΦイ↘", u"kla\u0302ΦY"},
        {u"ไกล ", 3, 3, u"グラΦイ", u"klaΦY"},
        {u"ใจ ", 4, 2, u"μヂャΦイ", u"caΦY"},
        {u"ไหม ", 3, 3, u"マΦイ↗", u"ma\u030CΦY"},
        {u"ใหม่ ", 1, 4, u"マΦイ_", u"ma\u0300ΦY"},
        {u"ไทย ", 4, 2, u"タΦイ", u"thaΦY"}, // the whole word is a fixed word, tried earlier
        {u"ไก่า", 0, 2, u"", u""},
        {u"ไก", 0, 0, u"", u""},
    };
    for (const auto& c : cases) {
        CheckUnit(Matching_ai, c, ShortPlain(false));
        CheckUnit(Matching_ai, c, ShortPlain(true));
    }
}
