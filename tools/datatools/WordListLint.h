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

} // namespace pralomen::data
