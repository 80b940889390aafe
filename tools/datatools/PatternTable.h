// The lines of the pattern table that describe the rules of the syllable recognisers and the fixed
// words, made from the recognisers' own rule tables.
#pragma once

#include <string>
#include <vector>

namespace pralomen::data {

// "rule,recogniser,composition,note,vowel kana,vowel IPA", one line per rule number.
std::vector<std::u16string> RecogniserPatternLines();

} // namespace pralomen::data
