// The syllable recognisers. Each looks at the 1-based position dn of s1 and, when a rule fits,
// fills the unit (Thai text, kana, IPA, rule number, characters consumed) and returns true.
// On false the unit's strings are empty and its rule is 0.
#pragma once

#include <string>

#include "engine/Options.h"
#include "engine/Unit.h"

namespace pralomen {

bool Matching_hcon(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u); // consonant first
bool Matching_1ee(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);  // เ
bool Matching_2ee(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);  // แ
bool Matching_oo(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);   // โ
bool Matching_ai(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);   // ใ ไ
bool Matching_oy(const std::u16string& s1, int dn, Unit& u);                               // fixed words

} // namespace pralomen
