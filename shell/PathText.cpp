#include "shell/PathText.h"

#include "engine/Utf.h"

namespace pralomen::shell {

std::u16string PathText(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
#else
    // Not path::u16string(): it throws on names that are not valid UTF-8.
    return Utf8ToUtf16(path.native());
#endif
}

} // namespace pralomen::shell
