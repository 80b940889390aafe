// The engine's data files, parsed once and kept in memory; a file is parsed again when its
// modification time or size changes, so an edit takes effect at the next conversion.
#pragma once

#include <any>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <typeindex>
#include <vector>

namespace pralomen {

// One file as lines cut into fields. Indexes built from it are kept beside it and dropped with it.
class Table {
public:
    Table() = default;
    explicit Table(std::vector<std::vector<std::u16string>> rows, bool exists)
        : rows_(std::move(rows)), exists_(exists) {}

    const std::vector<std::vector<std::u16string>>& Rows() const { return rows_; }
    bool Exists() const { return exists_; }

    // The index of type T built from this table by build(), built at the first request.
    template <class T>
    const T& Index(const std::function<T(const Table&)>& build) const
    {
        std::lock_guard lock(indexMutex_);
        auto& slot = indexes_[std::type_index(typeid(T))];
        if (!slot.has_value()) slot = std::make_shared<const T>(build(*this));
        return *std::any_cast<std::shared_ptr<const T>>(slot);
    }

private:
    std::vector<std::vector<std::u16string>> rows_;
    bool exists_ = false;
    mutable std::mutex indexMutex_;
    mutable std::map<std::type_index, std::any> indexes_;
};

using TablePtr = std::shared_ptr<const Table>;

class TableStore {
public:
    explicit TableStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // How long a file's content is trusted before its time stamp and size are looked at again. Zero (the
    // default) looks at every request; a batch of conversions may look less often.
    void SetRecheckInterval(std::chrono::steady_clock::duration interval) { recheck_ = interval; }

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path PathOf(const std::string& fileName) const { return folder_ / fileName; }

    // The current content of a file of the folder; a missing or unreadable file is an empty table.
    TablePtr Get(const std::string& fileName);

    // An index of type T built from several tables, rebuilt only when one of them was reloaded.
    template <class T>
    std::shared_ptr<const T> Combined(const std::vector<TablePtr>& sources,
                                      const std::function<T(const std::vector<TablePtr>&)>& build)
    {
        std::lock_guard lock(mutex_);
        auto& slot = combined_[std::type_index(typeid(T))];
        if (!slot.value.has_value() || slot.sources != sources) {
            slot.sources = sources;
            slot.value = std::make_shared<const T>(build(sources));
        }
        return std::any_cast<std::shared_ptr<const T>>(slot.value);
    }

private:
    struct CombinedEntry {
        std::vector<TablePtr> sources;
        std::any value;
    };
    struct Entry {
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        TablePtr table;
        std::chrono::steady_clock::time_point checked{};
    };
    std::filesystem::path folder_;
    std::chrono::steady_clock::duration recheck_{};
    std::mutex mutex_;
    std::map<std::string, Entry> entries_;
    std::map<std::type_index, CombinedEntry> combined_;
};

// Parses a file's bytes into a table (exposed for the tests and the fuzzers).
TablePtr ParseTable(std::string_view bytes);

} // namespace pralomen
