// What the build put into the program's data folder.
#include <gtest/gtest.h>

#include <set>

#include "engine/CommaText.h"
#include "engine/DataFiles.h"
#include "engine/RuleTables.h"
#include "engine/TextFile.h"
#include "engine/Utf.h"
#include "tools/datatools/ReadingCheck.h"
#include "tools/datatools/ReadingLists.h"

namespace pralomen::data {
namespace {

namespace fs = std::filesystem;
const fs::path kTbl = PRALOMEN_TBL_DIR;

std::vector<std::vector<std::u16string>> Rows(const std::string& name)
{
    std::vector<std::vector<std::u16string>> rows;
    for (const auto& line : DecodeTextLines(ReadFileBytes(kTbl / name).value_or("")))
        if (auto fields = SplitCommaText(line); !fields.empty()) rows.push_back(fields);
    return rows;
}

TEST(InstalledTablesTest, EveryRegistryTableIsThereInTheInstalledForm)
{
    for (const auto& name : AllTableFileNames()) {
        auto bytes = ReadFileBytes(kTbl / name);
        ASSERT_TRUE(bytes) << name;
        EXPECT_TRUE(bytes->starts_with("\xFF\xFE")) << name;
        EXPECT_EQ(bytes->size() % 2, 0u) << name;
    }
}

TEST(InstalledTablesTest, EveryReadingEntryIsWellFormedAndConsistent)
{
    for (const auto& list : ReadingListsInLookupOrder())
        for (const auto& row : Rows(list.file)) {
            ASSERT_EQ(row.size(), 5u) << list.file << " " << Utf16ToUtf8(row[1]);
            EXPECT_TRUE(row[0] == u"0" || row[0] == u"1");
            auto faults = CheckReading(row[2], row[3]);
            EXPECT_TRUE(faults.empty()) << list.file << " " << Utf16ToUtf8(row[1]) << ": " << faults.front();
        }
}

TEST(InstalledTablesTest, AbbreviationsAndCutsAreEnabledThreeFieldLines)
{
    for (const char* name : {abbreviationFile, midCutFile})
        for (const auto& row : Rows(name)) {
            if (row[0].starts_with(u"#")) continue;
            EXPECT_EQ(row.size(), 3u) << name << " " << Utf16ToUtf8(row[1]);
            EXPECT_EQ(row[0], u"1") << name;
            EXPECT_FALSE(row[1].empty()) << name;
        }
}

// The pass replaces the abbreviations in file order, everywhere in the text: a later one that contains an
// earlier one could never match whole, and one found inside an expansion would be expanded again.
TEST(InstalledTablesTest, NoAbbreviationIsCutIntoByAnotherOne)
{
    auto rows = Rows(abbreviationFile);
    EXPECT_GE(rows.size(), 100u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& abbreviation = rows[i][1];
        EXPECT_EQ(abbreviation.find_first_of(u" \""), std::u16string::npos) << "write spaces and quotes as codes";
        for (std::size_t j = 0; j < rows.size(); ++j) {
            if (i == j) continue;
            if (j < i) {
                EXPECT_EQ(abbreviation.find(rows[j][1]), std::u16string::npos)
                    << Utf16ToUtf8(rows[j][1]) << " is replaced before " << Utf16ToUtf8(abbreviation);
            }
            EXPECT_EQ(rows[j][2].find(abbreviation), std::u16string::npos)
                << Utf16ToUtf8(abbreviation) << " is inside the expansion of " << Utf16ToUtf8(rows[j][1]);
        }
    }
}

// The pattern window explains whatever rule number a conversion reports.
TEST(InstalledTablesTest, ThePatternTableDescribesEveryRuleNumber)
{
    std::set<std::u16string> described;
    for (const auto& row : Rows(refPatternFile))
        if (row.size() == 6) described.insert(row[0]);
    std::set<int> rules = {0, 600, 800, 900};
    for (const auto& d : RecogniserRuleDescriptions()) rules.insert(d.rule);
    for (const auto& list : ReadingListsInLookupOrder()) rules.insert(list.rule);
    for (int rule : rules) {
        std::string n = std::to_string(rule);
        EXPECT_TRUE(described.contains(std::u16string(n.begin(), n.end()))) << "rule " << rule;
    }
}

TEST(InstalledTablesTest, TheGuideIsInstalledAsUtf8WithMark)
{
    auto bytes = ReadFileBytes(fs::path(PRALOMEN_HELP_DIR) / "Guide.txt");
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(FirstInvalidUtf8(*bytes), std::string::npos);
    EXPECT_GT(bytes->size(), 10000u);
}

} // namespace
} // namespace pralomen::data
