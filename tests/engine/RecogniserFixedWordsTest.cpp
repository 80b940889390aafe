#include <gtest/gtest.h>

#include "RecogniserTestSupport.h"
#include "engine/Recognisers.h"

using namespace pralomen;
using recogniser_test::Expect;

TEST(RecogniserFixedWords, MatchWhateverFollows)
{
    const auto fixedWords = [](const std::u16string& s1, int dn, const PralomenOptions&, Unit& u) {
        return Matching_oy(s1, dn, u);
    };
    const Expect cases[] = {
        {u"อย่างไร", 301, 5, u"ヤーΦング_", u"ya\u0300aΦG"},
        {u"อย่าเลย", 302, 4, u"ヤー_", u"ya\u0300a"},
        {u"อยาก ", 303, 4, u"ヤーΦク_", u"ya\u0300ak"},
        {u"อยู่", 304, 4, u"ユー_", u"yu\u0300u"},
        {u"ก็", 305, 2, u"ゴー↘", u"k\u0254\u0302\u0254"},
        {u"ก็า", 305, 2, u"ゴー↘", u"k\u0254\u0302\u0254"},
        {u"xก็", 305, 2, u"ゴー↘", u"k\u0254\u0302\u0254", 2},
        {u"ไทย", 306, 3, u"タΦイ", u"thaΦY"},
        {u"อยู", 0, 0, u"", u""},
        {u"อย่", 0, 0, u"", u""},
        {u"กา ", 0, 0, u"", u""},
        {u"ก็", 0, 0, u"", u"", 0},
        {u"ก็", 0, 0, u"", u"", 3},
    };
    for (const auto& c : cases) recogniser_test::CheckUnit(fixedWords, c, recogniser_test::ShortPlain(false));
}
