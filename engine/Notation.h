// Decoders of the internal phonetic notation: codes such as "ΦG" or "μヂ" become the final text
// under the options.
#pragma once

#include <string>

#include "engine/Options.h"

namespace pralomen {

std::u16string DecodeIpa(std::u16string s, const PralomenOptions& opt);
// Also trims the result.
std::u16string DecodeKana(std::u16string s, const PralomenOptions& opt);
// Pattern texts: the IPA codes, then the nine vowel-sign symbols.
std::u16string DecodePat(std::u16string s, const PralomenOptions& opt);
// Any text of a passed-through chunk, for the log.
std::u16string TotalDecode(std::u16string s);

} // namespace pralomen
