// Filling the working tables from the table files. A line counts only when it splits into exactly the
// table's number of fields with a non-empty key and value; any other line is skipped without a word.
#pragma once

#include <filesystem>

#include "jt/OrderedTable.h"
#include "jt/FixedPhrases.h"

namespace pralomen {

// Two fields a line, added with newdata1. False when the file cannot be read.
bool LoadPairTable(const std::filesystem::path& file, OrderedTable& table);
// Four fields a line (phrase, marker token, Thai form, message), added with newdata2.
bool LoadSpecialPhrases(const std::filesystem::path& file, SpecialPhrases& phrases);

} // namespace pralomen
