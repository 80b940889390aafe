#include <gtest/gtest.h>

#include <random>

#include "engine/Replace.h"
#include "engine/ReplacementList.h"

using namespace pralomen;

namespace {

std::u16string Literal(const std::vector<Replacement>& entries, std::u16string text)
{
    for (const auto& e : entries) ReplaceStr(text, e.from, e.to);
    return text;
}

std::u16string RandomText(std::mt19937& rng, std::size_t minLen, std::size_t maxLen)
{
    static constexpr char16_t kLetters[] = {u'ก', u'.', u'ม', u'า', u' '};
    std::uniform_int_distribution<std::size_t> len(minLen, maxLen), pick(0, std::size(kLetters) - 1);
    std::u16string s(len(rng), u' ');
    for (auto& c : s) c = kLetters[pick(rng)];
    return s;
}

} // namespace

TEST(ReplacementList, AnExpansionMayBringInALaterEntry)
{
    const std::vector<Replacement> entries = {{u"กท.", u"[มก.]"}, {u"มก.", u"(x)"}};
    ReplacementList list(entries);
    EXPECT_EQ(list.Apply(u"กท. กท."), u"[(x)] [(x)]");
    EXPECT_EQ(list.Apply(u"มา"), u"มา");
}

TEST(ReplacementList, MatchesAcrossAnInsertedTextAreKept)
{
    const std::vector<Replacement> entries = {{u"a", u"xy"}, {u"yz", u"!"}};
    EXPECT_EQ(ReplacementList(entries).Apply(u"az"), u"x!");
}

TEST(ReplacementList, GivesTheLiteralResultOnRandomLists)
{
    std::mt19937 rng(9122026);
    for (int round = 0; round < 500; ++round) {
        std::vector<Replacement> entries;
        for (int i = 0; i < 5; ++i) entries.push_back({RandomText(rng, 1, 3), RandomText(rng, 0, 4)});
        ReplacementList list(entries);
        for (int t = 0; t < 10; ++t) {
            const std::u16string text = RandomText(rng, 0, 25);
            ASSERT_EQ(list.Apply(text), Literal(entries, text)) << round << "/" << t;
        }
    }
}
