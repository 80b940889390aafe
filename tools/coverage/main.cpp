// Converts every line of a Thai text and reports how much of it the engine reads without losing a
// character, by lines and by words, with the words that lose characters most often.
//   coverage [--tables DIR] [--check] [--top N] FILE
// FILE is UTF-8, one conversion a line; lines without Thai are skipped. --check converts without the
// dictionary files (check mode). The missing characters of a red word are shown in brackets.
#include <cstdio>
#include <iostream>
#include <string>

#include "engine/Engine.h"
#include "engine/TextFile.h"
#include "engine/Utf.h"
#include "tools/datatools/Coverage.h"

using namespace pralomen;
using namespace pralomen::data;

namespace {

struct Arguments {
    std::string tables = ".";
    bool check = false;
    int top = 30;
    std::string file;
};

bool Parse(int argc, char** argv, Arguments& a)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--check") a.check = true;
        else if (arg == "--tables" && i + 1 < argc) a.tables = argv[++i];
        else if (arg == "--top" && i + 1 < argc) a.top = std::stoi(argv[++i]);
        else if (a.file.empty() && !arg.starts_with("--")) a.file = arg;
        else return false;
    }
    return !a.file.empty();
}

void PrintShares(const char* what, int total, const CoverageTally& t, double (CoverageTally::*share)(JudgeColor) const)
{
    std::printf("%s: %d  blue %.1f%%  cyan %.1f%%  yellow %.1f%%  red %.1f%%\n", what, total,
                (t.*share)(JudgeColor::Blue), (t.*share)(JudgeColor::Cyan), (t.*share)(JudgeColor::Yellow),
                (t.*share)(JudgeColor::Red));
}

} // namespace

int main(int argc, char** argv)
{
    Arguments a;
    try {
        if (!Parse(argc, argv, a)) throw std::invalid_argument("usage");
    } catch (const std::exception&) {
        std::cerr << "usage: coverage [--tables DIR] [--check] [--top N] FILE\n";
        return 2;
    }
    auto bytes = ReadFileBytes(a.file);
    if (!bytes) {
        std::cerr << a.file << ": cannot be read\n";
        return 1;
    }
    Engine engine(a.tables);
    engine.Options().UseFilesFlg = !a.check;
    MemoryLog log;
    CoverageTally tally;
    for (const auto& line : SplitLines(Utf8ToUtf16(*bytes))) {
        if (!HoldsThai(line)) continue;
        tally.AddLine(engine.YomiConv2(line, log).color);
        for (const auto& word : ThaiTokens(line)) {
            auto r = engine.YomiConv2(word, log);
            tally.AddWord(r.color, r.color == JudgeColor::Red ? MarkMissing(word, r.allThai) : word);
        }
    }
    PrintShares("lines", tally.Lines(), tally, &CoverageTally::LineShare);
    PrintShares("words", tally.Words(), tally, &CoverageTally::WordShare);
    int shown = 0;
    for (const auto& [word, count] : tally.RedWords()) {
        if (shown++ == a.top) break;
        std::cout << count << '\t' << Utf16ToUtf8(word) << '\n';
    }
    return 0;
}
