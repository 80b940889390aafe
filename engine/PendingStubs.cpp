// Placeholders until the leading-vowel recognisers and the fixed words land; they match nothing.
#include "engine/Recognisers.h"

namespace pralomen {

bool Matching_1ee(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_2ee(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_oo(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_ai(const std::u16string&, int, const PralomenOptions&, Unit& u) { u = {}; return false; }
bool Matching_oy(const std::u16string&, int, Unit& u) { u = {}; return false; }

} // namespace pralomen
