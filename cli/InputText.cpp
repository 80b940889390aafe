#include "cli/InputText.h"

#include <ostream>

#include "engine/Utf.h"

namespace pralomen::cli {

std::u16string DecodeInputLine(const std::string& text, std::size_t lineNumber, std::string_view command,
                               std::ostream& err)
{
    const auto bad = FirstInvalidUtf8(text);
    if (bad != std::string::npos)
        err << command << ": line " << lineNumber << ": invalid UTF-8 at byte offset " << bad
            << ", replaced with U+FFFD\n";
    return Utf8ToUtf16(text);
}

} // namespace pralomen::cli
