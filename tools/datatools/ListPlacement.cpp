#include "tools/datatools/ListPlacement.h"

#include <unordered_map>

#include "engine/Utf.h"
#include "tools/datatools/ReadingLists.h"

namespace pralomen::data {
namespace {

std::string VolumeOfSection(const std::string& fileName, int section)
{
    for (const auto& list : ReadingListsInLookupOrder())
        if (list.section == section && list.file.substr(0, 4) == fileName.substr(0, 4)) return list.file;
    return {};
}

} // namespace

Problems CheckListPlacement(const std::string& fileName, const WordList& list)
{
    Problems problems;
    const ReadingList* reading = FindReadingList(fileName);
    if (!reading) {
        problems.push_back({list.file, 0, fileName + " is not a reading list of the table registry"});
        return problems;
    }
    std::unordered_map<std::u16string, int> firstLine;
    for (const auto& e : list.entries) {
        auto [it, isNew] = firstLine.emplace(e.thai, e.line);
        if (!isNew)
            problems.push_back({list.file, e.line, "\"" + Utf16ToUtf8(e.thai) + "\" is already at line " +
                                                       std::to_string(it->second) + "; this entry is never used"});
        if (int section = SectionOfWord(e.thai); !IsConsultedFor(*reading, section))
            problems.push_back({list.file, e.line, "\"" + Utf16ToUtf8(e.thai) + "\" is never looked up in " + fileName +
                                                       "; it belongs in " + VolumeOfSection(fileName, section)});
    }
    return problems;
}

} // namespace pralomen::data
