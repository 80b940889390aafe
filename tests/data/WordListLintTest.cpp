#include <gtest/gtest.h>

#include <algorithm>

#include "tools/datatools/WordListLint.h"

namespace pralomen::data {
namespace {

struct Word {
    const char* file;
    std::u16string thai;
    bool precut = false;
};

std::vector<NamedList> Lists(const std::vector<Word>& words)
{
    std::vector<NamedList> lists;
    for (const auto& w : words) {
        auto it = std::find_if(lists.begin(), lists.end(), [&](const NamedList& n) { return n.fileName == w.file; });
        if (it == lists.end()) it = lists.insert(lists.end(), {w.file, {w.file, {}}});
        it->list.entries.push_back({static_cast<int>(it->list.entries.size()) + 1, w.precut, w.thai, {u"x"}, u"g"});
    }
    return lists;
}

struct Case {
    std::vector<Word> words;
    std::vector<std::string> hints; // the start of each expected hint
};

class ShadowTest : public testing::TestWithParam<Case> {};

TEST_P(ShadowTest, NamesTheEntryThatWinsTheLookup)
{
    auto hints = FindShadowedWords(Lists(GetParam().words));
    ASSERT_EQ(hints.size(), GetParam().hints.size()) << testing::PrintToString(hints);
    for (std::size_t i = 0; i < hints.size(); ++i) EXPECT_EQ(hints[i], GetParam().hints[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ShadowTest,
    testing::Values(
        // An earlier list's prefix wins.
        Case{{{"category.txt", u"ไฟ"}, {"polyNBPF.txt", u"ไฟฟ้า"}},
             {"\"ไฟฟ้า\" (polyNBPF.txt:1) is hidden by \"ไฟ\" (category.txt:1)"}},
        // A later list cannot hide anything.
        Case{{{"category2.txt", u"ไฟ"}, {"polyNBPF.txt", u"ไฟฟ้า"}}, {}},
        // A prefix followed by a vowel sign never matches there.
        Case{{{"category.txt", u"กร"}, {"polyKCS.txt", u"กระทะ"}}, {}},
        // The same word twice: the earlier list wins.
        Case{{{"placeName.txt", u"กระบี่"}, {"polyKCS.txt", u"กระบี่"}},
             {"\"กระบี่\" (polyKCS.txt:1) is hidden by \"กระบี่\" (placeName.txt:1)"}},
        // Of an earlier list's prefixes the longest wins; a prefix cut off by a vowel sign does not count.
        Case{{{"category.txt", u"กา"}, {"category.txt", u"กาแฟ"}, {"mokuon.txt", u"ก"}, {"polyKCS.txt", u"กาแฟเย็น"}},
             {"\"กาแฟเย็น\" (polyKCS.txt:1) is hidden by \"กาแฟ\" (category.txt:2)"}},
        // The first list wins even with a shorter word.
        Case{{{"mokuon.txt", u"กาแฟ"}, {"category.txt", u"กา"}, {"polyKCS.txt", u"กาแฟเย็น"}},
             {"\"กาแฟ\" (mokuon.txt:1) is hidden by \"กา\" (category.txt:1)",
              "\"กาแฟเย็น\" (polyKCS.txt:1) is hidden by \"กา\" (category.txt:1)"}},
        // The volume of another section is not consulted there.
        Case{{{"idiomYDT.txt", u"กา"}, {"polyKCS.txt", u"กาแฟ"}}, {}}));

class PreCutTest : public testing::TestWithParam<Case> {};

TEST_P(PreCutTest, ReportsMarkedWordsInsideOtherEntries)
{
    auto hints = FindSplittingPreCuts(Lists(GetParam().words));
    ASSERT_EQ(hints.size(), GetParam().hints.size()) << testing::PrintToString(hints);
    for (std::size_t i = 0; i < hints.size(); ++i) EXPECT_TRUE(hints[i].starts_with(GetParam().hints[i])) << hints[i];
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PreCutTest,
    testing::Values(
        Case{{{"monoSyll.txt", u"นา", true}, {"polyMYRL.txt", u"ชาวนา"}, {"polyNBPF.txt", u"นาที"}, {"polyKCS.txt", u"คน"}},
             {"\"นา\" (monoSyll.txt:1) is marked for the pre-cut pass and splits 2 other entries"}},
        // Unmarked words split nothing; a marked word followed there by a vowel sign is left alone.
        Case{{{"monoSyll.txt", u"นา", false}, {"polyMYRL.txt", u"ชาวนา"}}, {}},
        Case{{{"category.txt", u"กร", true}, {"polyKCS.txt", u"กระทะ"}}, {}},
        // The word itself, even in another list, is no victim.
        Case{{{"placeName.txt", u"สยาม", true}, {"polyWSHA.txt", u"สยาม"}}, {}}));

TEST(MidCutLintTest, ReportsEntriesThatTheMidCutPassChanges)
{
    auto cuts = CutEntriesOfTable({u"1,กรุณา,กรุณา", u"0,ความ,ความ", u"1,ดีมาก,\"ดี มาก\"", u"1,,x", u"1,สั้น"});
    ASSERT_EQ(cuts.size(), 2u);
    auto hints = FindEntriesCutByMidCut(
        cuts, Lists({{"idiomMYRL.txt", u"เมตตากรุณา"}, {"polyKCS.txt", u"กรุณา"}, {"polyKCS.txt", u"ข้อความ"},
                     {"polyNBPF.txt", u"ดีมากเลย"}, {"polyNBPF.txt", u"ดี"}}));
    EXPECT_EQ(hints, (std::vector<std::string>{
                         "\"เมตตากรุณา\" (idiomMYRL.txt:1) is cut by the mid-cut string \"กรุณา\"",
                         "\"ดีมากเลย\" (polyNBPF.txt:1) is cut by the mid-cut string \"ดีมาก\""}));
}

} // namespace
} // namespace pralomen::data
