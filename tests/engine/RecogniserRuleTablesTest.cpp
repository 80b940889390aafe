#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/RuleTables.h"
#include "engine/Utf.h"

using namespace pralomen;

namespace {

std::vector<int> Range(int first, int last)
{
    std::vector<int> v;
    for (int n = first; n <= last; ++n) v.push_back(n);
    return v;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

std::vector<int> TrialOrder(const RuleSet& set)
{
    std::vector<int> v;
    for (const auto& r : set.rules) v.push_back(r.number);
    return v;
}

const RuleSet* const kSets[] = {&HconRuleSet(), &Ee1RuleSet(), &Ee2RuleSet(), &OoRuleSet(), &AiRuleSet()};

// Window lengths as the rule lists give them: pairs of a cluster rule and the single rule after it.
struct PairLengths {
    int first, last, clusterLength, singleLength;
};

const PairLengths kPairLengths[] = {
    {93, 94, 6, 5},   {95, 124, 5, 4}, {125, 168, 4, 3}, {171, 172, 4, 3}, {173, 190, 3, 2},
    {31, 38, 7, 6},   {39, 56, 6, 5},  {57, 78, 5, 4},   {79, 86, 4, 3},   {17, 20, 5, 4},
    {21, 22, 5, 4},   {23, 24, 4, 3},  {5, 8, 5, 4},     {9, 10, 4, 3},    {1, 2, 4, 3},
};

const std::map<int, int> kSingleLengths = {
    {191, 3}, {192, 2}, {200, 2}, {201, 2}, {202, 2}, {87, 4}, {88, 4}, {89, 3}, {90, 3}, {91, 3}, {92, 2},
    {25, 4},  {26, 4},  {27, 3},  {28, 3},  {29, 3},  {30, 2}, {11, 4}, {12, 4}, {13, 3}, {14, 3}, {15, 3},
    {16, 2},  {3, 3},   {4, 2},
};

std::map<int, int> ListedLengths()
{
    std::map<int, int> lengths = kSingleLengths;
    for (const auto& p : kPairLengths)
        for (int n = p.first; n <= p.last; n += 2) {
            lengths[n] = p.clusterLength;
            lengths[n + 1] = p.singleLength;
        }
    return lengths;
}

const std::u16string_view kDiphthongs[] = {u"ia", u"iΦ:a", u"ΦUa", u"ΦUΦ:a", u"ua", u"uΦ:a"};

bool Contains(std::u16string_view s, std::u16string_view part) { return s.find(part) != std::u16string_view::npos; }

} // namespace

TEST(RecogniserRuleTables, RulesAreTriedInTheirOrder)
{
    EXPECT_EQ(TrialOrder(HconRuleSet()), Join({Range(93, 168), Range(171, 191), {200, 201, 202, 192}}));
    EXPECT_EQ(TrialOrder(Ee1RuleSet()), Range(31, 92));
    EXPECT_EQ(TrialOrder(Ee2RuleSet()), Range(17, 30));
    EXPECT_EQ(TrialOrder(OoRuleSet()), Range(5, 16));
    EXPECT_EQ(TrialOrder(AiRuleSet()), Range(1, 4));
}

TEST(RecogniserRuleTables, WindowLengthsFollowFromTheSlots)
{
    const auto listed = ListedLengths();
    int checked = 0;
    for (const RuleSet* set : kSets)
        for (const auto& rule : set->rules) {
            const auto it = listed.find(rule.number);
            ASSERT_NE(it, listed.end()) << rule.number;
            EXPECT_EQ(WindowLength(*set, rule), it->second) << rule.number;
            ++checked;
        }
    EXPECT_EQ(checked, static_cast<int>(listed.size()));
}

TEST(RecogniserRuleTables, RowsAgreeWithThemselves)
{
    for (const RuleSet* set : kSets)
        for (const auto& rule : set->rules) {
            const bool toneSlot = Contains(rule.slots, kToneSlot);
            const bool anyFinal = rule.econs == kFinalSlot;
            EXPECT_EQ(toneSlot, rule.tone == TonePolicy::Mark) << rule.number;
            EXPECT_EQ(anyFinal, Contains(rule.ipa, kFinalSlot)) << rule.number;
            EXPECT_EQ(anyFinal, rule.slots.ends_with(kFinalSlot)) << rule.number;
            const bool stopPolicy = rule.tone == TonePolicy::StopShort || rule.tone == TonePolicy::StopLong;
            if (stopPolicy) {
                EXPECT_TRUE(Contains(rule.slots, kFinalSlot)) << rule.number;
            }
            const auto toneSigns = std::count(rule.ipa.begin(), rule.ipa.end(), kToneSlot[0]);
            EXPECT_EQ(toneSigns, rule.tone == TonePolicy::NoTone ? 0 : 1) << rule.number;
            // only the short open simple vowels lose their glottal stop
            EXPECT_EQ(rule.shortPlain, rule.synth == Synth::Normal && rule.econs == u"Φ?") << rule.number;
            const bool diphthong = std::ranges::find(kDiphthongs, rule.vowel) != std::end(kDiphthongs);
            EXPECT_EQ(rule.synth == Synth::Complex, diphthong) << rule.number;
        }
}

TEST(RecogniserRuleTables, DescriptionsCoverEveryReportableRule)
{
    const auto& all = RecogniserRuleDescriptions();
    std::vector<int> numbers;
    for (const auto& d : all) numbers.push_back(d.rule);
    EXPECT_EQ(numbers, Join({Range(1, 168), Range(171, 192), Range(200, 202), Range(301, 306)}));
    for (const auto& d : all) {
        const char* expected = d.rule <= 4     ? "Matching_ai"
                               : d.rule <= 16  ? "Matching_oo"
                               : d.rule <= 30  ? "Matching_2ee"
                               : d.rule <= 92  ? "Matching_1ee"
                               : d.rule <= 202 ? "Matching_hcon"
                                               : "Matching_oy";
        EXPECT_EQ(Utf16ToUtf8(d.recogniser), expected) << d.rule;
        EXPECT_FALSE(d.composition.empty()) << d.rule;
        EXPECT_FALSE(d.vowelKana.empty()) << d.rule;
        EXPECT_FALSE(d.vowelIpa.empty()) << d.rule;
    }
}

TEST(RecogniserRuleTables, DescriptionsReadLikeThePatternTable)
{
    struct Case {
        int rule;
        std::u16string composition, vowelKana, vowelIpa;
    };
    const Case cases[] = {
        {1, u"ใ/ไ□□▽", u"アΦイ", u"aΦY"},
        {17, u"แ□□◎■", u"エン", u"ΦEn"},
        {31, u"เ□□◆▽อะ", u"ウΦアッ", u"ΦUaΦ?"},
        {48, u"เ□♥ย■", u"イΛーΦアン", u"iΦ:an"},
        {89, u"เ□□", u"エー", u"ee"},
        {93, u"□□♤▽วะ", u"ウΦワッ", u"uaΦ?"},
        {107, u"□□♡▽ว", u"イウ", u"iu"},
        {154, u"□▽♠", u"アΦム", u"am"},
        {156, u"□า■", u"アーン", u"aan"},
        {192, u"□■", u"オン", u"on"},
        {200, u"กร", u"オーン", u"ΦOΦOn"},
        {304, u"อย▲่", u"ユー_", u"yu\u0300u"},
        {305, u"ก◎", u"ゴー↘", u"k\u0254\u0302\u0254"},
    };
    const auto& all = RecogniserRuleDescriptions();
    for (const auto& c : cases) {
        const auto it = std::find_if(all.begin(), all.end(), [&](const auto& d) { return d.rule == c.rule; });
        ASSERT_NE(it, all.end()) << c.rule;
        EXPECT_EQ(Utf16ToUtf8(it->composition), Utf16ToUtf8(c.composition)) << c.rule;
        EXPECT_EQ(Utf16ToUtf8(it->vowelKana), Utf16ToUtf8(c.vowelKana)) << c.rule;
        EXPECT_EQ(Utf16ToUtf8(it->vowelIpa), Utf16ToUtf8(c.vowelIpa)) << c.rule;
    }
}
