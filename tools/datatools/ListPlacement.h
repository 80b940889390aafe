// Faults of a word list as a whole that make entries dead: a file that is no reading list of the
// registry, a word in the volume of another section, a word written twice in one list.
#pragma once

#include "tools/datatools/WordList.h"

namespace pralomen::data {

// fileName is the bare name of the list (for instance "polyKCS.txt").
Problems CheckListPlacement(const std::string& fileName, const WordList& list);

} // namespace pralomen::data
