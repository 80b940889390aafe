#include "engine/Glossary.h"

namespace pralomen {

GlossIndex::GlossIndex(const Table& table)
{
    for (const auto& row : table.Rows())
        if (row.size() >= 3 && row[0] == u"1") glosses_.try_emplace(row[1], row[2]);
}

std::u16string GlossIndex::Find(const std::u16string& sthai) const
{
    auto it = glosses_.find(sthai);
    return it == glosses_.end() ? std::u16string() : it->second;
}

std::u16string GetJapanese(const Table& glossTable, const std::u16string& sthai)
{
    return glossTable.Index<GlossIndex>([](const Table& t) { return GlossIndex(t); }).Find(sthai);
}

} // namespace pralomen
