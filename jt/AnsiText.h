// Text in the system's ANSI code page, for table files saved without a byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace pralomen {

// Windows: the active code page. Elsewhere our users are Japanese, so Shift-JIS as code page 932.
// A byte sequence the code page cannot decode becomes U+FFFD, one per offending byte.
std::u16string AnsiToUtf16(std::string_view bytes);

} // namespace pralomen
