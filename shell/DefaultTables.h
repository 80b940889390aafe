// The table folder for a tool that is given none, found by the same rules as the program's folders.
#pragma once

#include <filesystem>

#include "shell/FolderVars.h"

namespace pralomen::shell {

// UsrTblFolder when it exists, else ProgFolder/Tbl when it exists, else empty. Creates nothing.
std::filesystem::path DefaultTableFolder(const FolderVars& folders);

// The same for this platform's folders.
std::filesystem::path DefaultTableFolder();

} // namespace pralomen::shell
