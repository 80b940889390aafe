#include <gtest/gtest.h>

#include "tools/datatools/ListPlacement.h"

namespace pralomen::data {
namespace {

WordList ListOf(const std::vector<std::u16string>& words)
{
    WordList list{"src", {}};
    int line = 0;
    for (const auto& w : words) list.entries.push_back({++line, false, w, {u"x"}, u"g"});
    return list;
}

struct Case {
    std::string file;
    std::vector<std::u16string> words;
    std::vector<std::string> faults; // a word of each expected reason, in order
};

class ListPlacementTest : public testing::TestWithParam<Case> {};

TEST_P(ListPlacementTest, FindsEntriesThatCanNeverBeLookedUp)
{
    auto problems = CheckListPlacement(GetParam().file, ListOf(GetParam().words));
    ASSERT_EQ(problems.size(), GetParam().faults.size());
    for (std::size_t i = 0; i < problems.size(); ++i)
        EXPECT_NE(problems[i].reason.find(GetParam().faults[i]), std::string::npos) << problems[i].reason;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListPlacementTest,
    testing::Values(Case{"polyKCS.txt", {u"ขนม", u"เกาะ", u"ฉลาด"}, {}},
                    Case{"polyKCS.txt", {u"ตลาด"}, {"polyYDT.txt"}},
                    Case{"idiomWSHA.txt", {u"แมว", u"สวัสดี"}, {"idiomMYRL.txt"}},
                    Case{"polyNBPF.txt", {u"ไฟฟ้า", u"ประเทศ", u"ภาษา"}, {}},
                    Case{"category.txt", {u"ไฟ", u"กา", u"ไฟ"}, {"already at line 1"}},
                    Case{"abbreviation.txt", {u"กทม"}, {"not a reading list"}},
                    Case{"polyKCS.txt", {u"ไก่", u"ไก่"}, {"already at line 1"}}));

} // namespace
} // namespace pralomen::data
