// The command line of pralomen-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/Options.h"

namespace pralomen::cli {

struct CliRequest {
    bool labo = false;
    bool json = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> tables;
    PralomenOptions options;
    std::vector<std::string> texts; // none: read standard input, one conversion per line
};

// Parses the arguments after the program name; on a bad argument returns nothing and sets error.
std::optional<CliRequest> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

extern const char kUsage[];

} // namespace pralomen::cli
