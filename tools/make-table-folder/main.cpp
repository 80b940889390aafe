// Builds the program's table folder: every table of the registry in the installed form.
//   make-table-folder --words DIR --tables DIR --out DIR
// Faulty entries are left out with a warning; the exit status is non-zero only when a file cannot be
// written, so that one bad entry never stops the build.
#include <iostream>
#include <map>
#include <string>

#include "engine/Options.h"
#include "tools/datatools/PatternTable.h"
#include "tools/datatools/TableFolder.h"

using namespace pralomen;
using namespace pralomen::data;

namespace {

// A build log full of warnings helps nobody; the checker lists them all.
void ReportLeftOut(const Problems& problems)
{
    constexpr std::size_t shown = 20;
    for (std::size_t i = 0; i < problems.size() && i < shown; ++i)
        std::cerr << "warning: " << FormatProblem(problems[i]) << " (left out)\n";
    if (problems.size() > shown)
        std::cerr << "warning: " << problems.size() - shown
                  << " more problems; run make-readings --check on the word sources for the full list\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2) args[argv[i]] = argv[i + 1];
    if (argc != 7 || !args.contains("--words") || !args.contains("--tables") || !args.contains("--out")) {
        std::cerr << "usage: make-table-folder --words DIR --tables DIR --out DIR\n";
        return 2;
    }
    PralomenOptions opt;
    InitPralomenVars(opt);
    TableSources sources{args["--words"], args["--tables"], RecogniserPatternLines()};
    Problems problems;
    bool written = BuildTableFolder(sources, args["--out"], opt, problems);
    ReportLeftOut(problems);
    return written ? 0 : 1;
}
