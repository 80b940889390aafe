#include <gtest/gtest.h>

#include "TableFolder.h"
#include "jt/OrderedTable.h"
#include "jt/TableFiles.h"
#include "jt/TableText.h"

namespace pralomen::test {
namespace {

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class TableTextDecoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(TableTextDecoding, GivesTheLinesOfTheText)
{
    std::vector<std::u16string> expected;
    for (const std::string& line : GetParam().lines) expected.push_back(U(line));
    EXPECT_EQ(DecodeTableText(GetParam().bytes), expected);
}

// "か,ka" and "し" in each encoding a table file may come in.
INSTANTIATE_TEST_SUITE_P(
    Encodings, TableTextDecoding,
    ::testing::Values(
        EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF\xE3\x81\x8B,ka\r\n\xE3\x81\x97", {"か,ka", "し"}},
        EncodingCase{"Utf8WithoutMark", "\xE3\x81\x8B,ka\n\xE3\x81\x97\n", {"か,ka", "し"}},
        EncodingCase{"Utf16LittleEndian", std::string("\xFF\xFE\x4B\x30,\0k\0a\0\r\0\n\0\x57\x30", 16),
                     {"か,ka", "し"}},
        EncodingCase{"Utf16BigEndian", std::string("\xFE\xFF\x30\x4B\0,\0k\0a\0\r\x30\x57", 14), {"か,ka", "し"}},
        EncodingCase{"ShiftJisWithoutMark", "\x82\xA9,ka\r\x82\xB5", {"か,ka", "し"}},
        EncodingCase{"ShiftJisCodePage932Only", "\x87\x40", {"①"}},
        EncodingCase{"ShiftJisUndecodableByte", "\x82\xA9\xFF,ka", {"か\xEF\xBF\xBD,ka"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableFileReading, MissingFileIsNotRead)
{
    TableFolder folder;
    OrderedTable table;
    EXPECT_FALSE(LoadPairTable(folder.Path() / "absent.txt", table));
    EXPECT_TRUE(table.empty());
}

struct LineShapeCase {
    const char* line;
    bool used;
};

class PairLineShape : public ::testing::TestWithParam<LineShapeCase> {};

TEST_P(PairLineShape, OnlyTwoNonEmptyFieldsCount)
{
    TableFolder folder;
    folder.Write("t.txt", {GetParam().line});
    OrderedTable table;
    ASSERT_TRUE(LoadPairTable(folder.Path() / "t.txt", table));
    EXPECT_EQ(table.Entries().size(), GetParam().used ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Lines, PairLineShape,
                         ::testing::Values(LineShapeCase{"か,ka", true}, LineShapeCase{"  か ka  ", true},
                                           LineShapeCase{"\"か,\",ka", true}, LineShapeCase{"か", false},
                                           LineShapeCase{"か,ka,x", false}, LineShapeCase{",ka", false},
                                           LineShapeCase{"か,", false}, LineShapeCase{"\"\",ka", false},
                                           LineShapeCase{"#comment", false}, LineShapeCase{"", false}));

TEST(TableFileReading, SpecialLinesNeedFourFieldsAndArriveLastLineFirst)
{
    TableFolder folder;
    folder.Write("s.txt", {"とうきょう,$T$,โตเกียว,one", "きょうと,$K$,เกียวโต", "おおさか,$O$,โอซากา,two",
                           "なら,,นารา,three"});
    SpecialPhrases phrases;
    ASSERT_TRUE(LoadSpecialPhrases(folder.Path() / "s.txt", phrases));
    ASSERT_EQ(phrases.Entries().size(), 2u);
    EXPECT_EQ(phrases.Entries()[0].phrase, U("おおさか"));
    EXPECT_EQ(phrases.Entries()[1].phrase, U("とうきょう"));
    EXPECT_EQ(phrases.Entries()[1].message, U("one"));
}

} // namespace
} // namespace pralomen::test
