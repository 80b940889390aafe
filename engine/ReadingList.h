// A reading list (one dictionary file) and the lookup of its words at a text position.
#pragma once

#include <string>
#include <vector>

#include "engine/PrefixTrie.h"
#include "engine/TableStore.h"
#include "engine/Unit.h"

namespace pralomen {

struct ReadingEntry {
    std::u16string spelling, ipa, kana, gloss;
};

// The lines with at least five fields, in file order, indexed by spelling.
class ReadingIndex {
public:
    explicit ReadingIndex(const Table& table);
    const std::vector<ReadingEntry>& Entries() const { return entries_; }
    // The first entry in file order whose spelling stands at the 0-based position and is not followed
    // by a dependent sign; -1 when none.
    int FirstMatch(const std::u16string& s1, std::size_t pos) const;

private:
    std::vector<ReadingEntry> entries_;
    PrefixTrie trie_;
};

// The index of a table, built at its first use and kept with it.
const ReadingIndex& ReadingsOf(const Table& table);

// Looks a word of the list up at the 1-based position dn; the unit reports patnum as its rule.
bool Matching_Special(const ReadingIndex& index, int patnum, const std::u16string& s1, int dn, Unit& u);

} // namespace pralomen
