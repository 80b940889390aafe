#include "shell/TableInstall.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "engine/TextFile.h"
#include "shell/DurableFile.h"
#include "shell/LeafMarker.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> PlainFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) files.push_back(it->path());
    return files;
}

bool SameContent(const fs::path& a, const fs::path& b)
{
    std::optional<std::string> first = ReadFileBytes(a);
    std::optional<std::string> second = ReadFileBytes(b);
    return first && second && *first == *second;
}

// Not fs::copy_file: with MinGW it takes any two files for the same one and refuses to overwrite.
// Replacing in one step also means a failed copy never leaves half a table.
bool CopyOver(const fs::path& from, const fs::path& to)
{
    std::optional<std::string> bytes = ReadFileBytes(from);
    return bytes && ReplaceFileContents(to, *bytes);
}

// True when the target may now be replaced: nothing to keep, or kept safely.
bool BackUp(const fs::path& source, const fs::path& target, const fs::path& backup)
{
    if (backup.empty() || SameContent(source, target)) return true;
    std::error_code ec;
    fs::create_directories(backup, ec);
    return CopyOver(target, backup / target.filename());
}

// The backup folder is named after the newest marker of another version, if any is there.
fs::path BackupFolderFor(const fs::path& sysFolder, const std::string& leafFile)
{
    std::optional<unsigned long long> newest;
    for (const std::string& name : OtherLeafFiles(sysFolder, leafFile))
        if (std::optional<unsigned long long> n = LeafNumber(name); n && (!newest || *n > *newest)) newest = n;
    if (!newest) return {};
    return sysFolder / ("Backup" + std::to_string(*newest));
}

} // namespace

void DirCopyFiles2(const fs::path& src, const fs::path& dst, bool overwrite, const fs::path& backup)
{
    std::error_code ec;
    if (!fs::is_directory(src, ec) || !fs::is_directory(dst, ec)) return;
    for (const fs::path& file : PlainFiles(src)) {
        fs::path target = dst / file.filename();
        bool present = fs::exists(target, ec);
        if (!present || (overwrite && BackUp(file, target, backup))) CopyOver(file, target);
    }
}

bool InstallProc(const FolderVars& folders, const fs::path& backup)
{
    fs::path source = folders.ProgFolder / "Tbl";
    std::error_code ec;
    if (PlainFiles(source).empty() || !fs::is_directory(folders.UsrTblFolder, ec)) return false;
    DirCopyFiles2(source, folders.UsrTblFolder, true, backup);
    return true;
}

InstallOutcome EnsureTablesInstalled(const FolderVars& folders)
{
    std::error_code ec;
    if (folders.SysFolder.empty() || !fs::is_directory(folders.SysFolder, ec)) return InstallOutcome::NoSystemFolder;
    const std::string leafFile = MakeLeafFileName();
    const fs::path marker = folders.SysFolder / leafFile;
    if (fs::exists(marker, ec)) return InstallOutcome::AlreadyInstalled;
    if (!InstallProc(folders, BackupFolderFor(folders.SysFolder, leafFile))) return InstallOutcome::NothingToInstall;
    MakeLeafFile(marker);
    DeleteOldLeafFiles(folders.SysFolder, leafFile);
    return InstallOutcome::Installed;
}

} // namespace pralomen::shell
