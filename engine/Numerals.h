// Reading a run of Thai digits as a Thai number.
#pragma once

#include <string>

#include "engine/Conversion.h"

namespace pralomen {

struct NumberWord {
    std::u16string thai, kana, ipa;
};

NumberWord GetThaiBaseNumber(char16_t c);
NumberWord GetThaiSecondNumber(char16_t c); // units after another digit: ๑ is เอ็ด
NumberWord GetThaiThirdNumber(char16_t c);  // tens: ๑ is silent, ๒ is ยี่
std::u16string GetThaiNumberStrings(const std::u16string& s1);

// Sets conv.ThaiNumberConvFlg and logs the value.
void ConvThaiNumber3(Conversion& conv, const std::u16string& s1, ChunkOutput& out);
// Beyond seven digits the number is read digit by digit.
void ConvThaiBaraNumber(const std::u16string& s1, ChunkOutput& out);

} // namespace pralomen
