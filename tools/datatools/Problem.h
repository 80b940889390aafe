// A fault found in a data file, named by file and line so that its writer can find it.
#pragma once

#include <string>
#include <vector>

namespace pralomen::data {

struct Problem {
    std::string file;
    int line = 0; // 0 when the fault concerns the whole file
    std::string reason;
};

using Problems = std::vector<Problem>;

// "file:line: reason", or "file: reason" for a whole-file fault.
std::string FormatProblem(const Problem& p);

} // namespace pralomen::data
