// How pralomen-cli prints one conversion.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/Engine.h"

namespace pralomen::cli {

// The kana line, then the IPA line.
void PrintPlain(std::ostream& out, const ConversionResult& r);
// One JSON object on one line: thai, kana, ipa, pattern, color, log.
void PrintJson(std::ostream& out, const ConversionResult& r, const std::vector<std::u16string>& log);
std::string JsonString(const std::u16string& s);

} // namespace pralomen::cli
