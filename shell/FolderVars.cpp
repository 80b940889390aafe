#include "shell/FolderVars.h"

#include <array>
#include <system_error>

#include "shell/PathText.h"
#include "shell/PlatformFolders.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

constexpr std::array EUName{"Class0", "Class1", "Class2", "Class3", "Class4", "Class5"};
constexpr std::array BKName{"bookA", "bookG", "bookS"};

// True when the folder is there afterwards, whether it was made now or before.
bool EnsureFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

// Fixed once, so that no later change of the current folder moves them.
FolderRoots Absolute(FolderRoots roots)
{
    std::error_code ec;
    for (fs::path* root : {&roots.AppData, &roots.Documents, &roots.ProgramFolder})
        if (!root->empty()) *root = fs::absolute(*root, ec);
    return roots;
}

} // namespace

fs::path ProductFolder(const fs::path& root) { return root / "Tessaril" / "Pralomen"; }

FolderVars MakeFolderVars(const FolderRoots& roots)
{
    FolderVars f;
    f.SysFolder = ProductFolder(roots.AppData) / "Sys";
    f.UsrTblFolder = ProductFolder(roots.AppData) / "Tbl";
    f.UsrFolder = ProductFolder(roots.Documents);
    f.SysTextFolder = f.UsrFolder / "usr";
    f.UsrTextFolder = f.SysTextFolder;
    f.ProgFolder = roots.ProgramFolder;
    f.HelpFolder = f.ProgFolder / "Help";
    return f;
}

std::vector<fs::path> ClassFolders(const FolderVars& folders)
{
    std::vector<fs::path> result;
    for (const char* eu : EUName)
        for (const char* bk : BKName) result.push_back(folders.UsrFolder / eu / bk);
    return result;
}

std::vector<std::u16string> CreateFolderTree(const FolderVars& folders)
{
    std::vector<std::u16string> warnings;
    for (const fs::path& leaf : ClassFolders(folders))
        if (!EnsureFolder(leaf)) warnings.push_back(PathText(leaf) + u"フォルダが作れませんでした。");
    if (!EnsureFolder(folders.SysFolder)) warnings.emplace_back(u"システムフォルダが作れませんでした。");
    if (!EnsureFolder(folders.UsrTblFolder)) warnings.emplace_back(u"テーブルフォルダが作れませんでした。");
    if (!EnsureFolder(folders.UsrTextFolder)) warnings.emplace_back(u"ユーザーテキストフォルダが作れませんでした。");
    return warnings;
}

FolderSetup SetFolderVars()
{
    FolderSetup setup;
    setup.Folders = MakeFolderVars(Absolute(LocateFolderRoots()));
    setup.Warnings = CreateFolderTree(setup.Folders);
    return setup;
}

} // namespace pralomen::shell
