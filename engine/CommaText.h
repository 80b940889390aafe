// The one rule by which every line of a data file, the settings file and the chunk list is cut
// into fields: commas or blanks separate, a double-quoted field may hold either.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

std::vector<std::u16string> SplitCommaText(std::u16string_view line);

// The same fields handed over one at a time, so that a long text never holds all its chunks at once.
void ForEachCommaField(std::u16string_view line, const std::function<void(std::u16string&&)>& visit);

} // namespace pralomen
