// The unit that the fixed words, the signs ฯ and ๆ or the syllable recognisers find at a position,
// without the dictionary files.
#pragma once

#include <string>

#include "engine/Options.h"
#include "engine/Unit.h"

namespace pralomen {

// Rule number of the two signs ฯ and ๆ, which are never logged.
inline constexpr int kSignRule = 900;

// dn is 1-based. Returns false when no source takes the character at dn.
bool ReadSyllableAt(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);

} // namespace pralomen
