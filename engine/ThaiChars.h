// Character classes of the Thai block, as table lookups on single UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

namespace pralomen {

// A Thai letter or sign that belongs to a Thai word chunk (U+0E01-U+0E4F, U+0E5A, U+0E5B).
bool IsNormThai(char16_t c1);
// A Thai digit U+0E50-U+0E59.
bool IsThaiNumber(char16_t c1);
// ก ข ค and ฆ..ฮ; the obsolete ฃ and ฅ are not consonants.
bool IsConsonant(char16_t c1);
// 1..4 for the tone marks ่ ้ ๊ ๋, 0 for anything else.
int IsToneMark(char16_t c1);
// A sign that cannot begin a syllable: true only for a one-character string holding one.
bool IsDependent(std::u16string_view sy);
bool IsDependentChar(char16_t c1);
// A stop final in the internal notation: "k", "t", "p" or "Φ?".
bool IsSokuon2(std::u16string_view eipa);
// Whether a vowel written in the internal notation is long.
bool IsLongVowel(std::u16string_view s1);
// The first consonant letter (U+0E01-U+0E2E) at or after the 1-based position dn, or U+0000.
char16_t SearchCons(std::u16string_view s1, int dn);

} // namespace pralomen
