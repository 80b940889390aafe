#include "tools/datatools/EntryOrder.h"

#include <algorithm>
#include <unordered_set>

namespace pralomen::data {
namespace {

bool IsProperPrefix(const std::u16string& p, const std::u16string& w)
{
    return p.size() < w.size() && w.starts_with(p);
}

bool HasPlacedPrefix(const std::u16string& w, const std::unordered_set<std::u16string>& placed)
{
    for (std::size_t n = 1; n < w.size(); ++n)
        if (placed.contains(w.substr(0, n))) return true;
    return false;
}

} // namespace

std::vector<ReadingEntry> OrderLongerFirst(const std::vector<ReadingEntry>& entries)
{
    // Inserting each word just before its first placed prefix keeps every longer word that was placed
    // earlier ahead of it, since such a word stands before that prefix too.
    std::vector<ReadingEntry> ordered;
    std::unordered_set<std::u16string> placed;
    for (const auto& e : entries) {
        auto at = ordered.end();
        if (HasPlacedPrefix(e.thai, placed))
            at = std::find_if(ordered.begin(), ordered.end(),
                              [&](const ReadingEntry& p) { return IsProperPrefix(p.thai, e.thai); });
        ordered.insert(at, e);
        placed.insert(e.thai);
    }
    return ordered;
}

} // namespace pralomen::data
