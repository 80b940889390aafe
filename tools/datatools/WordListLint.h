// Hints for the writers of the reading lists, across all lists: a word that a word of a list consulted
// earlier hides, and a pre-cut word that would split other entries.
#pragma once

#include <string>
#include <vector>

#include "tools/datatools/WordList.h"

namespace pralomen::data {

struct NamedList {
    std::string fileName; // bare registry name, for instance "category.txt"
    WordList list;
};

// "w (F:line) is hidden by p (G:line)": p is looked up first at the position where w starts, and p is
// w itself or a prefix of w not followed by a vowel or tone sign.
std::vector<std::string> FindShadowedWords(const std::vector<NamedList>& lists);

// A word marked for the pre-cut pass gets a space on each side wherever it occurs, so every other entry
// that contains it (not followed there by a dependent sign) can no longer be found.
std::vector<std::string> FindSplittingPreCuts(const std::vector<NamedList>& lists);

// The mid-cut pass puts a space before every occurrence of its strings (and may rewrite them), so an
// entry that holds one after its first letter, or holds one that is rewritten, can no longer be found.
struct CutEntry {
    std::u16string text;
    std::u16string replacement;
};
std::vector<CutEntry> CutEntriesOfTable(const std::vector<std::u16string>& lines);
std::vector<std::string> FindEntriesCutByMidCut(const std::vector<CutEntry>& cuts, const std::vector<NamedList>& lists);

} // namespace pralomen::data
