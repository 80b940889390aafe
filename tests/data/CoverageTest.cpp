#include <gtest/gtest.h>

#include "tools/datatools/Coverage.h"

namespace pralomen::data {
namespace {

TEST(CoverageTest, TokensAreTheThaiWordsBetweenBlanks)
{
    struct Case {
        std::u16string line;
        std::vector<std::u16string> tokens;
    };
    const Case cases[] = {{u"ไป ตลาด", {u"ไป", u"ตลาด"}},
                          {u"  (ภาษาไทย), OK 10 ๒๕", {u"ภาษาไทย"}},
                          {u"file: ไฟล์\u3000ใหม่\t", {u"ไฟล์", u"ใหม่"}},
                          {u"ปี พ.ศ. \"๒๕๖๖\"", {u"ปี", u"พ.ศ."}},
                          {u"no Thai here", {}},
                          {u"", {}}};
    for (const auto& c : cases) EXPECT_EQ(ThaiTokens(c.line), c.tokens) << testing::PrintToString(c.line);
}

TEST(CoverageTest, MarksTheRunsTheOutputLeftOut)
{
    struct Case {
        std::u16string input, output, marked;
    };
    const Case cases[] = {{u"สบายดีครับ", u"บาย ดีค รับ", u"[ส]บายดีครับ"},
                          {u"ไม่สามารถ", u"ไม่ สา มาร", u"ไม่สามาร[ถ]"},
                          {u"เทอม", u"เทอ", u"เทอ[ม]"},
                          {u"กขค", u"ข", u"[ก]ข[ค]"},
                          {u"ไป ตลาด", u"ไป ลาด", u"ไป [ต]ลาด"},
                          {u"ตลาด", u"ตลาด", u"ตลาด"},
                          {u"ตลาด", u"", u"[ตลาด]"}};
    for (const auto& c : cases) EXPECT_EQ(MarkMissing(c.input, c.output), c.marked) << testing::PrintToString(c.input);
}

TEST(CoverageTest, TalliesSharesAndRanksTheRedWords)
{
    CoverageTally t;
    for (auto c : {JudgeColor::Blue, JudgeColor::Blue, JudgeColor::Red, JudgeColor::Yellow}) t.AddLine(c);
    t.AddWord(JudgeColor::Red, u"[ส]บาย");
    t.AddWord(JudgeColor::Blue, u"ดี");
    t.AddWord(JudgeColor::Red, u"เทอ[ม]");
    t.AddWord(JudgeColor::Red, u"เทอ[ม]");
    EXPECT_EQ(t.Lines(), 4);
    EXPECT_DOUBLE_EQ(t.LineShare(JudgeColor::Blue), 50.0);
    EXPECT_DOUBLE_EQ(t.LineShare(JudgeColor::Yellow), 25.0);
    EXPECT_EQ(t.Words(), 4);
    EXPECT_DOUBLE_EQ(t.WordShare(JudgeColor::Red), 75.0);
    EXPECT_DOUBLE_EQ(CoverageTally().WordShare(JudgeColor::Blue), 0.0);
    auto red = t.RedWords();
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0], (std::pair<std::u16string, int>{u"เทอ[ม]", 2}));
    EXPECT_EQ(red[1], (std::pair<std::u16string, int>{u"[ส]บาย", 1}));
}

} // namespace
} // namespace pralomen::data
