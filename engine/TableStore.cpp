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
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex_);
    auto& entry = entries_[fileName];
    if (entry.table && recheck_ > std::chrono::steady_clock::duration::zero() && now - entry.checked < recheck_)
        return entry.table;
    entry.checked = now;
    // A folder or a missing file has no size, so two looks at the file decide everything.
    const auto path = PathOf(fileName);
    std::error_code timeError, sizeError;
    const auto time = std::filesystem::last_write_time(path, timeError);
    const auto size = std::filesystem::file_size(path, sizeError);
    if (timeError || sizeError) {
        entry.table = kMissing;
        return entry.table;
    }
    if (entry.table && entry.table->Exists() && entry.time == time && entry.size == size) return entry.table;
    auto bytes = ReadFileBytes(path);
    entry.table = bytes ? ParseTable(*bytes) : kMissing;
    entry.time = time;
    entry.size = size;
    return entry.table;
}

} // namespace pralomen
