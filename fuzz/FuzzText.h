// Turns fuzzer bytes into UTF-16 text that reaches the interesting corners quickly: Thai letters and
// signs, the codes the pipeline uses internally, control characters, lone surrogates and long runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pralomen::fuzz {

inline constexpr char16_t kThaiBlock = 0x0E00;
inline constexpr char16_t kHiraganaBlock = 0x3040;

// Two bytes make one step. The first byte chooses the kind, the second the character within it:
// mostly letters of the 128 code points from letterBase on; the kind "repeat" repeats the last
// character up to 2047 times. The text stops at 16384 characters;
// longer texts are the command-line tests' business, as they are too slow for the fuzzer.
std::u16string MakeFuzzText(std::string_view bytes, char16_t letterBase = kThaiBlock);

// The bytes as raw UTF-16 code units, little-endian; an odd last byte becomes a unit of its own.
std::u16string RawUnits(std::string_view bytes);

} // namespace pralomen::fuzz
