// The lookup takes the first entry that matches, not the longest, so a word must stand before every
// shorter entry of the same list that is a prefix of it.
#pragma once

#include <vector>

#include "tools/datatools/ReadingEntry.h"

namespace pralomen::data {

// Moves each word before the first of its prefixes; otherwise keeps the order of the entries.
std::vector<ReadingEntry> OrderLongerFirst(const std::vector<ReadingEntry>& entries);

} // namespace pralomen::data
