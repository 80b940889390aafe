// The conversion of one chunk: a Thai word chunk through the preparation passes and the segmenter,
// or a chunk without Thai passed through.
#pragma once

#include <string>

#include "engine/Conversion.h"

namespace pralomen {

void ConvNormThai(Conversion& conv, const std::u16string& s1, ChunkOutput& out);
void NoConv(Conversion& conv, const std::u16string& s1, ChunkOutput& out);
// The reading of a chunk that is one consonant (only ณ has one).
void GetSingleSound(const PralomenOptions& opt, char16_t c, ChunkOutput& out);

} // namespace pralomen
