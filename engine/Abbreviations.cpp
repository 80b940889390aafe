#include "engine/Abbreviations.h"

#include "engine/DataFiles.h"
#include "engine/Replace.h"
#include "engine/ReplacementList.h"

namespace pralomen {
namespace {

std::vector<Replacement> EnabledEntries(const Table& table, bool skip)
{
    std::vector<Replacement> entries;
    for (const auto& row : table.Rows()) {
        if (row.size() < 3 || row[0] != u"1") continue;
        // A masked abbreviation keeps its length; an expansion stands apart from its neighbours.
        entries.push_back({row[1], skip ? std::u16string(row[1].size(), u'⁕')
                                        : Replaced(u" " + row[2] + u" ", u" ", u"ΦSP")});
    }
    return entries;
}

struct Expansions : ReplacementList {
    explicit Expansions(const Table& t) : ReplacementList(EnabledEntries(t, false)) {}
};
struct Masks : ReplacementList {
    explicit Masks(const Table& t) : ReplacementList(EnabledEntries(t, true)) {}
};

} // namespace

std::u16string AbbreviDecoder(Conversion& conv, const std::u16string& text)
{
    const auto& table = conv.Table(abbreviationFile);
    if (!table->Exists()) return text;
    const ReplacementList& list =
        conv.opt.AbbreSkipFlg ? static_cast<const ReplacementList&>(table->Index<Masks>([](const Table& t) { return Masks(t); }))
                              : table->Index<Expansions>([](const Table& t) { return Expansions(t); });
    std::u16string result = list.Apply(text);
    if (result != text && !conv.opt.AbbreSkipFlg) conv.AbbreFlg = true;
    return result;
}

} // namespace pralomen
