#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "TestFolders.h"
#include "shell/FolderVars.h"
#include "shell/LeafMarker.h"
#include "shell/TableInstall.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

std::set<std::string> Names(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

class TableInstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders_ = MakeFolderVars({temp_.Path() / "appdata", temp_.Path() / "docs", temp_.Path() / "prog"});
        ASSERT_TRUE(CreateFolderTree(folders_).empty());
    }

    void ShipTables()
    {
        WriteFile(ProgramTable("words.txt"), "program words");
        WriteFile(ProgramTable("cut.txt"), "program cut");
        WriteFile(ProgramTable("extra/nested.txt"), "not a table");
    }

    fs::path ProgramTable(const std::string& name) const { return folders_.ProgFolder / "Tbl" / name; }
    fs::path UserTable(const std::string& name) const { return folders_.UsrTblFolder / name; }
    fs::path Marker() const { return folders_.SysFolder / "Leaf510.txt"; }

    test::TempFolder temp_;
    FolderVars folders_;
};

TEST_F(TableInstallTest, FirstStartCopiesEveryPlainFileAndWritesTheMarker)
{
    ShipTables();
    EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
    EXPECT_EQ(Names(folders_.UsrTblFolder), (std::set<std::string>{"words.txt", "cut.txt"}));
    EXPECT_EQ(ReadFile(UserTable("words.txt")), "program words");
    EXPECT_EQ(ReadFile(UserTable("cut.txt")), "program cut");
    EXPECT_EQ(ReadFile(Marker()), "VK-TQ4\r\n");
}

TEST_F(TableInstallTest, LaterStartsOfTheSameVersionKeepTheUsersEdits)
{
    ShipTables();
    ASSERT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
    WriteFile(UserTable("words.txt"), "my own words");
    for (int start = 0; start < 2; ++start) EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::AlreadyInstalled);
    EXPECT_EQ(ReadFile(UserTable("words.txt")), "my own words");
}

TEST_F(TableInstallTest, OlderVersionIsReplacedAndTheUsersChangedTablesAreBackedUp)
{
    ShipTables();
    WriteFile(folders_.SysFolder / "Leaf500.txt", "VK-TQ4\r\n");
    WriteFile(folders_.SysFolder / "Leaf400.txt", "VK-TQ4\r\n");
    WriteFile(folders_.SysFolder / "Pralomen.rng", "UseFilesFlg,False\r\n");
    WriteFile(folders_.SysFolder / "Leaflet.txt", "a note");
    WriteFile(UserTable("words.txt"), "my own words");
    WriteFile(UserTable("cut.txt"), "program cut");
    WriteFile(UserTable("mine.txt"), "only mine");

    EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);

    EXPECT_EQ(ReadFile(UserTable("words.txt")), "program words");
    EXPECT_EQ(ReadFile(UserTable("mine.txt")), "only mine");
    // Only the table that differed is kept, in the folder of the newest older version.
    EXPECT_EQ(Names(folders_.SysFolder / "Backup500"), (std::set<std::string>{"words.txt"}));
    EXPECT_EQ(ReadFile(folders_.SysFolder / "Backup500" / "words.txt"), "my own words");
    EXPECT_EQ(Names(folders_.SysFolder),
              (std::set<std::string>{"Leaf510.txt", "Pralomen.rng", "Leaflet.txt", "Backup500"}));
    EXPECT_EQ(ReadFile(folders_.SysFolder / "Pralomen.rng"), "UseFilesFlg,False\r\n");
}

TEST_F(TableInstallTest, TableThatCannotBeBackedUpIsNotOverwritten)
{
    ShipTables();
    WriteFile(folders_.SysFolder / "Leaf500.txt", "VK-TQ4\r\n");
    WriteFile(folders_.SysFolder / "Backup500", "a file where the backup folder would go");
    WriteFile(UserTable("words.txt"), "my own words");
    WriteFile(UserTable("cut.txt"), "program cut");

    EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
    EXPECT_EQ(ReadFile(UserTable("words.txt")), "my own words");
    EXPECT_EQ(ReadFile(UserTable("cut.txt")), "program cut");
}

TEST_F(TableInstallTest, DeletingTheMarkerByHandReinstalls)
{
    ShipTables();
    ASSERT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
    WriteFile(UserTable("words.txt"), "my own words");
    fs::remove(Marker());
    EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
    EXPECT_EQ(ReadFile(UserTable("words.txt")), "program words");
    EXPECT_TRUE(fs::exists(Marker()));
}

TEST_F(TableInstallTest, NothingToCopyWritesNoMarkerSoTheNextStartTriesAgain)
{
    struct Case {
        const char* what;
        void (*prepare)(const fs::path& tbl);
    };
    const Case cases[] = {
        {"no program table folder", [](const fs::path&) {}},
        {"an empty program table folder", [](const fs::path& tbl) { fs::create_directories(tbl); }},
        {"only a subfolder", [](const fs::path& tbl) { WriteFile(tbl / "sub" / "x.txt", "x"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folders_.ProgFolder);
        c.prepare(folders_.ProgFolder / "Tbl");
        EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::NothingToInstall);
        EXPECT_FALSE(fs::exists(Marker()));
        EXPECT_TRUE(fs::is_empty(folders_.UsrTblFolder));
    }
    ShipTables();
    EXPECT_EQ(EnsureTablesInstalled(folders_), InstallOutcome::Installed);
}

TEST_F(TableInstallTest, MissingSystemFolderDoesNothingAnywhere)
{
    ShipTables();
    fs::remove_all(folders_.SysFolder);
    WriteFile(folders_.SysFolder, "a file where the folder would go");
    fs::path here = temp_.Path() / "current";
    fs::create_directories(here);
    fs::path before = fs::current_path();
    fs::current_path(here);
    InstallOutcome outcome = EnsureTablesInstalled(folders_);
    fs::current_path(before);

    EXPECT_EQ(outcome, InstallOutcome::NoSystemFolder);
    EXPECT_TRUE(fs::is_empty(here));
    EXPECT_TRUE(fs::is_empty(folders_.UsrTblFolder));
}

TEST_F(TableInstallTest, CopyWithoutOverwriteLeavesExistingFiles)
{
    ShipTables();
    WriteFile(UserTable("words.txt"), "my own words");
    DirCopyFiles2(folders_.ProgFolder / "Tbl", folders_.UsrTblFolder, false);
    EXPECT_EQ(ReadFile(UserTable("words.txt")), "my own words");
    EXPECT_EQ(ReadFile(UserTable("cut.txt")), "program cut");
    EXPECT_FALSE(fs::exists(UserTable("extra")));
}

TEST(LeafMarkerTest, FileNameScalesTheVersionDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"5.1", "Leaf510.txt"}, {"5", "Leaf500.txt"},       {"5.1.2", "Leaf512.txt"}, {"1.2.3.4", "Leaf1234.txt"},
        {"12.3", "Leaf123.txt"}, {"1.2.3.4.5", "Leaf999.txt"}, {"", "Leaf999.txt"},    {"5.x", "Leaf999.txt"},
    };
    for (const auto& [version, name] : cases) EXPECT_EQ(MakeLeafFileName(version), name) << version;
    EXPECT_EQ(MakeLeafFileName(), "Leaf510.txt");
}

TEST(LeafMarkerTest, OnlyLeafDigitsTxtIsAMarker)
{
    const std::pair<const char*, bool> cases[] = {
        {"Leaf510.txt", true},  {"Leaf0.txt", true},    {"Leaf.txt", false},     {"Leaflet.txt", false},
        {"leaf510.txt", false}, {"Leaf510.TXT", false}, {"Leaf5a0.txt", false}, {"Leaf510.txt.bak", false},
        {"Leaf-1.txt", false},
    };
    for (const auto& [name, marker] : cases) EXPECT_EQ(IsLeafFileName(name), marker) << name;
}

TEST(LeafMarkerTest, DeletingOldMarkersSparesEverythingElse)
{
    test::TempFolder temp;
    for (const char* name : {"Leaf500.txt", "Leaf99.txt", "Leaf510.txt", "Leaflet.txt", "Leaf.txt", "Pralomen.rng"})
        WriteFile(temp.Path() / name, "x");
    fs::create_directory(temp.Path() / "Leaf400.txt");
    DeleteOldLeafFiles(temp.Path(), "Leaf510.txt");
    EXPECT_EQ(Names(temp.Path()),
              (std::set<std::string>{"Leaf510.txt", "Leaflet.txt", "Leaf.txt", "Pralomen.rng", "Leaf400.txt"}));
}

} // namespace
} // namespace pralomen::shell
