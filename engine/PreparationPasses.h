// The passes that prepare a Thai chunk for the segmenter: listed strings are cut (mid-cut), and the
// marked dictionary words get a space on each side (pre-cut), so that no syllable swallows their edges.
#pragma once

#include <string>

#include "engine/Conversion.h"

namespace pralomen {

std::u16string func_MidCut(Conversion& conv, std::u16string text);
std::u16string func_External(Conversion& conv, const std::u16string& text);
// The pre-cut words in their order of application, one entry per (file, line).
std::vector<std::u16string> PreCutWords(const std::vector<TablePtr>& tables);

} // namespace pralomen
