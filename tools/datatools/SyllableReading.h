// The reading of one respelled syllable, by the engine's own syllable rules, so that dictionary words
// carry exactly the notation that rule-read syllables carry.
#pragma once

#include <string>

#include "engine/Options.h"

namespace pralomen::data {

struct SyllableReading {
    std::u16string ipa;
    std::u16string kana;
};

// A syllable is regular Thai spelling that the rules read as one unit covering all of it, or a hand-written
// reading "{ipa|kana}" in the internal notation. Returns "" on success, otherwise why it cannot be read.
std::string ReadRespelledSyllable(const std::u16string& syllable, const PralomenOptions& opt, SyllableReading& out);

} // namespace pralomen::data
