// The parts of the process environment that locate the user's folders, so that the rules that
// read them can be tried on any environment.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "shell/FolderVars.h"

namespace pralomen::shell {

struct UserEnvironment {
    std::function<std::optional<std::string>(const char* name)> Variable;
    std::filesystem::path Home;       // $HOME, or the account's home folder
    std::filesystem::path Executable; // the running program
};

UserEnvironment CurrentUserEnvironment();

// APPDATA and PROGRAMFILES when set; otherwise the XDG data home, the XDG documents folder and the
// share/pralomen folder beside the executable's bin/.
FolderRoots LocateFolderRoots(const UserEnvironment& env);

// $XDG_DOCUMENTS_DIR, else its entry in user-dirs.dirs, else ~/Documents.
std::filesystem::path DocumentsFolder(const UserEnvironment& env);

} // namespace pralomen::shell
