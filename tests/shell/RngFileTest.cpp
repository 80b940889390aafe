#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFolders.h"
#include "engine/Options.h"
#include "shell/DurableFile.h"
#include "shell/RngFile.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

const char* const kKeysInOrder[] = {
    "MainFrmWidth2", "MainFrmHeight2", "MainFrmLeft2",  "MainFrmTop2",    "HalfWidthFlg",  "Panel3Height",
    "Panel5Height",  "Panel7Width",    "m1FontSize",    "m2FontSize",     "m3FontSize",    "KanaDiIndex",
    "KanaBookFlg",   "DoublePipeFlg",  "BarUFlg",       "EndOFlg",        "EndIFlg",       "LengthMarkFlg",
    "LengthMark2Flg", "KanaHeadNgFlg", "KanaEndNgFlg",  "LongTCutFlg",    "GaFlg",         "SiFlg",
    "ArrowFlg",      "AddNakaTenFlg",  "AddMidDotFlg",  "AO_Flg",         "DoPreCutFlg",   "DoSeqConsFlg",
    "DoExtractFlg",  "DoMidCutFlg",    "UseFilesFlg",   "AbbreSkipFlg",   "ShortPlainFlg", "FinalSmallFlg",
};

struct Settings {
    WindowSettings window;
    PralomenOptions options;
    Settings()
    {
        InitVars(window);
        InitPralomenVars(options);
    }
};

class RngFileTest : public ::testing::Test {
protected:
    // Reads a file with the given text over start-up values.
    Settings ReadText(const std::string& text)
    {
        WriteFile(temp_.Path() / "Pralomen.rng", text);
        Settings s;
        messages_ = ReadRngFile(temp_.Path(), s.window, s.options);
        return s;
    }

    test::TempFolder temp_;
    std::vector<std::u16string> messages_;
};

TEST(GetRngInfoTest, FirstLineOfExactlyTwoFieldsWithTheKeyCounts)
{
    const std::vector<std::u16string> list = {
        u"", u"UseFilesFlg", u"usefilesflg,True", u"UseFilesFlg,True,extra", u"UseFilesFlg, \"a,b\"",
        u"UseFilesFlg,second", u"Empty,", u"Blank  ,  x",
    };
    EXPECT_EQ(GetRngInfo(list, u"UseFilesFlg"), u"a,b");
    EXPECT_EQ(GetRngInfo(list, u"usefilesflg"), u"True");
    EXPECT_EQ(GetRngInfo(list, u"Empty"), u"");
    EXPECT_EQ(GetRngInfo(list, u"Blank"), u"x");
    EXPECT_EQ(GetRngInfo(list, u"Missing"), u"");
}

TEST_F(RngFileTest, MissingFileLeavesStartUpValues)
{
    Settings s;
    EXPECT_TRUE(ReadRngFile(temp_.Path(), s.window, s.options).empty());
    fs::create_directory(temp_.Path() / "Pralomen.rng");
    EXPECT_TRUE(ReadRngFile(temp_.Path(), s.window, s.options).empty()) << "a folder is no settings file";
    EXPECT_TRUE(s.options.UseFilesFlg);
    EXPECT_TRUE(s.window.HalfWidthFlg);
    EXPECT_TRUE(s.options.AO_flg);
    for (int v : {s.window.MainFrmWidth2, s.window.MainFrmHeight2, s.window.MainFrmLeft2, s.window.MainFrmTop2,
                  s.window.Panel3Height, s.window.Panel5Height, s.window.Panel7Width})
        EXPECT_EQ(v, -1);
    EXPECT_EQ(s.window.m1FontSize, 14);
    EXPECT_EQ(s.window.m2FontSize, 10);
    EXPECT_EQ(s.window.m3FontSize, 11);
    EXPECT_EQ(s.window.m4FontSize, 12);
}

TEST_F(RngFileTest, AFileWithOneIntegerMakesEveryFlagFalse)
{
    const Settings s = ReadText("MainFrmWidth2,800\r\n");
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(s.window.MainFrmWidth2, 800);
    EXPECT_EQ(s.window.MainFrmHeight2, -1);
    EXPECT_EQ(s.window.m1FontSize, 14);
    EXPECT_FALSE(s.window.HalfWidthFlg);
    EXPECT_FALSE(s.window.KanaBookFlg);
    for (const OptionField& f : OptionFields()) {
        const bool saved = f.name != "AddThaiFlg";
        if (f.flag && saved) {
            EXPECT_FALSE(s.options.*(f.flag)) << f.name;
        }
    }
    EXPECT_TRUE(s.options.AddThaiFlg) << "not in the file, so not read";
}

TEST_F(RngFileTest, OnlyTheExactTextTrueIsTrue)
{
    const std::pair<const char*, bool> cases[] = {
        {"UseFilesFlg,True", true},        {"UseFilesFlg,true", false},      {"UseFilesFlg,1", false},
        {"UseFilesFlg, True", true},       {"  UseFilesFlg ,\tTrue  ", true}, {"UseFilesFlg,True,x", false},
        {"UseFilesFlg,\"True\"", true},    {"UseFilesFlg True", true},        {"UseFilesFlg,TRUE", false},
        {"UseFilesFlg,True\r\nUseFilesFlg,False", true}, {"UseFilesFlg,False\r\nUseFilesFlg,True", false},
        {"Junk\r\n\r\nUseFilesFlg,True", true},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ReadText(text).options.UseFilesFlg, expected);
    }
}

TEST_F(RngFileTest, IntegersAreReadAsTheyAreAndEmptyValuesChangeNothing)
{
    const std::pair<const char*, int> cases[] = {
        {"m1FontSize,30", 30}, {"m1FontSize,-5", -5}, {"m1FontSize,", 14}, {"m1FontSize,\"\"", 14},
        {"m1FontSize", 14},    {"m1FontSize,0", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ReadText(text).window.m1FontSize, expected);
        EXPECT_TRUE(messages_.empty());
    }
    EXPECT_EQ(ReadText("KanaDiIndex,7").options.KanaDiIndex, 7);
}

TEST_F(RngFileTest, ANonNumberKeepsItsSettingAndTheOtherKeysAreStillRead)
{
    const std::pair<const char*, const char16_t*> cases[] = {
        {"abc", u"'abc' は整数ではありません"},
        {"+5", u"'+5' は整数ではありません"},
        {"12x", u"'12x' は整数ではありません"},
        {"99999999999", u"'99999999999' は整数ではありません"},
        {"\xE3\x81\x82", u"'あ' は整数ではありません"},
        {"\xE9t\xE9", u"'\u00E9t\u00E9' は整数ではありません"},
    };
    for (const auto& [value, message] : cases) {
        SCOPED_TRACE(value);
        const Settings s = ReadText(std::string("MainFrmWidth2,") + value + "\r\nMainFrmHeight2,600\r\nUseFilesFlg,True\r\n");
        EXPECT_EQ(messages_, std::vector<std::u16string>{message});
        EXPECT_EQ(s.window.MainFrmWidth2, -1);
        EXPECT_EQ(s.window.MainFrmHeight2, 600);
        EXPECT_TRUE(s.options.UseFilesFlg);
    }
}

TEST(RngLinesTest, ThirtySixLinesInOrderWithTheirWrittenValues)
{
    Settings s;
    const std::vector<std::string> lines = RngLines(s.window, s.options);
    ASSERT_EQ(lines.size(), std::size(kKeysInOrder));
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, lines[i].find(',')), kKeysInOrder[i]);
    EXPECT_EQ(lines[0], "MainFrmWidth2,-1");
    EXPECT_EQ(lines[4], "HalfWidthFlg,True");
    EXPECT_EQ(lines[8], "m1FontSize,14");
    EXPECT_EQ(lines[27], "AO_Flg,True");
    EXPECT_EQ(lines[29], "DoSeqConsFlg,False");
}

TEST(RngLinesTest, ValuesOutsideTheirRangeAreWrittenAsTheirFallback)
{
    struct Case {
        int WindowSettings::*member;
        int value;
        std::size_t line;
        const char* written;
    };
    const Case cases[] = {
        {&WindowSettings::MainFrmWidth2, 800, 0, "MainFrmWidth2,800"},
        {&WindowSettings::MainFrmWidth2, 0, 0, "MainFrmWidth2,-1"},
        {&WindowSettings::MainFrmLeft2, 1, 2, "MainFrmLeft2,1"},
        {&WindowSettings::MainFrmLeft2, 0, 2, "MainFrmLeft2,-1"},
        {&WindowSettings::MainFrmTop2, -30, 3, "MainFrmTop2,-1"},
        {&WindowSettings::Panel5Height, 0, 6, "Panel5Height,-1"},
        {&WindowSettings::Panel7Width, 317, 7, "Panel7Width,317"},
        {&WindowSettings::m1FontSize, 24, 8, "m1FontSize,24"},
        {&WindowSettings::m1FontSize, 25, 8, "m1FontSize,14"},
        {&WindowSettings::m2FontSize, 3, 9, "m2FontSize,10"},
        {&WindowSettings::m2FontSize, 20, 9, "m2FontSize,20"},
        {&WindowSettings::m3FontSize, 21, 10, "m3FontSize,21"},
        {&WindowSettings::m3FontSize, 10, 10, "m3FontSize,11"},
    };
    for (const Case& c : cases) {
        Settings s;
        s.window.*c.member = c.value;
        EXPECT_EQ(RngLines(s.window, s.options)[c.line], c.written);
    }
    Settings s;
    s.options.KanaDiIndex = -3;
    EXPECT_EQ(RngLines(s.window, s.options)[11], "KanaDiIndex,-3");
}

TEST_F(RngFileTest, WrittenFileReadsBackAndDropsUnknownLines)
{
    WriteFile(temp_.Path() / "Pralomen.rng", "Unknown,1\r\nUseFilesFlg,True\r\n");
    Settings s;
    s.window.MainFrmWidth2 = 900;
    s.window.HalfWidthFlg = false;
    s.window.KanaBookFlg = true;
    s.options.AO_flg = false;
    s.options.KanaDiIndex = 2;
    s.options.ArrowFlg = true;
    ASSERT_EQ(WriteRngFile(temp_.Path(), s.window, s.options), std::nullopt);

    const std::string text = ReadFile(temp_.Path() / "Pralomen.rng");
    EXPECT_EQ(text.find("Unknown"), std::string::npos);
    std::string expected;
    for (const std::string& line : RngLines(s.window, s.options)) expected += line + "\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(fs::exists(TemporaryFileFor(temp_.Path() / "Pralomen.rng")));

    Settings back;
    EXPECT_TRUE(ReadRngFile(temp_.Path(), back.window, back.options).empty());
    EXPECT_EQ(RngLines(back.window, back.options), RngLines(s.window, s.options));
}

TEST_F(RngFileTest, AFailedWriteIsReportedAndLeavesWhatWasThere)
{
    const fs::path file = temp_.Path() / "Pralomen.rng";
    const std::string old = "UseFilesFlg,False\r\n";
    struct Case {
        const char* what;
        fs::path folder;
        void (*prepare)(const fs::path& file, const std::string& old);
    };
    const Case cases[] = {
        {"temporary file cannot be made", temp_.Path(),
         [](const fs::path& f, const std::string& old) {
             WriteFile(f, old);
             fs::create_directory(TemporaryFileFor(f));
         }},
        {"file is a folder", temp_.Path(), [](const fs::path& f, const std::string&) { fs::create_directory(f); }},
        {"folder is missing", temp_.Path() / "missing",
         [](const fs::path& f, const std::string& old) { WriteFile(f, old); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(file);
        c.prepare(file, old);
        const std::string before = fs::is_directory(file) ? "<folder>" : ReadFile(file);
        const bool folderExisted = fs::exists(c.folder);
        Settings s;
        const std::optional<std::u16string> message = WriteRngFile(c.folder, s.window, s.options);
        ASSERT_TRUE(message.has_value());
        EXPECT_NE(message->find(u"を保存できませんでした。"), std::u16string::npos);
        EXPECT_EQ(fs::is_directory(file) ? "<folder>" : ReadFile(file), before);
        EXPECT_EQ(fs::exists(c.folder), folderExisted) << "no folder is created";
        fs::remove_all(TemporaryFileFor(file));
    }
}

} // namespace
} // namespace pralomen::shell
