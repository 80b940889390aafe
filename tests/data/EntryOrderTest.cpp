#include <gtest/gtest.h>

#include <algorithm>

#include "tools/datatools/EntryOrder.h"

namespace pralomen::data {
namespace {

std::vector<ReadingEntry> Entries(const std::vector<std::u16string>& words)
{
    std::vector<ReadingEntry> v;
    int line = 0;
    for (const auto& w : words) v.push_back({++line, false, w, u"", u"", u""});
    return v;
}

std::vector<std::u16string> Words(const std::vector<ReadingEntry>& entries)
{
    std::vector<std::u16string> v;
    for (const auto& e : entries) v.push_back(e.thai);
    return v;
}

struct Case {
    std::vector<std::u16string> in, out;
};

class EntryOrderTest : public testing::TestWithParam<Case> {};

TEST_P(EntryOrderTest, PutsLongerWordsBeforeTheirPrefixes)
{
    EXPECT_EQ(Words(OrderLongerFirst(Entries(GetParam().in))), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, EntryOrderTest,
    testing::Values(Case{{u"กา", u"กาแฟ"}, {u"กาแฟ", u"กา"}}, Case{{u"กาแฟ", u"กา"}, {u"กาแฟ", u"กา"}},
                    Case{{u"ก", u"กา", u"กาแฟ"}, {u"กาแฟ", u"กา", u"ก"}},
                    Case{{u"ข", u"กา", u"คน", u"กาแฟ"}, {u"ข", u"กาแฟ", u"กา", u"คน"}},
                    Case{{u"ไฟ", u"น้ำ", u"ไฟฟ้า", u"น้ำตาล", u"ไฟฟ้าดับ"},
                         {u"ไฟฟ้าดับ", u"ไฟฟ้า", u"ไฟ", u"น้ำตาล", u"น้ำ"}},
                    Case{{u"มา", u"มา"}, {u"มา", u"มา"}}, Case{{}, {}}));

// Whatever the source order, no word may stand after one of its prefixes.
TEST(EntryOrderTest, NoPrefixPrecedesItsWordInAnySourceOrder)
{
    std::vector<std::u16string> words = {u"ก", u"กา", u"กาแฟ", u"กาว", u"ข"};
    std::sort(words.begin(), words.end());
    do {
        auto ordered = Words(OrderLongerFirst(Entries(words)));
        ASSERT_EQ(ordered.size(), words.size());
        for (std::size_t i = 0; i < ordered.size(); ++i)
            for (std::size_t j = i + 1; j < ordered.size(); ++j)
                EXPECT_FALSE(ordered[j].size() > ordered[i].size() && ordered[j].starts_with(ordered[i]))
                    << testing::PrintToString(ordered);
    } while (std::next_permutation(words.begin(), words.end()));
}

} // namespace
} // namespace pralomen::data
