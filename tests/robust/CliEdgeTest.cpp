// pralomen-cli on input no user should send but some will: broken UTF-8, one enormous line, and
// table folders that cannot be read. It must answer every time, never crash or stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TestFolders.h"
#include "engine/DataFiles.h"

namespace pralomen::robust {
namespace {

namespace fs = std::filesystem;
using shell::test::TempFolder;
using shell::test::WriteFile;

const fs::path kCli = PRALOMEN_CLI;
const std::string kReplacement = "\xEF\xBF\xBD";

std::size_t CountOf(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

// The value of one string field of the JSON line, still escaped.
std::string Field(const std::string& json, const std::string& name)
{
    const std::string key = "\"" + name + "\":\"";
    const auto from = json.find(key);
    if (from == std::string::npos) return "<no field " + name + ">";
    auto to = from + key.size();
    while (to < json.size() && json[to] != '"') to += json[to] == '\\' ? 2 : 1;
    return json.substr(from + key.size(), to - from - key.size());
}

std::string LastLine(const std::string& out)
{
    const auto end = out.find_last_not_of('\n');
    const auto start = out.rfind('\n', end);
    return out.substr(start == std::string::npos ? 0 : start + 1);
}

std::string WithoutSpaces(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

struct BadUtf8 {
    const char* what;
    std::string input;
    std::string diagnostic;  // expected on standard error
    std::size_t replacements; // U+FFFD in the Thai output
};

TEST(CliInvalidUtf8, EachBadByteIsReportedWithItsOffsetAndReplaced)
{
    const BadUtf8 cases[] = {
        {"stray byte after two Thai letters", "\xE0\xB8\x81\xE0\xB8\xB2\xFF", "line 1: invalid UTF-8 at byte offset 6", 1},
        {"continuation byte first", "\x80" "abc", "line 1: invalid UTF-8 at byte offset 0", 1},
        {"sequence cut off at the end", "ab\xE0\xB8", "line 1: invalid UTF-8 at byte offset 2", 2},
        {"overlong slash", "\xC0\xAF", "line 1: invalid UTF-8 at byte offset 0", 2},
        {"encoded surrogate", "x\xED\xA0\x80", "line 1: invalid UTF-8 at byte offset 1", 3},
        {"only the second line is bad", "abc\n\xE0\xB8\x81\xFE", "line 2: invalid UTF-8 at byte offset 3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = RunProgram(kCli, {"--tables", "no-such-folder", "--json"}, c.input + "\n");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.err.find(c.diagnostic + ", replaced with U+FFFD"), std::string::npos) << run.err;
        EXPECT_EQ(CountOf(run.err, "invalid UTF-8"), 1u) << run.err;
        EXPECT_EQ(CountOf(Field(LastLine(run.out), "thai"), kReplacement), c.replacements) << run.out;
    }
}

TEST(CliInvalidUtf8, ValidTextWithControlsIsNotAnError)
{
    const auto run = RunProgram(kCli, {"--tables", "no-such-folder", "--json"}, "a\x01\x1F" "b\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Field(run.out, "thai"), "a\\u0001\\u001fb");
}

TEST(CliInvalidUtf8, ANulByteKeepsTheTextAfterIt)
{
    const auto run = RunProgram(kCli, {"--tables", "no-such-folder", "--json"}, std::string("a\0b\n", 4));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Field(run.out, "thai"), "a\\u0000b");
    EXPECT_EQ(Field(run.out, "color"), "blue");
}

// Ten megabytes on one line, as a pasted book would be.
TEST(CliLongLine, TenMegabytesOfWordsAreConvertedWhole)
{
    const std::string words = "\xE0\xB9\x84\xE0\xB8\xA1\xE0\xB9\x88 \xE0\xB8\x81\xE0\xB8\xB4\xE0\xB8\x99 "; // ไม่ กิน
    std::string line;
    while (line.size() < 10'000'000) line += words;
    const auto run = RunProgram(kCli, {"--tables", "no-such-folder", "--json"}, line + "\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(CountOf(run.out, "\n"), 1u);
    EXPECT_EQ(Field(run.out, "color"), "blue");
    // Compared as a Boolean: a failure must not print twenty megabytes.
    const std::string thai = WithoutSpaces(Field(run.out, "thai"));
    EXPECT_EQ(thai.size(), WithoutSpaces(line).size());
    EXPECT_TRUE(thai == WithoutSpaces(line));
}

TEST(CliLongLine, TenMegabytesOfOneSignThatNoUnitTakes)
{
    std::string line;
    while (line.size() < 10'000'000) line += "\xE0\xB9\x88"; // the tone mark U+0E48 alone
    const auto run = RunProgram(kCli, {"--tables", "no-such-folder", "--json"}, line + "\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(Field(run.out, "color"), "red");
    EXPECT_LT(Field(run.out, "thai").size(), line.size());
}

// A table folder the program cannot read is no table folder: the same output as without one.
class UnreadableTables : public ::testing::Test {
protected:
    static constexpr const char* kText = "\xE0\xB8\x81\xE0\xB8\xA3\xE0\xB8\xB8\xE0\xB8\x87\xE0\xB9\x80"
                                         "\xE0\xB8\x97\xE0\xB8\x9E"; // กรุงเทพ

    std::string Convert(const fs::path& tables)
    {
        const auto run = RunProgram(kCli, {"--tables", tables.string(), "--json", kText}, "");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return run.out;
    }

    // A reading list whose one word the engine could not know otherwise.
    void WriteReadingList(const fs::path& folder)
    {
        const std::u16string entry = u"1,กรุงเทพ,krum·the:p,クルン↓・テープ→,都の名\r\n";
        std::string bytes = "\xFF\xFE";
        for (char16_t c : entry) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        WriteFile(folder / placeNameFile, bytes);
    }

    TempFolder temp_;
};

TEST_F(UnreadableTables, GiveTheOutputOfNoTables)
{
    const std::string none = Convert(temp_.Path() / "missing");
    const fs::path readable = temp_.Path() / "readable";
    fs::create_directories(readable);
    WriteReadingList(readable);
    ASSERT_NE(Convert(readable).find("都の名"), std::string::npos) << "the readable list must be used";

    const fs::path file = temp_.Path() / "a-file";
    WriteFile(file, "not a folder");
    EXPECT_EQ(Convert(file), none) << "a file given as the folder";

    const fs::path folders = temp_.Path() / "folders";
    fs::create_directories(folders / placeNameFile);
    EXPECT_EQ(Convert(folders), none) << "the list is a folder";

#ifndef _WIN32
    const fs::path dangling = temp_.Path() / "dangling";
    fs::create_directories(dangling);
    fs::create_symlink(temp_.Path() / "gone.txt", dangling / placeNameFile);
    EXPECT_EQ(Convert(dangling), none) << "the list is a dangling link";

    const fs::path closed = temp_.Path() / "closed";
    fs::create_directories(closed);
    WriteReadingList(closed);
    fs::permissions(closed / placeNameFile, fs::perms::none);
    fs::permissions(closed, fs::perms::none);
    std::error_code probe;
    if (!fs::exists(closed / placeNameFile, probe) || probe) { // the superuser reads it all the same
        EXPECT_EQ(Convert(closed), none) << "a folder without read rights";
    }
    fs::permissions(closed, fs::perms::owner_all);
#endif
}

} // namespace
} // namespace pralomen::robust
