#include <gtest/gtest.h>

#include "engine/TextMarkers.h"

using namespace pralomen;

TEST(TextMarkers, TheSpaceBeforeARepetitionSignGoesAfterAThaiLetterOnly)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"ดี ๆ", u"ดีๆ"},
        {u"ดี  ๆ", u"ดี  ๆ"},         // two spaces: the letter is not right before the space
        {u"a ๆ", u"a ๆ"},             // only Thai letters and signs up to ๋
        {u"ก ๆ ๆ", u"กๆๆ"},           // the second ๆ follows the round of ก
        {u"ๆ ๆ ๆ", u"ๆๆ ๆ"},          // within the round of ๆ matches do not overlap
        {u"ๆ ๆ ๆ ๆ", u"ๆๆ ๆๆ"},
        {u" ๆ", u" ๆ"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ReplaceSpaceRep(in), out);
}

TEST(TextMarkers, SaraAmTypedInTwoPartsBecomesOneCharacter)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"จ\u0E4D\u0E32", u"จำ"},
        {u"น\u0E4D\u0E49\u0E32", u"น้ำ"}, // nikhahit, tone mark, า
        {u"น\u0E49\u0E4D\u0E32", u"น้ำ"}, // tone mark, nikhahit, า
        {u"ก\u0E4D", u"ก\u0E4D"},          // nikhahit alone stays (Pali spellings)
        {u"\u0E4D\u0E49", u"\u0E4D\u0E49"},
        {u"\u0E4D\u0E32\u0E4D", u"ำ\u0E4D"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ComposeSaraAm(in), out);
}

TEST(TextMarkers, RunsOfFullStopsAndCommasInNumbers)
{
    EXPECT_EQ(ConvertLeader(u"ก...ข"), u"ก ... ข");
    EXPECT_EQ(ConvertLeader(u"ก.ข"), u"ก.ข");
    EXPECT_EQ(ConvertLeader(u"a.......b"), u"a .....  .. b"); // each piece set off on its own
    EXPECT_EQ(ConvertLeader(u"ˑ"), u".");
    EXPECT_EQ(RemoveCommaInThaiNumber(u"๑,๐๐๐"), u"๑๐๐๐");
    EXPECT_EQ(RemoveCommaInThaiNumber(u"1,000"), u"1,000");
    EXPECT_EQ(RemoveCommaInThaiNumber(u",๑๐๐"), u",๑๐๐");
    EXPECT_EQ(RemoveCommaInThaiNumber(u"๑,๑"), u"๑,๑") << "shorter than four characters";
}

TEST(TextMarkers, ChunksByCharacterType)
{
    const std::u16string s = u"กาΦZ๑";
    EXPECT_EQ(JudgeState(s), u"11335");
    EXPECT_EQ(GetBaseThai(s, JudgeState(s)), u"\"กา\",\"ΦZ\",\"๑\"");
    EXPECT_EQ(GetBaseThai(u"", u""), u"\"\"");
    EXPECT_EQ(GetType(u""), 3);
    EXPECT_EQ(GetType(u"๑ก"), 5);
    EXPECT_EQ(GetType(u"ฯ"), 1);
    EXPECT_TRUE(IsInOneSpace(u"aΦZb"));
    EXPECT_FALSE(IsInOneSpace(u"aΦZΦZ"));
    EXPECT_FALSE(IsInOneSpace(u"ab"));
}
