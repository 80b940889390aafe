// The working key/value table of one conversion step: longest key first, keys of equal length in the
// order they were added, so the first key that fits at a position is the longest one that fits.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

struct TableEntry {
    std::u16string key;
    std::u16string value;
};

class OrderedTable {
public:
    // Inserts before the first entry whose key is shorter, or at the end when there is none.
    void newdata1(std::u16string key, std::u16string value);
    // Inserts ahead of every entry, whatever the key's length.
    void newdata3(std::u16string key, std::u16string value);

    // The first entry whose key is the text of s at pos (only keys that fit in the rest of s).
    const TableEntry* MatchAt(std::u16string_view s, std::size_t pos) const;
    // The value of the first entry whose key equals token.
    std::optional<std::u16string> Find(std::u16string_view token) const;

    bool empty() const { return entries_.empty(); }
    const std::vector<TableEntry>& Entries() const { return entries_; }

private:
    std::vector<TableEntry> entries_;
};

} // namespace pralomen
