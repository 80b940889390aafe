// UTF-8 and UTF-16 conversions at the edges of the engine.
#pragma once

#include <string>
#include <string_view>

namespace pralomen {

// Invalid or truncated sequences become U+FFFD, one per offending byte.
std::u16string Utf8ToUtf16(std::string_view s);
// Lone surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);
// The decimal text of a number.
std::u16string Decimal(long long n);

// The byte offset of the first invalid UTF-8 sequence, or npos when s is valid.
std::size_t FirstInvalidUtf8(std::string_view s);

} // namespace pralomen
