#include "shell/DefaultTables.h"

#include <system_error>

#include "shell/PlatformFolders.h"

namespace pralomen::shell {

std::filesystem::path DefaultTableFolder(const FolderVars& folders)
{
    std::error_code ec;
    for (const std::filesystem::path& folder : {folders.UsrTblFolder, folders.ProgFolder / "Tbl"})
        if (!folder.empty() && std::filesystem::is_directory(folder, ec)) return folder;
    return {};
}

std::filesystem::path DefaultTableFolder() { return DefaultTableFolder(MakeFolderVars(LocateFolderRoots())); }

} // namespace pralomen::shell
