#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"

using namespace pralomen;
using namespace pralomen::cli;

TEST(CommandLine, OptionsPresetsAndSetsApplyInOrder)
{
    std::string error;
    auto r = ParseCommandLine({"--preset", "book", "--set", "KanaDiIndex=1", "--set", "ArrowFlg=True", "--labo",
                               "--json", "--tables", "/t", "กา", "--", "--set"},
                              error);
    ASSERT_TRUE(r) << error;
    EXPECT_TRUE(r->labo);
    EXPECT_TRUE(r->json);
    EXPECT_EQ(r->tables, "/t");
    EXPECT_EQ(r->options.KanaDiIndex, 1) << "the later --set wins over the preset";
    EXPECT_FALSE(r->options.GaFlg) << "book preset";
    EXPECT_TRUE(r->options.ArrowFlg);
    EXPECT_EQ(r->texts, (std::vector<std::string>{"กา", "--set"}));
}

TEST(CommandLine, BadArgumentsAreNamedInTheError)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"--set", "NoSuchFlg=True"}, "NoSuchFlg"},
        {{"--set", "UseFilesFlg=true"}, "UseFilesFlg"},
        {{"--set", "KanaDiIndex=2x"}, "KanaDiIndex"},
        {{"--set", "UseFilesFlg"}, "NAME=VALUE"},
        {{"--preset", "paper"}, "paper"},
        {{"--tables"}, "--tables"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.args, error)) << c.mentions;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    }
}

TEST(JsonOutput, EscapesAndKeepsTheKeyOrder)
{
    EXPECT_EQ(JsonString(u"a\"b\\c\r\n\x01ก"), "\"a\\\"b\\\\c\\r\\n\\u0001\xE0\xB8\x81\"");
    ConversionResult r;
    r.allThai = u"x";
    r.allPat = u" 0";
    r.color = JudgeColor::Red;
    std::ostringstream out;
    PrintJson(out, r, {u"1:x", u"2:y"});
    EXPECT_EQ(out.str(), "{\"thai\":\"x\",\"kana\":\"\",\"ipa\":\"\",\"pattern\":\" 0\",\"color\":\"red\","
                         "\"log\":[\"1:x\",\"2:y\"]}\n");
}
