#include "engine/ReadingList.h"

#include <functional>

#include "engine/ThaiChars.h"

namespace pralomen {

ReadingIndex::ReadingIndex(const Table& table)
{
    for (const auto& row : table.Rows()) {
        if (row.size() < 5 || row[1].empty()) continue;
        trie_.Insert(row[1], static_cast<int>(entries_.size()));
        entries_.push_back({row[1], row[2], row[3], row[4]});
    }
}

int ReadingIndex::FirstMatch(const std::u16string& s1, std::size_t pos) const
{
    int best = -1;
    trie_.ForEachPrefix(std::u16string_view(s1).substr(pos), [&](std::size_t n, int index) {
        const std::size_t after = pos + n;
        const bool followerFree = after >= s1.size() || !IsDependentChar(s1[after]);
        if (followerFree && (best < 0 || index < best)) best = index;
    });
    return best;
}

const ReadingIndex& ReadingsOf(const Table& table)
{
    return table.Index<ReadingIndex>([](const Table& t) { return ReadingIndex(t); });
}

bool Matching_Special(const ReadingIndex& index, int patnum, const std::u16string& s1, int dn, Unit& u)
{
    u = {};
    if (dn < 1 || static_cast<int>(s1.size()) - dn + 1 < 2) return false;
    const int hit = index.FirstMatch(s1, static_cast<std::size_t>(dn - 1));
    if (hit < 0) return false;
    const auto& e = index.Entries()[hit];
    u.sthai = e.spelling;
    u.sipa = e.ipa;
    u.skana = e.kana;
    u.sjpn = e.gloss;
    u.rule = patnum;
    u.cnt = static_cast<int>(e.spelling.size());
    return true;
}

} // namespace pralomen
