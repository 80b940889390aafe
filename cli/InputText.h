// Text read from the command line or standard input, as the engine takes it.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace pralomen::cli {

// The UTF-16 form of one input line. Invalid UTF-8 becomes U+FFFD, and err gets one warning naming the
// command, the line and the byte offset, so that a damaged file is not mistaken for odd Thai.
std::u16string DecodeInputLine(const std::string& text, std::size_t lineNumber, std::string_view command,
                               std::ostream& err);

} // namespace pralomen::cli
