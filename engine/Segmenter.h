// Cutting one prepared Thai chunk into units, joining their readings and logging them.
#pragma once

#include <string>

#include "engine/Conversion.h"
#include "engine/Unit.h"

namespace pralomen {

// s1 is the chunk after the preparation passes, ending with a space.
void func_Kiru2(Conversion& conv, const std::u16string& s1, ChunkOutput& out);
// Appends one unit to the chunk's outputs.
void addWord(const PralomenOptions& opt, const Unit& unit, const std::u16string& spat, ChunkOutput& out);
// One numbered log line, when both the reading and the gloss are there.
void OutputLog(Conversion& conv, const std::u16string& sipa, const std::u16string& sthai, const std::u16string& sjpn);
// One numbered log line for a passed-through text, unless it is blank.
void OutputLogAscii(Conversion& conv, const std::u16string& sthai);

} // namespace pralomen
