// Syllables written with ใ or ไ, which spell the same sound: short a closed by the glide y.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

using namespace rows;

constexpr SyllableRule kAiRules[] = {
    // rule initial  slots  tone  kana: synth vowel econs  ipa after the onset  SP
    {1, Cluster, u"▽", T, N, u"a", u"ΦY", u"a▽ΦY", __},
    {2, Single, u"▽", T, N, u"a", u"ΦY", u"a▽ΦY", __},
    {3, Cluster, u"", Live, N, u"a", u"ΦY", u"a▽ΦY", __},
    {4, Single, u"", Live, N, u"a", u"ΦY", u"a▽ΦY", __},
};

// The recogniser never looks at which of the two letters it was called on.
constexpr RuleSet kAi{u"Matching_ai", u"ใ/ไ", kAiRules};

} // namespace

const RuleSet& AiRuleSet() { return kAi; }

bool Matching_ai(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    return MatchRules(kAi, s1, dn, opt, u);
}

} // namespace pralomen
