// A line of an installed reading list: mark, Thai, IPA, kana and gloss.
#pragma once

#include <string>
#include <vector>

#include "engine/Options.h"
#include "tools/datatools/WordList.h"

namespace pralomen::data {

struct ReadingEntry {
    int line = 0; // line of the source entry
    bool precut = false;
    std::u16string thai;
    std::u16string ipa;  // syllables joined by "·"
    std::u16string kana; // syllables joined by "・"
    std::u16string gloss;
};

// Reads every syllable of the respelling and joins the readings. Returns "" on success, otherwise the
// reason the entry cannot be made (the first syllable that fails, or a disagreement of IPA and kana).
std::string MakeReadingEntry(const WordEntry& word, const PralomenOptions& opt, ReadingEntry& out);

// The entries of a source list that can be made, each failure reported with its line.
std::vector<ReadingEntry> MakeReadingEntries(const WordList& list, const PralomenOptions& opt, Problems& problems);

// A field of comma text: quoted when it is empty or holds a blank, a comma or a double quote, so that the
// comma-text split gives it back unchanged.
std::u16string CommaField(const std::u16string& field);
std::u16string FormatReadingLine(const ReadingEntry& e);

} // namespace pralomen::data
