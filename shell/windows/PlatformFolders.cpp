#include "shell/PlatformFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <system_error>

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

// An empty variable would put the folders at the root of the current drive; it counts as unset.
std::optional<std::wstring> Variable(const wchar_t* name)
{
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size <= 1) return std::nullopt;
    std::wstring value(size, L'\0');
    DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    value.resize(length);
    return value;
}

fs::path ShellFolder(int csidl)
{
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
    return fs::path(buffer);
}

fs::path VariableOrShellFolder(const wchar_t* name, int csidl)
{
    if (std::optional<std::wstring> value = Variable(name)) return fs::path(*value);
    return ShellFolder(csidl);
}

fs::path ExecutableFolder()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

// A copy run from a portable folder or installed on another drive carries its tables beside it.
fs::path ProgramFolder()
{
    fs::path beside = ExecutableFolder();
    std::error_code ec;
    if (!beside.empty() && fs::is_directory(beside / L"Tbl", ec)) return beside;
    return ProductFolder(VariableOrShellFolder(L"PROGRAMFILES", CSIDL_PROGRAM_FILES));
}

} // namespace

fs::path GetMyDocPath() { return ShellFolder(CSIDL_PERSONAL); }

FolderRoots LocateFolderRoots()
{
    FolderRoots roots;
    roots.AppData = VariableOrShellFolder(L"APPDATA", CSIDL_APPDATA);
    roots.Documents = GetMyDocPath();
    roots.ProgramFolder = ProgramFolder();
    return roots;
}

} // namespace pralomen::shell
