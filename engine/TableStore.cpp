#include "engine/TableStore.h"

#include "engine/CommaText.h"
#include "engine/TextFile.h"

namespace pralomen {

TablePtr ParseTable(std::string_view bytes)
{
    std::vector<std::vector<std::u16string>> rows;
    for (const auto& line : DecodeTextLines(bytes)) {
        auto fields = SplitCommaText(line);
        if (!fields.empty()) rows.push_back(std::move(fields));
    }
    return std::make_shared<const Table>(std::move(rows), true);
}

TablePtr TableStore::Get(const std::string& fileName)
{
    static const TablePtr kMissing = std::make_shared<const Table>();
    const auto path = PathOf(fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return kMissing;
    const auto time = std::filesystem::last_write_time(path, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(path, ec);
    std::lock_guard lock(mutex_);
    auto& entry = entries_[fileName];
    if (entry.table && !ec && entry.time == time && entry.size == size) return entry.table;
    auto bytes = ReadFileBytes(path);
    entry.table = bytes ? ParseTable(*bytes) : kMissing;
    entry.time = time;
    entry.size = size;
    return entry.table;
}

} // namespace pralomen
