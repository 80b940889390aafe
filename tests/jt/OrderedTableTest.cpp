#include <gtest/gtest.h>

#include "TableFolder.h"
#include "jt/OrderedTable.h"

namespace pralomen::test {
namespace {

std::vector<std::string> Keys(const OrderedTable& table)
{
    std::vector<std::string> keys;
    for (const TableEntry& e : table.Entries()) keys.push_back(U8(e.key));
    return keys;
}

struct OrderCase {
    const char* name;
    std::vector<std::string> added; // in order of newdata1
    std::vector<std::string> expected;
};

class TableOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(TableOrder, LongestFirstEqualLengthsAsAdded)
{
    OrderedTable table;
    for (const std::string& key : GetParam().added) table.newdata1(U(key), U("v"));
    EXPECT_EQ(Keys(table), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TableOrder,
    ::testing::Values(OrderCase{"ShortThenLong", {"か", "きゃ", "きゃー"}, {"きゃー", "きゃ", "か"}},
                      OrderCase{"EqualLengthsKeepOrder", {"か", "き", "く"}, {"か", "き", "く"}},
                      OrderCase{"Interleaved", {"a", "bb", "c", "dd", "eee", "f"}, {"eee", "bb", "dd", "a", "c", "f"}},
                      OrderCase{"SameKeyTwice", {"か", "か"}, {"か", "か"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableOrder, newdata3GoesAheadOfLongerKeys)
{
    OrderedTable table;
    table.newdata1(U("きゃー"), U("long"));
    table.newdata1(U("か"), U("short"));
    table.newdata3(U("に"), U("first"));
    table.newdata3(U("な"), U("front"));
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"な", "に", "きゃー", "か"}));
}

} // namespace
} // namespace pralomen::test
