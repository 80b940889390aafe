// The source form of a reading list: one word a line, "mark<TAB>thai<TAB>respelling<TAB>gloss",
// the respelling written syllable by syllable in regular Thai spelling, syllables joined by "-".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/datatools/Problem.h"

namespace pralomen::data {

struct WordEntry {
    int line = 0;
    bool precut = false; // mark "1": the word also takes part in the pre-cut pass
    std::u16string thai;
    std::vector<std::u16string> syllables;
    std::u16string gloss;
};

struct WordList {
    std::string file; // the name the problems are reported under
    std::vector<WordEntry> entries;
};

// Parses the UTF-8 text of a source file. Lines starting with "#" and blank lines are skipped; a line
// that is not well formed is left out and reported.
WordList ParseWordList(const std::string& file, std::string_view utf8, Problems& problems);

} // namespace pralomen::data
