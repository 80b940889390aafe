// The folders every part of the program uses, fixed once at start-up, and the user's folder tree.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pralomen::shell {

// The three places the folders hang from; found by the platform (PlatformFolders.h).
struct FolderRoots {
    std::filesystem::path AppData;       // per-user application data
    std::filesystem::path Documents;     // the user's documents folder
    std::filesystem::path ProgramFolder; // the installed program's data: holds Tbl and Help
};

struct FolderVars {
    std::filesystem::path SysFolder;     // settings file and version marker
    std::filesystem::path UsrTblFolder;  // the tables the engine reads and the user may edit
    std::filesystem::path UsrFolder;     // parent of the class folders
    std::filesystem::path SysTextFolder;
    std::filesystem::path UsrTextFolder;
    std::filesystem::path ProgFolder;    // source of the table installation
    std::filesystem::path HelpFolder;    // guide file
};

// What SetFolderVars found and made. The warnings are for the user, in the order they arose,
// as UTF-16 text ready for a message box.
struct FolderSetup {
    FolderVars Folders;
    std::vector<std::u16string> Warnings;
};

// root\Tessaril\Pralomen, the folder of this program below any root.
std::filesystem::path ProductFolder(const std::filesystem::path& root);

// The folder names below each root; nothing is created.
FolderVars MakeFolderVars(const FolderRoots& roots);

// The eighteen class folders below UsrFolder, in the order they are made.
std::vector<std::filesystem::path> ClassFolders(const FolderVars& folders);

// Creates the class folders, SysFolder, UsrTblFolder and UsrTextFolder with their parents;
// returns one warning for each that could not be made.
std::vector<std::u16string> CreateFolderTree(const FolderVars& folders);

// The folders of this platform, with the user's tree created.
FolderSetup SetFolderVars();

} // namespace pralomen::shell
