// Runs a program to its end as a user would: its input from a file, its output and errors to files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pralomen::robust {

struct ProgramOutcome {
    int exitCode = -1; // -1 when it was killed; on Windows a crash gives its exception code
    std::string out;
    std::string err;
};

// Arguments are UTF-8; input is the program's whole standard input.
ProgramOutcome RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                          const std::string& input);

} // namespace pralomen::robust
