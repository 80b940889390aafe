// Where this platform keeps per-user data, the user's documents and the installed program.
#pragma once

#include "shell/FolderVars.h"

namespace pralomen::shell {

FolderRoots LocateFolderRoots();

// The user's documents folder as the platform reports it.
std::filesystem::path GetMyDocPath();

} // namespace pralomen::shell
