#include <gtest/gtest.h>

#include "engine/Phonology.h"
#include "engine/Utf.h"

using namespace pralomen;

namespace {

struct KanaCase {
    std::u16string hcons, vowel, econs, tone;
    std::u16string kana;
    bool siFlg = false;
};

std::string Describe(const KanaCase& c)
{
    return Utf16ToUtf8(c.hcons + u"," + c.vowel + u"," + c.econs + u"," + c.tone);
}

PralomenOptions WithSi(bool si)
{
    PralomenOptions opt;
    opt.SiFlg = si;
    return opt;
}

const std::u16string kOnsets[] = {u"k",  u"kh", u"ΦG", u"c",  u"ch", u"s",  u"y",   u"d",   u"t",   u"th", u"n",  u"b",
                                  u"p",  u"ph", u"f",  u"m",  u"r",  u"l",  u"w",   u"h",   u"Φ?",  u"kr", u"kl", u"khr",
                                  u"khl", u"tr", u"pr", u"pl", u"phr", u"phl", u"kw", u"khw"};

} // namespace

TEST(NormalKana, Syllables)
{
    const KanaCase cases[] = {
        {u"k", u"a", u"", u"", u"ガ"},
        {u"kh", u"a", u"k", u"", u"カック"},
        {u"kh", u"aa", u"k", u"↘", u"カーク↘"},
        {u"ΦG", u"o", u"n", u"", u"μンゴン"},
        {u"c", u"ΦA", u"", u"", u"μヂュ"},
        {u"s", u"i", u"", u"", u"シ"},
        {u"s", u"i", u"", u"", u"スィ", true},
        {u"s", u"ii", u"", u"", u"スィー", true},
        {u"s", u"a", u"", u"", u"サ", true},
        {u"Φ?", u"ΦE", u"Φ?", u"¯", u"エッ¯"},
        {u"n", u"a", u"Φ?", u"¯", u"ナッ¯"},
        {u"k", u"ii", u"ΦW", u"", u"ギーΦウ"},
        {u"h", u"ΦU", u"m", u"", u"フΦム"},
        {u"kh", u"i", u"u", u"", u"キウ"},
        {u"p", u"oo", u"p", u"", u"ポープ"},
        {u"ph", u"o", u"p", u"↗", u"ポップ↗"},
        {u"khw", u"u", u"", u"", u"クウ"},
        {u"khw", u"uu", u"", u"", u"クウー"},
        {u"khw", u"ΦUΦU", u"", u"", u"クウー"},
        {u"kw", u"u", u"", u"", u"グウ"},
        {u"kw", u"uu", u"", u"", u"グウー"},
        {u"kw", u"ΦUΦU", u"", u"", u"グウー"},
        {u"kh", u"ΦOΦO", u"", u"", u"コー"},
        {u"ΦG", u"aa", u"", u"", u"μンガー"},
        {u"tr", u"ΦEΦE", u"t", u"_", u"トゥレート_"},
        {u"phl", u"ΦAΦA", u"ΦY", u"", u"プルーΦイ"},
        {u"y", u"e", u"ΦG", u"", u"イェΦング"},
        {u"m", u"ΦU", u"ΦY", u"", u"ムΦイ"},
        {u"th", u"ΦA", u"t", u"", u"トゥット"},
        {u"w", u"ee", u"x", u"", u"ウェー"},
        {u"zz", u"a", u"n", u"_", u"ン_"},
        {u"k", u"ia", u"", u"", u"k*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetNormalKana(c.hcons, c.vowel, c.econs, c.tone, WithSi(c.siFlg)), c.kana) << Describe(c);
}

TEST(NormalKana, LongFormIsTheShortFormWithTheLengthMark)
{
    const std::pair<std::u16string, std::u16string> pairs[] = {
        {u"a", u"aa"}, {u"i", u"ii"}, {u"u", u"uu"},   {u"ΦU", u"ΦUΦU"}, {u"ΦA", u"ΦAΦA"},
        {u"e", u"ee"}, {u"ΦE", u"ΦEΦE"}, {u"o", u"oo"}, {u"ΦO", u"ΦOΦO"},
    };
    for (const auto& h : kOnsets)
        for (const auto& [shortVowel, longVowel] : pairs) {
            const auto shortKana = GetNormalKana(h, shortVowel, u"", u"", WithSi(true));
            EXPECT_FALSE(shortKana.empty()) << Utf16ToUtf8(h + u" " + shortVowel);
            EXPECT_EQ(GetNormalKana(h, longVowel, u"", u"", WithSi(true)), shortKana + u"ー")
                << Utf16ToUtf8(h + u" " + longVowel);
        }
}

TEST(ComplexKana, Syllables)
{
    const KanaCase cases[] = {
        {u"k", u"ia", u"", u"", u"ギΦア"},
        {u"s", u"ia", u"", u"", u"シΦア"},
        {u"s", u"ia", u"", u"", u"スィΦア", true},
        {u"kh", u"iΦ:a", u"k", u"", u"キΛーΦアック"},
        {u"r", u"uΦ:a", u"ΦG", u"↘", u"ルΛーΦワΦング↘"},
        {u"Φ?", u"uΦ:a", u"n", u"¯", u"ウΛーΦワン¯"},
        {u"c", u"ua", u"Φ?", u"_", u"μヂュΦワッ_"},
        {u"th", u"ΦUΦ:a", u"ΦY", u"", u"トゥΛーΦアΦイ"},
        {u"kw", u"ua", u"", u"", u"クウΦワ"},
        {u"kw", u"ia", u"", u"", u"クウィΦア"},
        {u"k", u"ia", u"u", u"", u"ギΦア"},
        {u"m", u"ΦUa", u"p", u"", u"ムΦアップ"},
        {u"l", u"iΦ:a", u"t", u"", u"リΛーΦアット"},
        {u"ΦG", u"ua", u"m", u"", u"μングΦワΦム"},
        {u"zz", u"ia", u"n", u"", u"ン"},
        {u"k", u"aa", u"n", u"", u"ガーン"},
        {u"k", u"x", u"", u"", u"k*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetComplexKana(c.hcons, c.vowel, c.econs, c.tone, WithSi(c.siFlg)), c.kana) << Describe(c);
    EXPECT_EQ(GetNormalKana(u"kw", u"a", u"", u"", WithSi(false)), u"グワ");
}

TEST(ComplexKana, BaseIsTheShortSimpleVowelKanaExceptForKw)
{
    for (const auto& h : kOnsets) {
        const std::u16string like = h == u"kw" ? u"khw" : h;
        EXPECT_EQ(GetComplexKana(h, u"ia", u"", u"", WithSi(true)),
                  GetNormalKana(like, u"i", u"", u"", WithSi(true)) + u"Φア") << Utf16ToUtf8(h);
        EXPECT_EQ(GetComplexKana(h, u"uΦ:a", u"", u"", WithSi(true)),
                  GetNormalKana(like, u"u", u"", u"", WithSi(true)) + u"ΛーΦワ") << Utf16ToUtf8(h);
    }
}
