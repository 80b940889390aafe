// An ordered list of replacements applied one after another to a whole text (the abbreviation and
// mid-cut passes), visiting only the entries that can occur in the text.
#pragma once

#include <string>
#include <vector>

#include "engine/PrefixTrie.h"

namespace pralomen {

struct Replacement {
    std::u16string from, to;
};

class ReplacementList {
public:
    explicit ReplacementList(std::vector<Replacement> entries);

    const std::vector<Replacement>& Entries() const { return entries_; }
    // The same text as replacing every entry in turn, each over the whole text.
    std::u16string Apply(std::u16string text) const;

private:
    std::vector<bool> CandidatesIn(const std::u16string& text) const;

    std::vector<Replacement> entries_;
    PrefixTrie fromTrie_;
    std::vector<std::vector<int>> entriesOf_;  // distinct from-text id -> entries with it
    std::vector<std::vector<int>> introduces_; // entry -> entries whose from-text its to-text holds
    bool mayCross_ = false; // an inserted text could form a from-text together with its neighbours
};

} // namespace pralomen
