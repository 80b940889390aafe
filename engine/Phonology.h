// The consonant table, the two-letter onsets, the tone rules and the kana synthesis of one syllable.
#pragma once

#include <string>
#include <string_view>

#include "engine/Options.h"

namespace pralomen {

// Onset sound, final sound and tone class (1 low, 2 mid, 3 high, 0 none) of a consonant letter.
void GetConsoInfo(char16_t c1, std::u16string& hipa, std::u16string& eipa, int& gp);
// One of the 23 two-letter onsets (whole-string comparison).
bool IsDoubleConso(std::u16string_view sx);
// The onset sound of a two-letter onset, or "" when sx is none.
std::u16string GetDblConsoIpa(std::u16string_view sx);

// Tone number (1 mid, 2 low, 3 falling, 4 high, 5 rising, 0 undetermined) from the class of the first
// letter of s1, the tone-mark number mm and the syllable mode s_mode (0 live, 1 dead short, 2 dead long).
int GetToneNumber(std::u16string_view s1, int mm, int s_mode);
// The IPA combining mark and the kana arrow of a tone number.
void GetToneSign(int tn, std::u16string& tsp, std::u16string& tsk);

// Kana of a syllable with a simple vowel, in the internal notation; reads SiFlg.
std::u16string GetNormalKana(std::u16string_view hcons, std::u16string_view vowel, std::u16string_view econs,
                             std::u16string_view tone, const PralomenOptions& opt);
// Kana of a syllable with one of the diphthongs ia, ɯa, ua (short or long); reads SiFlg.
std::u16string GetComplexKana(std::u16string_view hcons, std::u16string_view vowel, std::u16string_view econs,
                              std::u16string_view tone, const PralomenOptions& opt);

} // namespace pralomen
