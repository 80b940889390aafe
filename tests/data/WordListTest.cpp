#include <gtest/gtest.h>

#include "tools/datatools/WordList.h"

namespace pralomen::data {
namespace {

struct Case {
    std::string text;
    const char* fault; // a word of the expected reason, or nullptr for a sound entry
};

class WordListTest : public testing::TestWithParam<Case> {};

TEST_P(WordListTest, ReportsMalformedLinesWithTheirLineNumber)
{
    Problems problems;
    auto list = ParseWordList("w.txt", "# header\n\n" + GetParam().text, problems);
    if (!GetParam().fault) {
        EXPECT_TRUE(problems.empty()) << FormatProblem(problems.front());
        EXPECT_EQ(list.entries.size(), 1u);
        return;
    }
    EXPECT_TRUE(list.entries.empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 3);
    EXPECT_NE(problems[0].reason.find(GetParam().fault), std::string::npos) << problems[0].reason;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordListTest,
    testing::Values(Case{"1\tตลาด\tตะ-หลาด\t市場\n", nullptr}, Case{"0\tตลาด\tตะ-หลาด\t市場\r\n", nullptr},
                    Case{"0\tตลาด\t{ta\xCC\x80\xCE\xA6?|タッ_}-หลาด\t市場", nullptr},
                    Case{"2\tตลาด\tตะ-หลาด\t市場\n", "mark"}, Case{"1\tตลาด\tตะ-หลาด\n", "4 TAB"},
                    Case{"1\tตลาด\tตะ-หลาด\t市場\textra\n", "4 TAB"}, Case{"1 ตลาด ตะ-หลาด 市場\n", "4 TAB"},
                    Case{"1\tติมอร์-เลสเต\tติ-มอ\t東ティモール\n", "not a Thai letter"},
                    Case{"1\tตลาด๑\tตะ-หลาด\t市場\n", "not a Thai letter"}, Case{"1\t\tตะ\t市場\n", "empty"},
                    Case{"1\tตลาด\tตะ--หลาด\t市場\n", "empty syllable"}, Case{"1\tตลาด\t\t市場\n", "respelling is empty"},
                    Case{"1\tตลาด\tตะ-หลาด\t\n", "gloss is empty"}, Case{"1\tตลาด\tตะ-หลาด\t\xFF\n", "UTF-8"}));

TEST(WordListTest, KeepsFieldsSyllablesAndLinesOfSoundEntries)
{
    Problems problems;
    auto list = ParseWordList("w.txt", "\xEF\xBB\xBF" "1\tมหาวิทยาลัย\tมะ-หา-วิด-ทะ-ยา-ลัย\t大学\n# note\n0\tคน\tคน\t人\n", problems);
    ASSERT_TRUE(problems.empty());
    ASSERT_EQ(list.entries.size(), 2u);
    const auto& e = list.entries[0];
    EXPECT_EQ(e.line, 1);
    EXPECT_TRUE(e.precut);
    EXPECT_EQ(e.thai, u"มหาวิทยาลัย");
    EXPECT_EQ(e.syllables, (std::vector<std::u16string>{u"มะ", u"หา", u"วิด", u"ทะ", u"ยา", u"ลัย"}));
    EXPECT_EQ(e.gloss, u"大学");
    EXPECT_EQ(list.entries[1].line, 3);
    EXPECT_FALSE(list.entries[1].precut);
}

TEST(WordListTest, RefusesAFileThatIsNotUtf8AsAWhole)
{
    Problems problems;
    auto list = ParseWordList("w.txt", std::string("\xFF\xFE" "1\0\t\0", 6), problems);
    EXPECT_TRUE(list.entries.empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 0);
    EXPECT_NE(problems[0].reason.find("UTF-8"), std::string::npos);
}

} // namespace
} // namespace pralomen::data
