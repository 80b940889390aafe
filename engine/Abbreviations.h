// The abbreviation pass: listed abbreviations are expanded (framed by inserted spaces) or masked.
#pragma once

#include <string>

#include "engine/Conversion.h"

namespace pralomen {

// Sets conv.AbbreFlg when an expansion took place.
std::u16string AbbreviDecoder(Conversion& conv, const std::u16string& text);

} // namespace pralomen
