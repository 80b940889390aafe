#include "jt/OrderedTable.h"

#include <algorithm>

namespace pralomen {

void OrderedTable::newdata1(std::u16string key, std::u16string value)
{
    auto shorter = std::find_if(entries_.begin(), entries_.end(),
                                [&](const TableEntry& e) { return e.key.size() < key.size(); });
    entries_.insert(shorter, TableEntry{std::move(key), std::move(value)});
}

void OrderedTable::newdata3(std::u16string key, std::u16string value)
{
    entries_.insert(entries_.begin(), TableEntry{std::move(key), std::move(value)});
}

const TableEntry* OrderedTable::MatchAt(std::u16string_view s, std::size_t pos) const
{
    std::u16string_view rest = s.substr(std::min(pos, s.size()));
    for (const TableEntry& e : entries_)
        if (rest.starts_with(e.key)) return &e;
    return nullptr;
}

std::optional<std::u16string> OrderedTable::Find(std::u16string_view token) const
{
    for (const TableEntry& e : entries_)
        if (e.key == token) return e.value;
    return std::nullopt;
}

} // namespace pralomen
