#include "tools/datatools/TableFolder.h"

#include <set>

#include "engine/DataFiles.h"
#include "engine/TextFile.h"
#include "tools/datatools/EntryOrder.h"
#include "tools/datatools/ListPlacement.h"
#include "tools/datatools/ReadingEntry.h"
#include "tools/datatools/ReadingLists.h"
#include "tools/datatools/TableText.h"

namespace pralomen::data {
namespace {

namespace fs = std::filesystem;

std::vector<std::u16string> PlainTableLines(const fs::path& source)
{
    auto bytes = ReadFileBytes(source);
    return bytes ? Utf8TableLines(*bytes) : std::vector<std::u16string>{};
}

std::vector<std::u16string> TableLines(const TableSources& sources, const std::string& name,
                                       const PralomenOptions& opt, Problems& problems)
{
    if (FindReadingList(name)) return ReadingListLines(sources.words / name, name, opt, problems);
    auto lines = PlainTableLines(sources.tables / name);
    if (name == refPatternFile) lines.insert(lines.begin(), sources.generatedPatterns.begin(), sources.generatedPatterns.end());
    return lines;
}

// A source whose name the registry does not know would silently never be installed.
void ReportUnknownSources(const fs::path& folder, Problems& problems)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return;
    const auto& names = AllTableFileNames();
    std::set<std::string> known(names.begin(), names.end());
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt" &&
            !known.contains(entry.path().filename().string()))
            problems.push_back({entry.path().string(), 0, "not a table of the registry; it is not installed"});
}

} // namespace

std::vector<std::u16string> ReadingListLines(const fs::path& source, const std::string& fileName,
                                             const PralomenOptions& opt, Problems& problems)
{
    auto bytes = ReadFileBytes(source);
    if (!bytes) return {};
    auto list = ParseWordList(source.string(), *bytes, problems);
    // Misplaced and repeated words would never be found: they are left out like faulty ones.
    std::set<int> misplaced;
    for (auto& p : CheckListPlacement(fileName, list)) {
        misplaced.insert(p.line);
        problems.push_back(std::move(p));
    }
    std::erase_if(list.entries, [&](const WordEntry& e) { return misplaced.contains(e.line); });
    std::vector<std::u16string> lines;
    for (const auto& e : OrderLongerFirst(MakeReadingEntries(list, opt, problems))) lines.push_back(FormatReadingLine(e));
    return lines;
}

bool BuildTableFolder(const TableSources& sources, const fs::path& out, const PralomenOptions& opt, Problems& problems)
{
    std::error_code ec;
    fs::create_directories(out, ec);
    ReportUnknownSources(sources.words, problems);
    ReportUnknownSources(sources.tables, problems);
    bool written = true;
    for (const auto& name : AllTableFileNames())
        if (!WriteTableFile(out / name, TableLines(sources, name, opt, problems))) {
            problems.push_back({(out / name).string(), 0, "cannot be written"});
            written = false;
        }
    return written;
}

} // namespace pralomen::data
