#include <gtest/gtest.h>

#include "engine/CommaText.h"
#include "engine/Replace.h"
#include "engine/ThaiChars.h"

using namespace pralomen;

TEST(CommaText, SplitsLikeTheSettingsAndDataFiles)
{
    struct Case {
        std::u16string line;
        std::vector<std::u16string> fields;
    };
    const Case cases[] = {
        {u"UseFilesFlg,True", {u"UseFilesFlg", u"True"}},
        {u"UseFilesFlg, True", {u"UseFilesFlg", u"True"}},
        {u"  \t a b", {u"a", u"b"}},
        {u"a,,b", {u"a", u"", u"b"}},
        {u"a,", {u"a", u""}},
        {u"a , b", {u"a", u"b"}},
        {u"\"x, y\",z", {u"x, y", u"z"}},
        {u"\"say \"\"hi\"\"\"", {u"say \"hi\""}},
        {u"\"\"", {u""}},
        {u"", {}},
        {u"ก\u3000ข,ค", {u"ก\u3000ข", u"ค"}},
        {u"a\"b,c", {u"a\"b", u"c"}},
        {u"\"open", {u"open"}},
        {std::u16string(u"a,b\0,c", 6), {u"a", u"b"}},
        {std::u16string(u"\"a\0b\",c", 7), {std::u16string(u"a\0b", 3), u"c"}},
        {std::u16string(u"\0a", 2), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCommaText(c.line), c.fields) << std::string(c.line.begin(), c.line.end());
}

TEST(Replace, ReplacesEveryOccurrenceWithoutLooping)
{
    std::u16string s = u"กขก";
    ReplaceStr(s, u"ก", u"กก");
    EXPECT_EQ(s, u"กกขกก");
    s = u"aaa";
    ReplaceStr(s, u"aa", u"b");
    EXPECT_EQ(s, u"ba");
    s = u"abc";
    ReplaceStr(s, u"", u"x");
    EXPECT_EQ(s, u"abc");
    s = u"xΦZyΦZ";
    ReplaceStr(s, u"ΦZ", u"");
    EXPECT_EQ(s, u"xy");
}

TEST(Replace, CheckedReplacementStopsAtTheFirstOccurrenceBeforeADependentSign)
{
    std::u16string s = u"กะ กา กบ";
    ReplaceStrChk(s, u"ก", u" ก ");
    EXPECT_EQ(s, u"กะ กา กบ");
    s = u"กบ กา";
    ReplaceStrChk(s, u"ก", u"[ก]");
    EXPECT_EQ(s, u"[ก]บ กา");
    s = u"ab ab";
    ReplaceStrChk(s, u"ab", u"(ab)");
    EXPECT_EQ(s, u"(ab) (ab)");
}

TEST(Replace, TrimRemovesControlsAndBlanksOnly)
{
    EXPECT_EQ(Trim(u"\r\n ก \t"), u"ก");
    EXPECT_EQ(Trim(u"\u3000ก\u3000"), u"\u3000ก\u3000");
    EXPECT_EQ(Trim(u"   "), u"");
}

TEST(ThaiChars, ClassesFollowTheThaiBlock)
{
    EXPECT_TRUE(IsNormThai(0x0E4F));
    EXPECT_FALSE(IsNormThai(0x0E50));
    EXPECT_TRUE(IsNormThai(0x0E5A));
    EXPECT_FALSE(IsNormThai(u'a'));
    EXPECT_FALSE(IsNormThai(0x0E00));
    EXPECT_TRUE(IsThaiNumber(0x0E59));
    EXPECT_FALSE(IsThaiNumber(0x0E5A));
    for (char16_t c : {0x0E03, 0x0E05, 0x0E2F, 0x0E00, 0x0E30}) EXPECT_FALSE(IsConsonant(c)) << int(c);
    for (char16_t c : {0x0E01, 0x0E02, 0x0E04, 0x0E24, 0x0E26, 0x0E2E}) EXPECT_TRUE(IsConsonant(c)) << int(c);
    EXPECT_EQ(IsToneMark(0x0E48), 1);
    EXPECT_EQ(IsToneMark(0x0E4B), 4);
    EXPECT_EQ(IsToneMark(0x0E4C), 0);
    EXPECT_EQ(IsToneMark(0x0E47), 0);
}

TEST(ThaiChars, DependentSignsAreSingleCharacters)
{
    EXPECT_FALSE(IsDependent(u""));
    EXPECT_FALSE(IsDependent(u"เ"));
    EXPECT_FALSE(IsDependent(u"\u0E30\u0E30"));
    EXPECT_TRUE(IsDependent(u"\u0E31"));
    for (char16_t c = 0x0E30; c <= 0x0E39; ++c) EXPECT_TRUE(IsDependentChar(c));
    for (char16_t c = 0x0E47; c <= 0x0E4C; ++c) EXPECT_TRUE(IsDependentChar(c));
    for (char16_t c : {0x0E3A, 0x0E40, 0x0E44, 0x0E45, 0x0E4D, 0x0E4E, 0x0E46}) EXPECT_FALSE(IsDependentChar(c));
}

TEST(ThaiChars, StopFinalsAndVowelLength)
{
    EXPECT_TRUE(IsSokuon2(u"Φ?"));
    EXPECT_TRUE(IsSokuon2(u"k"));
    EXPECT_FALSE(IsSokuon2(u"ΦG"));
    EXPECT_FALSE(IsSokuon2(u""));
    EXPECT_FALSE(IsLongVowel(u"iΦ:a"));
    EXPECT_FALSE(IsLongVowel(u"ia"));
    EXPECT_TRUE(IsLongVowel(u"ΦAΦA"));
    EXPECT_FALSE(IsLongVowel(u"ΦA"));
    EXPECT_TRUE(IsLongVowel(u"oΦ:"));
    EXPECT_EQ(SearchCons(u"เก", 1), u'ก');
    EXPECT_EQ(SearchCons(u"เะ", 1), u'\0');
}
