#include "shell/PlatformFolders.h"

#include "shell/linux/UserEnvironment.h"

namespace pralomen::shell {

FolderRoots LocateFolderRoots() { return LocateFolderRoots(CurrentUserEnvironment()); }

std::filesystem::path GetMyDocPath() { return DocumentsFolder(CurrentUserEnvironment()); }

} // namespace pralomen::shell
