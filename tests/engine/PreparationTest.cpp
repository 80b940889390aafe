#include <gtest/gtest.h>

#include <random>

#include "engine/Conversion.h"
#include "engine/DataFiles.h"
#include "engine/PreparationPasses.h"
#include "engine/ReadingList.h"
#include "engine/Replace.h"
#include "engine/ThaiChars.h"
#include "TestTables.h"

using namespace pralomen;
using pralomen::test::TempTables;

namespace {

// The passes as they read literally: every marked word of every file in turn, over the whole text.
std::u16string ReferencePreCut(const std::vector<std::u16string>& words, std::u16string text)
{
    for (const auto& w : words) ReplaceStrChk(text, w, u" " + w + u" ");
    return text;
}

// Every entry in file order, compared at the position.
int ReferenceLookup(const std::vector<ReadingEntry>& entries, const std::u16string& s1, std::size_t pos)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& w = entries[i].spelling;
        const std::u16string candidate = s1.substr(pos, w.size());
        const std::size_t after = pos + w.size();
        const bool followerFree = after >= s1.size() || !IsDependentChar(s1[after]);
        if (candidate == w && followerFree) return static_cast<int>(i);
    }
    return -1;
}

// Short words over a tiny alphabet with consonants, vowels and dependent signs, so that words
// overlap, nest and meet dependent followers often.
std::u16string RandomThai(std::mt19937& rng, std::size_t len)
{
    static constexpr char16_t kLetters[] = {u'ก', u'า', u'น', u'ะ', u'ม', u'ี', u'เ', u' '};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kLetters) - 1);
    std::u16string s;
    for (std::size_t i = 0; i < len; ++i) s.push_back(kLetters[pick(rng)]);
    return s;
}

std::u16string RandomWord(std::mt19937& rng)
{
    std::u16string w;
    while (w.empty() || w.find(u' ') != std::u16string::npos)
        w = RandomThai(rng, std::uniform_int_distribution<std::size_t>(1, 4)(rng));
    return w;
}

} // namespace

TEST(PreCut, TheFirstOccurrenceBeforeADependentSignStopsTheWord)
{
    TempTables tables;
    TableStore store(tables.Dir());
    MemoryLog log;
    tables.Write(categoryFile, {u"1,มา,maa,マー,来る"});
    Conversion conv(PralomenOptions{}, store, log);
    EXPECT_EQ(func_External(conv, u"มาก มา "), u" มา ก  มา  ");
    EXPECT_EQ(func_External(conv, u"มาา มา "), u"มาา มา ");
}

TEST(PreCut, MidCutReplacesEveryListedString)
{
    TempTables tables;
    TableStore store(tables.Dir());
    MemoryLog log;
    tables.Write(midCutFile, {u"1,กากา,\"กา กา\"", u"0,มา,x"});
    Conversion conv(PralomenOptions{}, store, log);
    EXPECT_EQ(func_MidCut(conv, u"กากามา "), u" กา กามา ");
}

TEST(PreCut, IndexedPassesGiveTheLiteralResultsOnRandomInput)
{
    std::mt19937 rng(20261209);
    for (int round = 0; round < 200; ++round) {
        TempTables tables;
        TableStore store(tables.Dir());
        MemoryLog log;
        std::vector<std::u16string> rows;
        for (int i = 0; i < 8; ++i) {
            const std::u16string w = RandomWord(rng);
            rows.push_back((i % 3 == 2 ? u"0," : u"1,") + w + u",ipa,kana,gloss");
        }
        tables.Write(categoryFile, {rows[0], rows[1], rows[2], rows[3]});
        tables.Write(toneIrregFile, {rows[4], rows[5]});
        tables.Write(isanFile, {rows[6], rows[7]});
        std::vector<TablePtr> sources;
        for (const char* f : kPreCutFiles) sources.push_back(store.Get(f));
        const auto words = PreCutWords(sources);
        Conversion conv(PralomenOptions{}, store, log);
        const auto index = ReadingIndex(*store.Get(categoryFile));
        for (int t = 0; t < 10; ++t) {
            const std::u16string text = RandomThai(rng, 30) + u" ";
            ASSERT_EQ(func_External(conv, text), ReferencePreCut(words, text)) << round << "/" << t;
            for (std::size_t p = 0; p < text.size(); ++p)
                ASSERT_EQ(index.FirstMatch(text, p), ReferenceLookup(index.Entries(), text, p)) << round;
        }
    }
}
