// The platform services on the real Windows API: the named mutex between real processes, folders
// from APPDATA and PROGRAMFILES, the settings file in the ANSI code page, the keyboard layouts, and
// UTF-16 tables in a folder whose name is not ASCII.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "TestFolders.h"
#include "engine/DataFiles.h"
#include "engine/Engine.h"
#include "shell/FolderVars.h"
#include "shell/KeyboardBackend.h"
#include "shell/PlatformFolders.h"
#include "shell/RngFile.h"
#include "shell/SingleInstanceGuard.h"
#include "windows/ProbeProcess.h"

namespace pralomen::robust {
namespace {

namespace fs = std::filesystem;
using shell::test::TempFolder;

const fs::path kProbe = PRALOMEN_GUARD_PROBE;

std::wstring Wide(std::u16string_view s) { return {s.begin(), s.end()}; }

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        wchar_t old[32767];
        const DWORD n = GetEnvironmentVariableW(name, old, 32767);
        if (n > 0 && n < 32767) saved_ = std::wstring(old, n);
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_.c_str(), saved_ ? saved_->c_str() : nullptr); }

private:
    std::wstring name_;
    std::optional<std::wstring> saved_;
};

bool MutexExists()
{
    HANDLE h = OpenMutexW(SYNCHRONIZE, FALSE, Wide(shell::kMutexName).c_str());
    if (h) CloseHandle(h);
    return h != nullptr;
}

TEST(WindowsMutex, SecondCopyIsRefusedWhileTheFirstRunsAndTheNameIsThere)
{
    ASSERT_FALSE(MutexExists());
    ProbeProcess first(kProbe);
    ASSERT_EQ(first.ReadLine(), "acquired");
    EXPECT_TRUE(MutexExists()) << "another program finds the guard by its name";
    {
        ProbeProcess second(kProbe);
        EXPECT_EQ(second.ReadLine(), "refused");
        EXPECT_EQ(second.Wait(), 3u);
    }
    shell::SingleInstanceGuard here;
    EXPECT_FALSE(here.TryAcquire());
    first.CloseInput();
    EXPECT_EQ(first.Wait(), 0u);
    EXPECT_FALSE(MutexExists());
    EXPECT_TRUE(here.TryAcquire());
}

TEST(WindowsMutex, KilledCopyNeverBlocksTheNextStart)
{
    ProbeProcess crashed(kProbe);
    ASSERT_EQ(crashed.ReadLine(), "acquired");
    crashed.Kill();
    ProbeProcess next(kProbe);
    EXPECT_EQ(next.ReadLine(), "acquired");
}

TEST(WindowsFolders, EnvironmentFoldersWithBackslashesSpacesAndJapanese)
{
    TempFolder temp;
    const std::wstring base = temp.Path().wstring();
    const struct {
        const char* what;
        std::wstring appData;
        std::wstring programFiles;
    } cases[] = {
        {"plain", base + L"\\Roaming", base + L"\\Program Files"},
        {"trailing backslash", base + L"\\Roaming\\", base + L"\\Program Files\\"},
        {"Japanese user name", base + L"\\ユーザー 太郎\\AppData\\Roaming", base + L"\\プログラム"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedVariable appData(L"APPDATA", c.appData);
        ScopedVariable programFiles(L"PROGRAMFILES", c.programFiles);
        shell::FolderRoots roots = shell::LocateFolderRoots();
        roots.Documents = temp.Path() / L"文書";
        const shell::FolderVars folders = shell::MakeFolderVars(roots);
        std::wstring appRoot = c.appData, progRoot = c.programFiles;
        if (appRoot.back() == L'\\') appRoot.pop_back();
        if (progRoot.back() == L'\\') progRoot.pop_back();
        EXPECT_EQ(folders.SysFolder.wstring(), appRoot + L"\\Tessaril\\Pralomen\\Sys");
        EXPECT_EQ(folders.UsrTblFolder.wstring(), appRoot + L"\\Tessaril\\Pralomen\\Tbl");
        EXPECT_EQ(folders.ProgFolder.wstring(), progRoot + L"\\Tessaril\\Pralomen");
        EXPECT_EQ(folders.HelpFolder.wstring(), progRoot + L"\\Tessaril\\Pralomen\\Help");
        EXPECT_TRUE(shell::CreateFolderTree(folders).empty());
        EXPECT_TRUE(fs::is_directory(folders.SysFolder));
        EXPECT_TRUE(fs::is_directory(folders.UsrFolder / L"Class0" / L"bookA"));
    }
}

// The file as the program writes it: ASCII in the ANSI code page, CR LF, no byte-order mark.
TEST(WindowsSettingsFile, WrittenInAnsiAndReadBackOverTheWindowsFileApi)
{
    TempFolder temp;
    const fs::path sys = temp.Path() / L"設定";
    fs::create_directories(sys);
    shell::WindowSettings window;
    window.MainFrmWidth2 = 812;
    PralomenOptions options;
    options.ArrowFlg = true;
    ASSERT_FALSE(shell::WriteRngFile(sys, window, options));
    const std::string bytes = Bytes(sys / shell::kRngFileName);
    EXPECT_EQ(bytes.rfind("MainFrmWidth2,812\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\nArrowFlg,True\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; }));

    // A hand edit saved by an editor in the ANSI code page, with a Japanese note line.
    Write(sys / shell::kRngFileName, "\x83\x81\x83\x82,\x90\xDD\x92\xE8\r\nMainFrmWidth2,640\r\nArrowFlg,True\r\n");
    shell::WindowSettings read;
    PralomenOptions readOptions;
    EXPECT_TRUE(shell::ReadRngFile(sys, read, readOptions).empty());
    EXPECT_EQ(read.MainFrmWidth2, 640);
    EXPECT_TRUE(readOptions.ArrowFlg);
}

TEST(WindowsSettingsFile, AFileThatCannotBeReplacedKeepsItsContent)
{
    TempFolder temp;
    const fs::path file = temp.Path() / shell::kRngFileName;
    const std::string before = "MainFrmWidth2,700\r\n";
    const shell::WindowSettings window;
    const PralomenOptions options;

    Write(file, before);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(shell::WriteRngFile(temp.Path(), window, options)) << "a read-only file is reported";
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Bytes(file), before);

    // An editor that holds the file open without letting others replace it.
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(shell::WriteRngFile(temp.Path(), window, options)) << "a file held open is reported";
    CloseHandle(held);
    EXPECT_EQ(Bytes(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

bool IsLayoutName(const std::u16string& id)
{
    return id.size() == 8 && std::all_of(id.begin(), id.end(), [](char16_t c) { return std::isxdigit(c); });
}

TEST(WindowsKeyboard, LayoutsAreNamedAndActivatedByTheirIdentifiers)
{
    const auto backend = shell::MakePlatformKeyboardBackend();
    const std::u16string initial = backend->CurrentLayout();
    ASSERT_TRUE(IsLayoutName(initial)) << std::string(initial.begin(), initial.end());
    backend->Activate(shell::kJapaneseLayout);
    EXPECT_EQ(backend->CurrentLayout(), shell::kJapaneseLayout);
    backend->Activate(initial);
    EXPECT_EQ(backend->CurrentLayout(), initial);
    backend->Activate(u"not a layout");
    EXPECT_EQ(backend->CurrentLayout(), initial) << "a failed activation changes nothing";
}

std::string Utf16Le(std::u16string_view text, bool mark)
{
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

TEST(WindowsTables, Utf16TablesInAJapaneseFolderAreReadAndReloadedAfterAnEdit)
{
    TempFolder temp;
    const fs::path tables = temp.Path() / L"ユーザー" / L"Tbl";
    fs::create_directories(tables);
    for (bool mark : {true, false}) {
        SCOPED_TRACE(mark ? "with the mark" : "without the mark");
        Write(tables / placeNameFile, Utf16Le(u"1,กรุงเทพ,krum·the:p,クルン↓・テープ→,首都\r\n", mark));
        Engine engine(tables);
        MemoryLog log;
        engine.YomiConv2(u"กรุงเทพ", log);
        ASSERT_EQ(log.lines.size(), 1u);
        EXPECT_NE(log.lines[0].find(u"首都"), std::u16string::npos);

        Write(tables / placeNameFile, Utf16Le(u"1,กรุงเทพ,krum·the:p,クルン↓・テープ→,都の名前\r\n", mark));
        engine.YomiConv2(u"กรุงเทพ", log);
        ASSERT_EQ(log.lines.size(), 1u);
        EXPECT_NE(log.lines[0].find(u"都の名前"), std::u16string::npos) << "the edit counts at the next conversion";
    }
}

} // namespace
} // namespace pralomen::robust
