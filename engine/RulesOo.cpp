// Syllables written with the leading vowel โ: long oo, or short o with ะ.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

using namespace rows;

constexpr SyllableRule kOoRules[] = {
    // rule initial  slots  tone   kana: synth vowel econs  ipa after the onset  SP
    {5, Cluster, u"▽ะ", T, N, u"o", u"Φ?", u"o▽Φ?", SP},
    {6, Single, u"▽ะ", T, N, u"o", u"Φ?", u"o▽Φ?", SP},
    {7, Cluster, u"▽■", T, N, u"oo", u"■", u"o▽o■", __},
    {8, Single, u"▽■", T, N, u"oo", u"■", u"o▽o■", __},
    {9, Cluster, u"▽", T, N, u"oo", u"", u"o▽o", __},
    {10, Single, u"▽", T, N, u"oo", u"", u"o▽o", __},
    {11, Cluster, u"■", Stop2, N, u"oo", u"■", u"o▽o■", __},
    {12, Cluster, u"ะ", Dead, N, u"o", u"Φ?", u"o▽Φ?", SP},
    {13, Cluster, u"", Live, N, u"oo", u"", u"o▽o", __},
    {14, Single, u"■", Stop2, N, u"oo", u"■", u"o▽o■", __},
    {15, Single, u"ะ", Dead, N, u"o", u"Φ?", u"o▽Φ?", SP},
    {16, Single, u"", Live, N, u"oo", u"", u"o▽o", __},
};

constexpr RuleSet kOo{u"Matching_oo", u"โ", kOoRules};

} // namespace

const RuleSet& OoRuleSet() { return kOo; }

bool Matching_oo(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    return MatchRules(kOo, s1, dn, opt, u);
}

} // namespace pralomen
