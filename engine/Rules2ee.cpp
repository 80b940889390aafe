// Syllables written with the leading vowel แ: long ɛɛ, or short ɛ with ะ or the shortening sign ็.
// After the ็ and tone-marked forms come all plain two-letter-onset forms, then the plain single ones.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

using namespace rows;

constexpr SyllableRule kEe2Rules[] = {
    // rule initial  slots  tone   kana: synth vowel econs   ipa after the onset  SP
    {17, Cluster, u"◎■", Stop1, N, u"ΦE", u"■", u"ΦE▽■", __},
    {18, Single, u"◎■", Stop1, N, u"ΦE", u"■", u"ΦE▽■", __},
    {19, Cluster, u"▽■", T, N, u"ΦEΦE", u"■", u"ΦE▽ΦE■", __},
    {20, Single, u"▽■", T, N, u"ΦEΦE", u"■", u"ΦE▽ΦE■", __},
    {21, Cluster, u"▽ะ", T, N, u"ΦE", u"Φ?", u"ΦE▽Φ?", SP},
    {22, Single, u"▽ะ", T, N, u"ΦE", u"Φ?", u"ΦE▽Φ?", SP},
    {23, Cluster, u"▽", T, N, u"ΦEΦE", u"", u"ΦE▽ΦE", __},
    {24, Single, u"▽", T, N, u"ΦEΦE", u"", u"ΦE▽ΦE", __},
    {25, Cluster, u"■", Stop2, N, u"ΦEΦE", u"■", u"ΦE▽ΦE■", __},
    {26, Cluster, u"ะ", Dead, N, u"ΦE", u"Φ?", u"ΦE▽Φ?", SP},
    {27, Cluster, u"", Live, N, u"ΦEΦE", u"", u"ΦE▽ΦE", __},
    {28, Single, u"■", Stop2, N, u"ΦEΦE", u"■", u"ΦE▽ΦE■", __},
    {29, Single, u"ะ", Dead, N, u"ΦE", u"Φ?", u"ΦE▽Φ?", SP},
    {30, Single, u"", Live, N, u"ΦEΦE", u"", u"ΦE▽ΦE", __},
};

constexpr RuleSet kEe2{u"Matching_2ee", u"แ", kEe2Rules};

} // namespace

const RuleSet& Ee2RuleSet() { return kEe2; }

bool Matching_2ee(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    return MatchRules(kEe2, s1, dn, opt, u);
}

} // namespace pralomen
