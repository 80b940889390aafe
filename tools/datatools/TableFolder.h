// The installed table folder: one file for every name of the table registry, in the installed text form.
// Reading lists are made from the word sources, the other tables are taken from the plain sources as
// they are, and a table without a source is installed empty.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/Options.h"
#include "tools/datatools/Problem.h"

namespace pralomen::data {

struct TableSources {
    std::filesystem::path words;  // <list>.txt in the word-source form
    std::filesystem::path tables; // <table>.txt as UTF-8 comma text
    // Lines put in front of the pattern table's own source (the patterns of the syllable rules).
    std::vector<std::u16string> generatedPatterns;
};

// The lines of one reading list, made from its source file (empty when there is none).
std::vector<std::u16string> ReadingListLines(const std::filesystem::path& source, const std::string& fileName,
                                             const PralomenOptions& opt, Problems& problems);

// Writes every table into out (created when missing). Entries that cannot be made are left out and
// reported; the result is false only when a file cannot be written.
bool BuildTableFolder(const TableSources& sources, const std::filesystem::path& out, const PralomenOptions& opt,
                      Problems& problems);

} // namespace pralomen::data
