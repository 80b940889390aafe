#include "tools/datatools/ReadingLists.h"

#include "engine/DataFiles.h"
#include "engine/ThaiChars.h"

namespace pralomen::data {

const std::vector<ReadingList>& ReadingListsInLookupOrder()
{
    static const std::vector<ReadingList> lists = [] {
        std::vector<ReadingList> v = {
            {placeNameFile, 620, 0}, {categoryFile, 650, 0}, {mokuonFile, 500, 0}, {tokuSpecialFile, 520, 0}};
        for (int s = 0; s < 5; ++s) v.push_back({kIdiomVolumes[s].file, kIdiomVolumes[s].rule, s + 1});
        for (int s = 0; s < 5; ++s) v.push_back({kPolyVolumes[s].file, kPolyVolumes[s].rule, s + 1});
        v.insert(v.end(), {{toneIrregFile, 590, 0},  {shortToLongFile, 560, 0}, {foreignFile, 510, 0},
                           {overTwoFile, 530, 0},    {longToShortFile, 540, 0}, {doubleReadFile, 550, 0},
                           {extractFile, 570, 0},    {isanFile, 700, 0},        {monoSyllFile, 640, 0},
                           {category2File, 651, 0}});
        return v;
    }();
    return lists;
}

const ReadingList* FindReadingList(std::string_view file)
{
    for (const auto& list : ReadingListsInLookupOrder())
        if (list.file == file) return &list;
    return nullptr;
}

int SectionOfWord(std::u16string_view thai)
{
    char16_t c2 = SearchCons(thai, 1);
    if (c2 <= u'\u0E0C') return 1; // also when there is no consonant (U+0000)
    if (c2 <= u'\u0E18') return 2;
    if (c2 <= u'\u0E20') return 3;
    if (c2 <= u'\u0E26') return 4;
    return 5;
}

bool IsConsultedFor(const ReadingList& list, int section)
{
    return list.section == 0 || list.section == section;
}

} // namespace pralomen::data
