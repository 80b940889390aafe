#include "tools/datatools/Problem.h"

namespace pralomen::data {

std::string FormatProblem(const Problem& p)
{
    if (p.line <= 0) return p.file + ": " + p.reason;
    return p.file + ":" + std::to_string(p.line) + ": " + p.reason;
}

} // namespace pralomen::data
