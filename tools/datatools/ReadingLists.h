// The reading lists of the table registry in the order the segmenter tries them, with the rule each
// reports and, for the idiom and poly volumes, the section of first consonants a volume serves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen::data {

struct ReadingList {
    std::string file;
    int rule = 0;
    int section = 0; // 1-5 for a volume, 0 for a list consulted at every position
};

const std::vector<ReadingList>& ReadingListsInLookupOrder();
const ReadingList* FindReadingList(std::string_view file);

// The section (1-5) by which the segmenter picks the volume for a word: that of its first consonant,
// section 1 when it has none.
int SectionOfWord(std::u16string_view thai);

// Whether a list is consulted at a position where a word of the given section starts.
bool IsConsultedFor(const ReadingList& list, int section);

} // namespace pralomen::data
