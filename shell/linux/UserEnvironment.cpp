#include "shell/linux/UserEnvironment.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

// An empty variable counts as unset, as the XDG base directories have it.
std::optional<std::string> NonEmpty(const UserEnvironment& env, const char* name)
{
    std::optional<std::string> value = env.Variable(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

// Relative values are ignored, as the XDG base directories require.
fs::path XdgFolder(const UserEnvironment& env, const char* name, const fs::path& fallback)
{
    std::optional<std::string> value = NonEmpty(env, name);
    if (value && fs::path(*value).is_absolute()) return *value;
    return fallback;
}

// A value of user-dirs.dirs: "$HOME/..." or an absolute path, in double quotes, \ escaping.
std::optional<fs::path> UserDirValue(std::string_view quoted, const fs::path& home)
{
    if (quoted.size() < 2 || quoted.front() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < quoted.size() && quoted[i] != '"'; ++i) {
        if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
        text.push_back(quoted[i]);
    }
    constexpr std::string_view kHome = "$HOME";
    if (text.starts_with(kHome)) {
        std::string_view rest = std::string_view(text).substr(kHome.size());
        if (rest.empty()) return home;
        if (rest.front() != '/') return std::nullopt;
        return home / rest.substr(1);
    }
    if (!text.starts_with('/')) return std::nullopt;
    return fs::path(text);
}

std::optional<fs::path> DocumentsFromUserDirs(const UserEnvironment& env)
{
    fs::path file = XdgFolder(env, "XDG_CONFIG_HOME", env.Home / ".config") / "user-dirs.dirs";
    std::ifstream in(file);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    for (std::string line; std::getline(in, line);) {
        std::string_view rest(line);
        rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
        if (rest.starts_with(kKey)) return UserDirValue(rest.substr(kKey.size()), env.Home);
    }
    return std::nullopt;
}

fs::path InstalledDataFolder(const fs::path& executable)
{
    if (executable.empty()) return PRALOMEN_INSTALLED_DATA_DIR;
    return executable.parent_path().parent_path() / "share" / "pralomen";
}

fs::path AccountHome()
{
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

} // namespace

UserEnvironment CurrentUserEnvironment()
{
    UserEnvironment env;
    env.Variable = [](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name)) return std::string(value);
        return std::nullopt;
    };
    const char* home = std::getenv("HOME");
    env.Home = home && *home ? fs::path(home) : AccountHome();
    std::error_code ec;
    env.Executable = fs::read_symlink("/proc/self/exe", ec);
    return env;
}

fs::path DocumentsFolder(const UserEnvironment& env)
{
    if (std::optional<std::string> value = NonEmpty(env, "XDG_DOCUMENTS_DIR")) return *value;
    return DocumentsFromUserDirs(env).value_or(env.Home / "Documents");
}

FolderRoots LocateFolderRoots(const UserEnvironment& env)
{
    FolderRoots roots;
    std::optional<std::string> appData = NonEmpty(env, "APPDATA");
    roots.AppData = appData ? fs::path(*appData) : XdgFolder(env, "XDG_DATA_HOME", env.Home / ".local" / "share");
    roots.Documents = DocumentsFolder(env);
    std::optional<std::string> programFiles = NonEmpty(env, "PROGRAMFILES");
    roots.ProgramFolder = programFiles ? ProductFolder(*programFiles)
                                       : InstalledDataFolder(env.Executable);
    return roots;
}

} // namespace pralomen::shell
