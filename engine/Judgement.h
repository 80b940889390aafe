// The judgement lamp's colours.
#pragma once

#include <cstdint>
#include <string_view>

namespace pralomen {

enum class JudgeColor { White, Blue, Red, Cyan, Yellow, Green };

// The colour as 0x00BBGGRR (blue in the high byte, red in the low byte).
std::uint32_t ColorValue(JudgeColor c);
// "white", "blue", "red", "cyan", "yellow", "green".
std::string_view ColorName(JudgeColor c);

} // namespace pralomen
