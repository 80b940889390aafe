// Whether the IPA and the kana of a reading, both in the internal notation, describe the same syllables:
// one syllable for one syllable, the same tone (IPA mark and kana arrow) and the same vowel length, and
// only the codes that the decoders know.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen::data {

// IPA syllables are joined by "·", kana syllables by "・". Returns one reason per fault, none when the
// two agree.
std::vector<std::string> CheckReading(std::u16string_view ipa, std::u16string_view kana);

} // namespace pralomen::data
