#include <gtest/gtest.h>

#include "engine/Phonology.h"
#include "engine/Utf.h"

using namespace pralomen;

namespace {

struct ConsoCase {
    char16_t c1;
    std::u16string hipa, eipa;
    int gp;
};

} // namespace

TEST(Consonants, RowsOfTheTable)
{
    const ConsoCase cases[] = {
        {u'\u0E03', u"", u"", 0}, {u'\u0E05', u"", u"", 0}, {u'ฯ', u"", u"", 0},  {u'a', u"", u"", 0},
        {u'\u0E00', u"", u"", 0}, {u'อ', u"Φ?", u"", 2},    {u'ห', u"h", u"", 3}, {u'ฤ', u"r", u"", 0},
        {u'ฦ', u"l", u"", 0},     {u'ฮ', u"h", u"", 1},     {u'ก', u"k", u"k", 2}, {u'ข', u"kh", u"k", 3},
        {u'ง', u"ΦG", u"ΦG", 1},  {u'จ', u"c", u"t", 2},    {u'ฉ', u"ch", u"t", 3}, {u'ญ', u"y", u"n", 1},
        {u'ผ', u"ph", u"", 3},    {u'ฝ', u"f", u"", 3},     {u'ย', u"y", u"ΦY", 1}, {u'ว', u"w", u"ΦW", 1},
        {u'บ', u"b", u"p", 2},    {u'ฬ', u"l", u"n", 1},    {u'ศ', u"s", u"t", 3}, {u'ซ', u"s", u"t", 1},
    };
    for (const auto& c : cases) {
        std::u16string hipa = u"stale", eipa = u"stale";
        int gp = -1;
        GetConsoInfo(c.c1, hipa, eipa, gp);
        EXPECT_EQ(hipa, c.hipa) << static_cast<int>(c.c1);
        EXPECT_EQ(eipa, c.eipa) << static_cast<int>(c.c1);
        EXPECT_EQ(gp, c.gp) << static_cast<int>(c.c1);
    }
}

TEST(Consonants, FinalsCollapseAsInThai)
{
    const std::pair<std::u16string, std::u16string> groups[] = {
        {u"ญณนรลฬ", u"n"},
        {u"จชซฎฏฐฑฒดตถทธศษส", u"t"},
        {u"บปพฟภ", u"p"},
        {u"กขคฆ", u"k"},
    };
    for (const auto& [letters, final] : groups)
        for (char16_t c : letters) {
            std::u16string hipa, eipa;
            int gp = 0;
            GetConsoInfo(c, hipa, eipa, gp);
            EXPECT_EQ(eipa, final) << static_cast<int>(c);
        }
}

TEST(Consonants, TwoLetterOnsets)
{
    const std::pair<std::u16string, std::u16string> onsets[] = {
        {u"กร", u"kr"},  {u"กล", u"kl"},  {u"ตร", u"tr"},  {u"ปร", u"pr"},  {u"ปล", u"pl"},  {u"กว", u"kw"},
        {u"ขร", u"khr"}, {u"ขล", u"khl"}, {u"ผล", u"phl"}, {u"ขว", u"khw"}, {u"คร", u"khr"}, {u"คล", u"khl"},
        {u"พร", u"phr"}, {u"พล", u"phl"}, {u"คว", u"khw"}, {u"หง", u"ΦG"},  {u"หญ", u"y"},   {u"หน", u"n"},
        {u"หม", u"m"},   {u"หย", u"y"},   {u"หร", u"r"},   {u"หล", u"l"},   {u"หว", u"w"},
    };
    for (const auto& [sx, sound] : onsets) {
        EXPECT_TRUE(IsDoubleConso(sx)) << Utf16ToUtf8(sx);
        EXPECT_EQ(GetDblConsoIpa(sx), sound) << Utf16ToUtf8(sx);
    }
    for (std::u16string sx : {u"ทร", u"สร", u"จร", u"บร", u"ดร", u"ฟร", u"กรา", u"ก", u"", u"รก", u"หอ"}) {
        EXPECT_FALSE(IsDoubleConso(sx)) << Utf16ToUtf8(sx);
        EXPECT_EQ(GetDblConsoIpa(sx), u"") << Utf16ToUtf8(sx);
    }
}

TEST(Tone, NumberByClassModeAndMark)
{
    struct Row {
        std::u16string onset;
        int s_mode;
        int byMark[5]; // mm 0..4
    };
    const Row rows[] = {
        {u"ค", 1, {4, 4, 4, 4, 4}}, {u"ค", 2, {3, 3, 3, 3, 3}}, {u"ค", 0, {1, 3, 4, 0, 0}},
        {u"ค", 3, {1, 3, 4, 0, 0}}, // only the exact dead modes count for a low-class onset
        {u"ก", 1, {2, 2, 2, 2, 2}}, {u"ก", 2, {2, 2, 2, 2, 2}}, {u"ก", 3, {2, 2, 2, 2, 2}},
        {u"ก", 0, {1, 2, 3, 4, 5}}, {u"ข", 1, {2, 2, 2, 2, 2}}, {u"ข", 2, {2, 2, 2, 2, 2}},
        {u"ข", 0, {5, 2, 3, 0, 0}}, {u"ฤ", 0, {1, 1, 1, 1, 1}}, {u"ฤ", 1, {1, 1, 1, 1, 1}},
        {u"หม", 0, {5, 2, 3, 0, 0}}, {u"คร", 0, {1, 3, 4, 0, 0}}, {u"x", 0, {1, 1, 1, 1, 1}},
    };
    for (const auto& r : rows)
        for (int mm = 0; mm < 5; ++mm)
            EXPECT_EQ(GetToneNumber(r.onset, mm, r.s_mode), r.byMark[mm])
                << Utf16ToUtf8(r.onset) << " mode " << r.s_mode << " mark " << mm;
    EXPECT_EQ(GetToneNumber(u"ก", 7, 0), 0);
    EXPECT_EQ(GetToneNumber(u"", 1, 0), 1);
}

TEST(Tone, SignsForIpaAndKana)
{
    const std::tuple<int, std::u16string, std::u16string> cases[] = {
        {0, u"", u""},        {1, u"", u""},       {2, u"\u0300", u"_"}, {3, u"\u0302", u"↘"},
        {4, u"\u0301", u"¯"}, {5, u"\u030C", u"↗"}, {6, u"", u""},        {-1, u"", u""},
    };
    for (const auto& [tn, ipa, kana] : cases) {
        std::u16string tsp = u"stale", tsk = u"stale";
        GetToneSign(tn, tsp, tsk);
        EXPECT_EQ(tsp, ipa) << tn;
        EXPECT_EQ(tsk, kana) << tn;
    }
}
