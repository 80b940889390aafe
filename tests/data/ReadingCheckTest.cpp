#include <gtest/gtest.h>

#include "tools/datatools/ReadingCheck.h"

namespace pralomen::data {
namespace {

struct Case {
    const char16_t* ipa;
    const char16_t* kana;
    const char* fault; // a word of the expected reason, or nullptr when the reading is sound
};

class ReadingCheckTest : public testing::TestWithParam<Case> {};

TEST_P(ReadingCheckTest, AcceptsAgreeingReadingsAndNamesTheFault)
{
    const auto& c = GetParam();
    auto faults = CheckReading(c.ipa, c.kana);
    if (!c.fault) {
        EXPECT_TRUE(faults.empty()) << faults.front();
    } else {
        ASSERT_FALSE(faults.empty());
        EXPECT_NE(faults.front().find(c.fault), std::string::npos) << faults.front();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ReadingCheckTest,
    testing::Values(
        // Sound readings as the recognisers write them.
        Case{u"kaa", u"ガー", nullptr}, Case{u"kha\u0302a", u"カー↘", nullptr},
        Case{u"sa\u0300Φ?·wat·dii", u"サッ_・ワット・ディー", nullptr},
        Case{u"chiΦ:aΦG·ma\u0300ΦY", u"チΛーΦアΦング・マΦイ_", nullptr},
        Case{u"ruΦ:aΦG", u"ルΛーΦワΦング", nullptr}, Case{u"ΦGaan", u"μンガーン", nullptr},
        Case{u"ca\u030CaΦW", u"μヂャーΦウ↗", nullptr}, Case{u"ΦOΦOk", u"オーク", nullptr},
        Case{u"kha\u0302at", u"カーμト↘", nullptr}, Case{u"hiu", u"ヒウ", nullptr},
        Case{u"phΦUΦ:a", u"プΛーΦア", nullptr}, Case{u"ΦAΦAn", u"ウーン", nullptr},
        // Disagreements between the two halves.
        Case{u"kaa·kaa", u"ガー", "syllables"}, Case{u"kha\u0302a", u"カー_", "tone"},
        Case{u"khaa", u"カー↗", "tone"}, Case{u"kaa", u"ガ", "length"}, Case{u"chia", u"チΛーΦア", "length"},
        // Codes and conventions of the notation.
        Case{u"kaΦX", u"ガ", "not a code"}, Case{u"kaa", u"ガーΦン", "not a code"},
        Case{u"ŋaa", u"μンガー", "ΦG"}, Case{u"kɔɔ", u"ゴー", "ΦO"}, Case{u"saay", u"サーΦイ", "ΦY"},
        Case{u"kaaw", u"ガーΦウ", "ΦW"}, Case{u"kaΦ:", u"ガー", "Φ:"}, Case{u"kaa\u0301", u"ガー¯", "tone mark"},
        Case{u"ka\u0301a\u0301", u"ガー¯", "tone mark"}, Case{u"kaː", u"ガー", "doubled"},
        Case{u"kaa", u"ガ¯ー", "arrow"}, Case{u"naa", u"μンナー", "not a code"}, Case{u"kaa", u"がー", "katakana"},
        Case{u"k", u"ガ", "no vowel"}, Case{u"kaa·", u"ガー・", "no vowel"}, Case{u"kaa", u"¯", "no kana"},
        // The sounds the options spell must carry their codes on both sides.
        Case{u"kaaΦW", u"ガーウ", "Φウ"}, Case{u"kaam", u"ガーム", "Φム"}, Case{u"ΦGaa", u"ガー", "μン"},
        Case{u"kaan", u"ガーΦング", "Φング"}, Case{u"saaΦY", u"サーイ", "Φイ"}));

} // namespace
} // namespace pralomen::data
