#include <gtest/gtest.h>

#include <sstream>

#include "cli/Kana2Thai.h"

namespace pralomen::test {
namespace {

const std::filesystem::path kShipped = PRALOMEN_SHIPPED_TABLES;

struct CommandCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string errContains;
};

class Kana2ThaiCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Kana2ThaiCommand, PrintsTheThreeLinesOfEachConversion)
{
    std::istringstream in(GetParam().input);
    std::ostringstream out, err;
    EXPECT_EQ(RunKana2Thai(GetParam().args, in, out, err, kShipped), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    if (GetParam().errContains.empty() || GetParam().status != 0) {
        EXPECT_EQ(err.str(), GetParam().errContains);
    } else {
        EXPECT_NE(err.str().find(GetParam().errContains), std::string::npos) << err.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Invocations, Kana2ThaiCommand,
    ::testing::Values(
        CommandCase{"OneWord", {"たなか"}, "", 0, "ta na ka\ntʰaa naa kʰa\nทานาคะ\n", ""},
        CommandCase{"NoLong", {"--no-long", "たなか"}, "", 0, "ta na ka\ntʰa na kʰa\nทะนะคะ\n", ""},
        CommandCase{"WordsAreOneText", {"やまだ", "たろう"}, "", 0,
                    "ya ma da $SP$ ta roo\njaa maa da $SP$ tʰaa roo\nยามาดะ ทาโร\n", ""},
        CommandCase{"YesTakesTheUsualSpelling", {"--yes", "とうきょう"}, "", 0, "$TOKYO$\n$TOKYO$\nโตเกียว\n",
                    "「とうきょう」がヒットしました。これは地名「東京」です。タイで通用している表記にしますか？ yes"},
        CommandCase{"NoIsTheDefault", {"とうきょう"}, "", 0, "too kyoo\ntʰoo kʰjoo\nโทเคียว\n", "？ no"},
        CommandCase{"LastAnswerFlagCounts", {"--yes", "--no", "とうきょう"}, "", 0,
                    "too kyoo\ntʰoo kʰjoo\nโทเคียว\n", "？ no"},
        CommandCase{"FlagAfterText", {"たなか", "--no-long"}, "", 0, "ta na ka\ntʰa na kʰa\nทะนะคะ\n", ""},
        CommandCase{"DashesEndTheFlags", {"--", "-"}, "", 0, "-\n-\n\n", ""},
        CommandCase{"EachInputLine", {}, "さくら\n\nしんぶん\r\n", 0,
                    "sa ku ra\nsaa kʰu ra\nซาคุระ\nshin bun\ncʰin bun\nชินบุน\n", ""},
        CommandCase{"DamagedLineIsWarnedAbout", {}, "た\n\xFFた\n", 0, "ta\ntʰa\nทะ\n\uFFFD ta\n\uFFFD tʰa\nทะ\n",
                    "kana2thai: line 2: invalid UTF-8 at byte offset 0, replaced with U+FFFD"},
        CommandCase{"UnknownFlag", {"--loud", "たなか"}, "", 2, "", "kana2thai: unknown option --loud (use --yes, --no, --no-long)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kana2ThaiCommand, FolderWithoutTablesIsAnError)
{
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunKana2Thai({"たなか"}, in, out, err, kShipped / "absent"), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("kana_rome.txt"), std::string::npos);
}

} // namespace
} // namespace pralomen::test
