#include <gtest/gtest.h>

#include <random>

#include "engine/Dictionaries.h"
#include "engine/ThaiChars.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;

namespace {

// The segmenter's lookup as it reads: every list of the section in order, each entry in file order.
bool SequentialLookUp(TableStore& store, bool withExtract, const std::u16string& s1, int dn, Unit& u)
{
    for (const auto& source : SourcesFor(SectionOf(SearchCons(s1, dn)), withExtract)) {
        const auto table = store.Get(source.file);
        if (table->Exists() && Matching_Special(ReadingsOf(*table), source.rule, s1, dn, u)) return true;
    }
    u = {};
    return false;
}

std::u16string RandomThai(std::mt19937& rng, std::size_t len)
{
    static constexpr char16_t kLetters[] = {u'ก', u'า', u'ร', u'ะ', u'ม', u'ี', u'เ', u'ว', u'ส'};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kLetters) - 1);
    std::u16string s;
    for (std::size_t i = 0; i < len; ++i) s.push_back(kLetters[pick(rng)]);
    return s;
}

} // namespace

TEST(Dictionaries, OneWalkFindsWhatTryingEveryListInTurnFinds)
{
    std::mt19937 rng(424242);
    const char* files[] = {placeNameFile, categoryFile, polyKCSFile, polyMYRLFile, polyWSHAFile,
                           idiomKCSFile, extractFile, category2File, monoSyllFile};
    for (int round = 0; round < 60; ++round) {
        TempTables tables;
        TableStore store(tables.Dir());
        for (const char* f : files) {
            if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) continue; // some lists are missing
            std::vector<std::u16string> lines;
            for (int i = 0; i < 6; ++i)
                lines.push_back(u"0," + RandomThai(rng, 1 + rng() % 4) + u",ipa" + std::u16string(1, u'0' + i) +
                                u",kana,gloss");
            std::u16string text;
            for (const auto& l : lines) text += l + u"\r\n";
            tables.WriteBytes(f, pralomen::test::Utf16LeBytes(text));
        }
        for (bool withExtract : {true, false}) {
            std::vector<TablePtr> sources;
            for (const char* f : SegmenterFiles()) sources.push_back(store.Get(f));
            const Dictionaries dictionaries(sources, withExtract);
            for (int t = 0; t < 20; ++t) {
                const std::u16string text = RandomThai(rng, 12) + u" ";
                for (int dn = 1; dn <= static_cast<int>(text.size()); ++dn) {
                    Unit fast, slow;
                    const bool found = dictionaries.LookUp(text, dn, SearchCons(text, dn), fast);
                    ASSERT_EQ(found, SequentialLookUp(store, withExtract, text, dn, slow)) << round;
                    ASSERT_EQ(fast.sthai, slow.sthai);
                    ASSERT_EQ(fast.sipa, slow.sipa);
                    ASSERT_EQ(fast.rule, slow.rule);
                    ASSERT_EQ(fast.cnt, slow.cnt);
                }
            }
        }
    }
}
