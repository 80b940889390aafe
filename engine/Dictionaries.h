// The segmenter's reading lists taken together: at a text position, the first list in the segmenter's
// order that holds a matching word, and within it the first such word in file order. One walk along the
// text finds it, however many lists and words there are.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/DataFiles.h"
#include "engine/PrefixTrie.h"
#include "engine/ReadingList.h"
#include "engine/TableStore.h"
#include "engine/Unit.h"

namespace pralomen {

// The section (0..4) of the idiom and poly volumes, from the first consonant at or after a position.
int SectionOf(char16_t c2);
// The reading lists in the order the segmenter tries them in a section.
std::vector<ReadingSource> SourcesFor(int section, bool withExtract);
// Every reading list the segmenter may use, each once, in registry order.
const std::vector<const char*>& SegmenterFiles();

class Dictionaries {
public:
    // tables[i] is the content of SegmenterFiles()[i].
    Dictionaries(const std::vector<TablePtr>& tables, bool withExtract);

    // Like trying Matching_Special on every list of the section in order, at the 1-based position dn.
    bool LookUp(const std::u16string& s1, int dn, char16_t c2, Unit& u) const;

private:
    struct Source {
        const ReadingIndex* index;
        int rule;
    };
    struct Hit {
        int source; // order of the list in the section
        int entry;  // the first entry of that list with this spelling
    };
    struct Section {
        std::vector<Source> sources;
        PrefixTrie trie;
        std::vector<std::vector<Hit>> hits; // per spelling, by source order
    };

    std::vector<TablePtr> tables_; // keeps the indexes alive
    std::array<Section, 5> sections_;
};

} // namespace pralomen
