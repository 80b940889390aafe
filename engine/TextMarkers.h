// The rewriting steps around a conversion: spaces, quotes and full stops become codes before the text is
// cut into chunks of one character type, and the codes are undone afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

std::u16string ReplaceSpaceRep(std::u16string s);
// The vowel ำ typed as its two parts, nikhahit and า (with a tone mark before or between them, as
// keyboards allow), becomes the one character the syllable rules read.
std::u16string ComposeSaraAm(std::u16string_view s);
std::u16string ConvertLeader(std::u16string s);
std::u16string InsertVerticalLine(std::u16string s);
std::u16string DoubleQuoteEncode(std::u16string s);
std::u16string SpaceEncode(std::u16string s);
std::u16string RemoveCommaInThaiNumber(const std::u16string& s);
std::u16string DoubleQuoteDecode(std::u16string s);
std::u16string SpaceDecode(std::u16string s);
std::u16string RemoveVerticalLine(std::u16string s);

// "1" Thai letter or sign, "5" Thai digit, "3" anything else, one per character.
std::u16string JudgeState(std::u16string_view s);
// The chunks as comma text, each in double quotes.
std::u16string GetBaseThai(std::u16string_view s, std::u16string_view types);
// 1, 5 or 3 by the first character; 3 for an empty chunk.
int GetType(std::u16string_view s);
// Exactly one input space code in the text.
bool IsInOneSpace(std::u16string_view s);

} // namespace pralomen
