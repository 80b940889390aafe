#include <gtest/gtest.h>

#include "engine/Options.h"
#include "tools/datatools/ReadingEntry.h"
#include "tools/datatools/SyllableReading.h"

namespace pralomen::data {
namespace {

PralomenOptions StartUp()
{
    PralomenOptions o;
    InitPralomenVars(o);
    return o;
}

struct Case {
    std::u16string syllable;
    const char* fault; // a word of the expected reason, or nullptr when it reads
};

class HandWrittenSyllableTest : public testing::TestWithParam<Case> {};

TEST_P(HandWrittenSyllableTest, TakesOnlyOneSoundSyllable)
{
    SyllableReading r;
    auto fault = ReadRespelledSyllable(GetParam().syllable, StartUp(), r);
    if (!GetParam().fault) {
        EXPECT_EQ(fault, "");
        auto bar = GetParam().syllable.find(u'|');
        EXPECT_EQ(r.ipa, GetParam().syllable.substr(1, bar - 1));
        EXPECT_EQ(r.kana, GetParam().syllable.substr(bar + 1, GetParam().syllable.size() - bar - 2));
    } else {
        EXPECT_NE(fault.find(GetParam().fault), std::string::npos) << fault;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syllables, HandWrittenSyllableTest,
    testing::Values(Case{u"{bruu|ブルー}", nullptr}, Case{u"{wi\u0301Φ?|ウィッ¯}", nullptr},
                    Case{u"{bruu|ブル}", "length"}, Case{u"{bruu}", "{ipa|kana}"}, Case{u"{a|b|c}", "{ipa|kana}"},
                    Case{u"{kaa·kaa|ガー・ガー}", "one syllable"}, Case{u"{bruΦQ|ブルー}", "not a code"},
                    Case{u"", "empty"}));

// The entry's reading is its syllables' readings joined, syllable by syllable.
TEST(ReadingEntryTest, JoinsTheSyllablesWithTheNotationSeparators)
{
    WordEntry w{7, true, u"บรูไน", {u"{bruu|ブルー}", u"{naΦY|ナΦイ}"}, u"ブルネイ"};
    ReadingEntry e;
    ASSERT_EQ(MakeReadingEntry(w, StartUp(), e), "");
    EXPECT_EQ(e.ipa, u"bruu·naΦY");
    EXPECT_EQ(e.kana, u"ブルー・ナΦイ");
    EXPECT_EQ(e.line, 7);
    EXPECT_TRUE(e.precut);
    EXPECT_EQ(FormatReadingLine(e), u"1,บรูไน,bruu·naΦY,ブルー・ナΦイ,ブルネイ");
}

TEST(ReadingEntryTest, ReportsTheFailingEntryWithItsLineAndKeepsTheOthers)
{
    WordList list{"src.txt", {{1, false, u"ก", {u"{kaa|ガー}"}, u"a"}, {2, false, u"ข", {u"{khaa|カ}"}, u"b"},
                              {3, false, u"ค", {u"{khaa|カー}"}, u"c"}}};
    Problems problems;
    auto entries = MakeReadingEntries(list, StartUp(), problems);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].thai, u"ก");
    EXPECT_EQ(entries[1].thai, u"ค");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].file, "src.txt");
    EXPECT_EQ(problems[0].line, 2);
}

} // namespace
} // namespace pralomen::data

namespace pralomen::data {
namespace {

class RuleReadSyllableTest : public testing::TestWithParam<Case> {};

// Only what the rules read as exactly one unit covering every letter may stand as a syllable.
TEST_P(RuleReadSyllableTest, RejectsWhatTheRulesDoNotReadAsOneSyllable)
{
    SyllableReading r;
    auto fault = ReadRespelledSyllable(GetParam().syllable, StartUp(), r);
    if (!GetParam().fault) {
        EXPECT_EQ(fault, "");
        EXPECT_FALSE(r.ipa.empty());
        EXPECT_FALSE(r.kana.empty());
    } else {
        EXPECT_NE(fault.find(GetParam().fault), std::string::npos) << fault;
        EXPECT_TRUE(r.ipa.empty() && r.kana.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Syllables, RuleReadSyllableTest,
                         testing::Values(Case{u"หลาด", nullptr}, Case{u"เทด", nullptr}, Case{u"กากา", "read only"},
                                         Case{u"ฯ", "sign"}, Case{u"ะ", "cannot read"}, Case{u"abc", "cannot read"}));

// The tones of real respellings, as a Thai dictionary gives them (mid tone carries no sign).
TEST(RuleReadEntryTest, RespellingsCarryTheToneOfEachSyllable)
{
    struct Word {
        std::vector<std::u16string> syllables;
        std::u16string ipaTones;
        std::u16string kanaArrows;
    };
    const Word words[] = {{{u"ตะ", u"หลาด"}, u"\u0300\u0300", u"__"},
                          {{u"สะ", u"หวัด", u"ดี"}, u"\u0300\u0300", u"__"},
                          {{u"น้าม"}, u"\u0301", u"¯"},
                          {{u"ขะ", u"หนม"}, u"\u0300\u030C", u"_↗"},
                          {{u"ด้าย"}, u"\u0302", u"↘"}};
    auto only = [](const std::u16string& s, std::u16string_view keep) {
        std::u16string out;
        for (char16_t c : s)
            if (keep.find(c) != std::u16string_view::npos) out += c;
        return out;
    };
    for (const auto& w : words) {
        ReadingEntry e;
        ASSERT_EQ(MakeReadingEntry({1, false, u"x", w.syllables, u"g"}, StartUp(), e), "");
        EXPECT_EQ(only(e.ipa, u"\u0300\u0301\u0302\u030C"), w.ipaTones) << testing::PrintToString(e.ipa);
        EXPECT_EQ(only(e.kana, u"_↘¯↗"), w.kanaArrows) << testing::PrintToString(e.kana);
    }
}

} // namespace
} // namespace pralomen::data
