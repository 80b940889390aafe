#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "TestFolders.h"
#include "shell/DefaultTables.h"
#include "shell/FolderVars.h"
#include "shell/PathText.h"
#ifndef _WIN32
#include "shell/linux/UserEnvironment.h"
#endif

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::WriteFile;

TEST(FolderVarsTest, FoldersHangBelowTheirRoots)
{
    const FolderVars f = MakeFolderVars({"A", "D", "P"});
    const fs::path product = fs::path("Tessaril") / "Pralomen";
    EXPECT_EQ(f.SysFolder, "A" / product / "Sys");
    EXPECT_EQ(f.UsrTblFolder, "A" / product / "Tbl");
    EXPECT_EQ(f.UsrFolder, "D" / product);
    EXPECT_EQ(f.SysTextFolder, "D" / product / "usr");
    EXPECT_EQ(f.UsrTextFolder, f.SysTextFolder);
    EXPECT_EQ(f.ProgFolder, fs::path("P"));
    EXPECT_EQ(f.HelpFolder, fs::path("P") / "Help");
}

TEST(FolderVarsTest, TreeHasEighteenClassFoldersAndTheUserFolders)
{
    test::TempFolder temp;
    const FolderVars f = MakeFolderVars({temp.Path() / "a", temp.Path() / "d", temp.Path() / "p"});
    EXPECT_TRUE(CreateFolderTree(f).empty());
    const std::vector<fs::path> leaves = ClassFolders(f);
    ASSERT_EQ(leaves.size(), 18u);
    EXPECT_EQ(leaves.front(), f.UsrFolder / "Class0" / "bookA");
    EXPECT_EQ(leaves[4], f.UsrFolder / "Class1" / "bookG");
    EXPECT_EQ(leaves.back(), f.UsrFolder / "Class5" / "bookS");
    for (const fs::path& leaf : leaves) EXPECT_TRUE(fs::is_directory(leaf)) << leaf;
    for (const fs::path& folder : {f.SysFolder, f.UsrTblFolder, f.UsrTextFolder}) EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(fs::exists(f.ProgFolder));
    EXPECT_TRUE(CreateFolderTree(f).empty()) << "an existing tree is no failure";
}

TEST(FolderVarsTest, EachFolderThatCannotBeMadeGivesItsWarning)
{
    test::TempFolder temp;
    const FolderVars f = MakeFolderVars({temp.Path() / "a", temp.Path() / "d", temp.Path() / "p"});
    WriteFile(f.UsrFolder / "Class3", "blocks the class folder");
    WriteFile(f.SysFolder, "blocks the system folder");
    WriteFile(f.UsrTblFolder, "blocks the table folder");
    WriteFile(f.UsrTextFolder, "blocks the text folder");
    const std::vector<std::u16string> expected = {
        PathText(f.UsrFolder / "Class3" / "bookA") + u"フォルダが作れませんでした。",
        PathText(f.UsrFolder / "Class3" / "bookG") + u"フォルダが作れませんでした。",
        PathText(f.UsrFolder / "Class3" / "bookS") + u"フォルダが作れませんでした。",
        u"システムフォルダが作れませんでした。",
        u"テーブルフォルダが作れませんでした。",
        u"ユーザーテキストフォルダが作れませんでした。",
    };
    EXPECT_EQ(CreateFolderTree(f), expected);
    EXPECT_TRUE(fs::is_directory(f.UsrFolder / "Class4" / "bookS")) << "the others are still made";
}

TEST(DefaultTablesTest, UserTablesFirstThenProgramTablesAndNothingIsCreated)
{
    test::TempFolder temp;
    const FolderVars f = MakeFolderVars({temp.Path() / "a", temp.Path() / "d", temp.Path() / "p"});
    EXPECT_EQ(DefaultTableFolder(f), fs::path());
    EXPECT_FALSE(fs::exists(temp.Path() / "a"));
    fs::create_directories(f.ProgFolder / "Tbl");
    EXPECT_EQ(DefaultTableFolder(f), f.ProgFolder / "Tbl");
    fs::create_directories(f.UsrTblFolder);
    EXPECT_EQ(DefaultTableFolder(f), f.UsrTblFolder);
}

#ifndef _WIN32
UserEnvironment FakeEnvironment(std::map<std::string, std::string> variables)
{
    UserEnvironment env;
    env.Variable = [variables](const char* name) -> std::optional<std::string> {
        auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    };
    env.Home = "/home/u";
    env.Executable = "/opt/pr/bin/pralomen";
    return env;
}

TEST(UserEnvironmentTest, RootsFollowTheVariablesAndTheXdgDefaults)
{
    struct Case {
        const char* what;
        std::map<std::string, std::string> variables;
        FolderRoots expected;
    };
    const Case cases[] = {
        {"nothing set", {}, {"/home/u/.local/share", "/home/u/Documents", "/opt/pr/share/pralomen"}},
        {"windows variables",
         {{"APPDATA", "/x/app"}, {"PROGRAMFILES", "/x/pf"}},
         {"/x/app", "/home/u/Documents", "/x/pf/Tessaril/Pralomen"}},
        {"empty variables count as unset",
         {{"APPDATA", ""}, {"PROGRAMFILES", ""}, {"XDG_DOCUMENTS_DIR", ""}},
         {"/home/u/.local/share", "/home/u/Documents", "/opt/pr/share/pralomen"}},
        {"xdg variables",
         {{"XDG_DATA_HOME", "/data"}, {"XDG_DOCUMENTS_DIR", "/docs"}},
         {"/data", "/docs", "/opt/pr/share/pralomen"}},
        {"relative data home is ignored", {{"XDG_DATA_HOME", "rel"}}, {"/home/u/.local/share", "/home/u/Documents", "/opt/pr/share/pralomen"}},
        {"appdata beats the data home", {{"APPDATA", "/x/app"}, {"XDG_DATA_HOME", "/data"}}, {"/x/app", "/home/u/Documents", "/opt/pr/share/pralomen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FolderRoots roots = LocateFolderRoots(FakeEnvironment(c.variables));
        EXPECT_EQ(roots.AppData, c.expected.AppData);
        EXPECT_EQ(roots.Documents, c.expected.Documents);
        EXPECT_EQ(roots.ProgramFolder, c.expected.ProgramFolder);
    }
}

TEST(UserEnvironmentTest, DocumentsFolderComesFromUserDirs)
{
    test::TempFolder temp;
    const std::pair<std::string, fs::path> cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/home/u/Dokumente"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n  XDG_DOCUMENTS_DIR=\"/srv/my docs\"\n", "/srv/my docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a \\\"q\\\"\"\n", "/home/u/a \"q\""},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"\n", "/home/u"},
        {"XDG_DOCUMENTS_DIR=\"relative\"\n", "/home/u/Documents"},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted\n", "/home/u/Documents"},
        {"", "/home/u/Documents"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        WriteFile(temp.Path() / "user-dirs.dirs", text);
        EXPECT_EQ(DocumentsFolder(FakeEnvironment({{"XDG_CONFIG_HOME", temp.Path().string()}})), expected);
    }
}
#endif

TEST(SetFolderVarsTest, EnvironmentPointsTheTreeAtATemporaryFolder)
{
    test::TempFolder temp;
    ScopedEnv appData("APPDATA", (temp.Path() / "roaming").string());
    ScopedEnv programFiles("PROGRAMFILES", (temp.Path() / "pf").string());
    ScopedEnv documents("XDG_DOCUMENTS_DIR", (temp.Path() / "docs").string());
    const FolderSetup setup = SetFolderVars();
    EXPECT_TRUE(setup.Warnings.empty());
    EXPECT_EQ(setup.Folders.SysFolder, temp.Path() / "roaming" / "Tessaril" / "Pralomen" / "Sys");
    EXPECT_EQ(setup.Folders.ProgFolder, temp.Path() / "pf" / "Tessaril" / "Pralomen");
#ifndef _WIN32
    EXPECT_EQ(setup.Folders.UsrFolder, temp.Path() / "docs" / "Tessaril" / "Pralomen");
#endif
    EXPECT_TRUE(fs::is_directory(setup.Folders.UsrFolder / "Class5" / "bookS"));
    EXPECT_TRUE(fs::is_directory(setup.Folders.UsrTblFolder));
    EXPECT_EQ(DefaultTableFolder(), setup.Folders.UsrTblFolder);
}

} // namespace
} // namespace pralomen::shell
