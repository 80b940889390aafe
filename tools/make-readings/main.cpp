// Makes the installed reading lists from their word sources, or checks the sources.
//   make-readings --out DIR SOURCE...   write DIR/<name of each source> in the installed form
//   make-readings --check [--cuts FILE] SOURCE...
//                                       report faulty entries (exit status 1 when there are any), then
//                                       hints on hidden words, splitting pre-cut words and entries that the
//                                       mid-cut strings of FILE (UTF-8 comma text) cut
// A SOURCE may be a folder, meaning its *.txt files.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "engine/Options.h"
#include "engine/TextFile.h"
#include "tools/datatools/ListPlacement.h"
#include "tools/datatools/ReadingEntry.h"
#include "tools/datatools/SourceFiles.h"
#include "tools/datatools/TableFolder.h"
#include "tools/datatools/TableText.h"
#include "tools/datatools/WordListLint.h"

namespace fs = std::filesystem;
using namespace pralomen;
using namespace pralomen::data;

namespace {

int Usage()
{
    std::cerr << "usage: make-readings --out DIR SOURCE...\n"
                 "       make-readings --check [--cuts FILE] SOURCE...\n";
    return 2;
}

void Print(const Problems& problems, std::ostream& out)
{
    for (const auto& p : problems) out << FormatProblem(p) << '\n';
}

int WriteLists(const fs::path& outDir, const std::vector<fs::path>& sources, const PralomenOptions& opt)
{
    std::error_code ec;
    fs::create_directories(outDir, ec);
    Problems problems;
    int status = 0;
    for (const auto& source : sources) {
        auto name = source.filename().string();
        if (!ReadFileBytes(source)) problems.push_back({source.string(), 0, "cannot be read"});
        if (!WriteTableFile(outDir / name, ReadingListLines(source, name, opt, problems))) {
            std::cerr << (outDir / name).string() << ": cannot be written\n";
            status = 1;
        }
    }
    for (const auto& p : problems) std::cerr << "warning: " << FormatProblem(p) << " (left out)\n";
    return status;
}

int CheckLists(const std::vector<fs::path>& sources, const std::vector<CutEntry>& cuts, const PralomenOptions& opt)
{
    Problems problems;
    std::vector<NamedList> lists;
    std::size_t made = 0;
    for (const auto& source : sources) {
        auto bytes = ReadFileBytes(source);
        if (!bytes) {
            problems.push_back({source.string(), 0, "cannot be read"});
            continue;
        }
        auto name = source.filename().string();
        auto list = ParseWordList(source.string(), *bytes, problems);
        auto placement = CheckListPlacement(name, list);
        problems.insert(problems.end(), placement.begin(), placement.end());
        made += MakeReadingEntries(list, opt, problems).size();
        lists.push_back({name, std::move(list)});
    }
    Print(problems, std::cout);
    for (const auto& hint : FindShadowedWords(lists)) std::cout << "hint: " << hint << '\n';
    for (const auto& hint : FindSplittingPreCuts(lists)) std::cout << "hint: " << hint << '\n';
    for (const auto& hint : FindEntriesCutByMidCut(cuts, lists)) std::cout << "hint: " << hint << '\n';
    std::cout << made << " entries made, " << problems.size() << " problems\n";
    return problems.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    PralomenOptions opt;
    InitPralomenVars(opt);
    if (args.size() >= 3 && args[0] == "--out")
        return WriteLists(args[1], ExpandSourcePaths({args.begin() + 2, args.end()}), opt);
    if (args.size() >= 4 && args[0] == "--check" && args[1] == "--cuts") {
        auto cuts = ReadFileBytes(args[2]);
        if (!cuts) std::cerr << args[2] << ": cannot be read\n";
        return CheckLists(ExpandSourcePaths({args.begin() + 3, args.end()}), CutEntriesOfTable(Utf8TableLines(cuts.value_or(""))), opt);
    }
    if (args.size() >= 2 && args[0] == "--check") return CheckLists(ExpandSourcePaths({args.begin() + 1, args.end()}), {}, opt);
    return Usage();
}
