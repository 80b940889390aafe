#include "jt/TableFiles.h"

#include "engine/CommaText.h"
#include "jt/TableText.h"

namespace pralomen {
namespace {

// Calls use(fields) for every usable line of the file.
template <class Use>
bool ForEachRow(const std::filesystem::path& file, std::size_t fieldCount, Use use)
{
    auto lines = ReadTableLines(file);
    if (!lines) return false;
    for (const std::u16string& line : *lines) {
        std::vector<std::u16string> fields = SplitCommaText(line);
        if (fields.size() != fieldCount || fields[0].empty() || fields[1].empty()) continue;
        use(fields);
    }
    return true;
}

} // namespace

bool LoadPairTable(const std::filesystem::path& file, OrderedTable& table)
{
    return ForEachRow(file, 2, [&](std::vector<std::u16string>& f) { table.newdata1(std::move(f[0]), std::move(f[1])); });
}

bool LoadSpecialPhrases(const std::filesystem::path& file, SpecialPhrases& phrases)
{
    return ForEachRow(file, 4, [&](std::vector<std::u16string>& f) {
        phrases.newdata2({std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3])});
    });
}

} // namespace pralomen
