#include "engine/Dictionaries.h"

#include <algorithm>
#include <cstring>

#include "engine/ThaiChars.h"

namespace pralomen {

int SectionOf(char16_t c2)
{
    if (c2 <= 0x0E0C) return 0;
    if (c2 <= 0x0E18) return 1;
    if (c2 <= 0x0E20) return 2;
    if (c2 <= 0x0E26) return 3;
    return 4;
}

std::vector<ReadingSource> SourcesFor(int section, bool withExtract)
{
    std::vector<ReadingSource> sources = {
        {placeNameFile, 620}, {categoryFile, 650}, {mokuonFile, 500}, {tokuSpecialFile, 520},
        kIdiomVolumes[section], kPolyVolumes[section], {toneIrregFile, 590}, {shortToLongFile, 560},
        {foreignFile, 510}, {overTwoFile, 530}, {longToShortFile, 540}, {doubleReadFile, 550}};
    if (withExtract) sources.push_back({extractFile, 570});
    sources.insert(sources.end(), {{isanFile, 700}, {monoSyllFile, 640}, {category2File, 651}});
    return sources;
}

const std::vector<const char*>& SegmenterFiles()
{
    static const std::vector<const char*> files = [] {
        std::vector<const char*> all;
        for (int section = 0; section < 5; ++section)
            for (const auto& s : SourcesFor(section, true))
                if (std::none_of(all.begin(), all.end(), [&](const char* f) { return std::strcmp(f, s.file) == 0; }))
                    all.push_back(s.file);
        return all;
    }();
    return files;
}

Dictionaries::Dictionaries(const std::vector<TablePtr>& tables, bool withExtract) : tables_(tables)
{
    const auto& files = SegmenterFiles();
    auto tableOf = [&](const char* file) -> const Table& {
        const auto at = std::find_if(files.begin(), files.end(), [&](const char* f) { return std::strcmp(f, file) == 0; });
        return *tables_[static_cast<std::size_t>(at - files.begin())];
    };
    for (int s = 0; s < 5; ++s) {
        Section& section = sections_[s];
        for (const auto& source : SourcesFor(s, withExtract)) {
            const Table& table = tableOf(source.file);
            if (!table.Exists()) continue;
            const int order = static_cast<int>(section.sources.size());
            section.sources.push_back({&ReadingsOf(table), source.rule});
            const auto& entries = section.sources.back().index->Entries();
            for (std::size_t e = 0; e < entries.size(); ++e) {
                int id = section.trie.Find(entries[e].spelling);
                if (id < 0) {
                    id = static_cast<int>(section.hits.size());
                    section.hits.emplace_back();
                    section.trie.Insert(entries[e].spelling, id);
                }
                auto& hits = section.hits[id];
                if (hits.empty() || hits.back().source != order) hits.push_back({order, static_cast<int>(e)});
            }
        }
    }
}

bool Dictionaries::LookUp(const std::u16string& s1, int dn, char16_t c2, Unit& u) const
{
    u = {};
    if (dn < 1 || static_cast<int>(s1.size()) - dn + 1 < 2) return false;
    const Section& section = sections_[SectionOf(c2)];
    const std::size_t pos = static_cast<std::size_t>(dn - 1);
    const Hit* best = nullptr;
    section.trie.ForEachPrefix(std::u16string_view(s1).substr(pos), [&](std::size_t n, int id) {
        const std::size_t after = pos + n;
        if (after < s1.size() && IsDependentChar(s1[after])) return;
        const Hit& first = section.hits[id].front();
        if (!best || first.source < best->source || (first.source == best->source && first.entry < best->entry))
            best = &first;
    });
    if (!best) return false;
    const Source& source = section.sources[best->source];
    const ReadingEntry& e = source.index->Entries()[best->entry];
    u.sthai = e.spelling;
    u.sipa = e.ipa;
    u.skana = e.kana;
    u.sjpn = e.gloss;
    u.rule = source.rule;
    u.cnt = static_cast<int>(e.spelling.size());
    return true;
}

} // namespace pralomen
