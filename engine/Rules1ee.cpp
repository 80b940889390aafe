// Syllables written with the leading vowel เ: e, ə, ɔ, the diphthongs ia and ɯa, and the endings aw and əəj.
// The long ee forms close the table, every two-letter onset before every single one.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

using namespace rows;

constexpr SyllableRule kEe1Rules[] = {
    // rule initial  slots    tone   kana: synth vowel econs    ipa after the onset  SP
    {31, Cluster, u"◆▽อะ", T, C, u"ΦUa", u"Φ?", u"ΦUa▽Φ?", __},
    {32, Single, u"◆▽อะ", T, C, u"ΦUa", u"Φ?", u"ΦUa▽Φ?", __},
    {33, Cluster, u"◆▽อ■", T, C, u"ΦUΦ:a", u"■", u"ΦU▽Φ:a■", __},
    {34, Single, u"◆▽อ■", T, C, u"ΦUΦ:a", u"■", u"ΦU▽Φ:a■", __},
    {35, Cluster, u"♥▽ยะ", T, C, u"ia", u"Φ?", u"i▽aΦ?", __},
    {36, Single, u"♥▽ยะ", T, C, u"ia", u"Φ?", u"i▽aΦ?", __},
    {37, Cluster, u"♥▽ย■", T, C, u"iΦ:a", u"■", u"i▽Φ:a■", __},
    {38, Single, u"♥▽ย■", T, C, u"iΦ:a", u"■", u"i▽Φ:a■", __},
    {39, Cluster, u"◆อะ", Dead, C, u"ΦUa", u"Φ?", u"ΦU▽aΦ?", __},
    {40, Single, u"◆อะ", Dead, C, u"ΦUa", u"Φ?", u"ΦU▽aΦ?", __},
    {41, Cluster, u"◆อ■", Stop2, C, u"ΦUΦ:a", u"■", u"ΦU▽Φ:a■", __},
    {42, Single, u"◆อ■", Stop2, C, u"ΦUΦ:a", u"■", u"ΦU▽Φ:a■", __},
    {43, Cluster, u"◆▽อ", T, C, u"ΦUΦ:a", u"", u"ΦU▽Φ:a", __},
    {44, Single, u"◆▽อ", T, C, u"ΦUΦ:a", u"", u"ΦU▽Φ:a", __},
    {45, Cluster, u"♥ยะ", Dead, C, u"ia", u"Φ?", u"i▽aΦ?", __},
    {46, Single, u"♥ยะ", Dead, C, u"ia", u"Φ?", u"i▽aΦ?", __},
    {47, Cluster, u"♥ย■", Stop2, C, u"iΦ:a", u"■", u"i▽Φ:a■", __},
    {48, Single, u"♥ย■", Stop2, C, u"iΦ:a", u"■", u"i▽Φ:a■", __},
    {49, Cluster, u"♥▽ย", T, C, u"iΦ:a", u"", u"i▽Φ:a", __},
    {50, Single, u"♥▽ย", T, C, u"iΦ:a", u"", u"i▽Φ:a", __},
    {51, Cluster, u"♡▽■", T, N, u"ΦAΦA", u"■", u"ΦA▽ΦA■", __},
    {52, Single, u"♡▽■", T, N, u"ΦAΦA", u"■", u"ΦA▽ΦA■", __},
    {53, Cluster, u"▽าะ", T, N, u"ΦO", u"Φ?", u"ΦO▽Φ?", SP},
    {54, Single, u"▽าะ", T, N, u"ΦO", u"Φ?", u"ΦO▽Φ?", SP},
    {55, Cluster, u"▽อะ", T, N, u"ΦA", u"Φ?", u"ΦA▽Φ?", SP},
    {56, Single, u"▽อะ", T, N, u"ΦA", u"Φ?", u"ΦA▽Φ?", SP},
    {57, Cluster, u"▽ย", T, N, u"ΦAΦA", u"ΦY", u"ΦA▽ΦAΦY", __},
    {58, Single, u"▽ย", T, N, u"ΦAΦA", u"ΦY", u"ΦA▽ΦAΦY", __},
    {59, Cluster, u"◆อ", Live, C, u"ΦUΦ:a", u"", u"ΦU▽Φ:a", __},
    {60, Single, u"◆อ", Live, C, u"ΦUΦ:a", u"", u"ΦU▽Φ:a", __},
    {61, Cluster, u"♥ย", Live, C, u"iΦ:a", u"", u"i▽Φ:a", __},
    {62, Single, u"♥ย", Live, C, u"iΦ:a", u"", u"i▽Φ:a", __},
    {63, Cluster, u"♡■", Stop2, N, u"ΦAΦA", u"■", u"ΦA▽ΦA■", __},
    {64, Single, u"♡■", Stop2, N, u"ΦAΦA", u"■", u"ΦA▽ΦA■", __},
    {65, Cluster, u"าะ", Dead, N, u"ΦO", u"Φ?", u"ΦO▽Φ?", SP},
    {66, Single, u"าะ", Dead, N, u"ΦO", u"Φ?", u"ΦO▽Φ?", SP},
    {67, Cluster, u"▽า", T, N, u"a", u"ΦW", u"a▽ΦW", __},
    {68, Single, u"▽า", T, N, u"a", u"ΦW", u"a▽ΦW", __},
    {69, Cluster, u"▽ะ", T, N, u"e", u"Φ?", u"e▽Φ?", SP},
    {70, Single, u"▽ะ", T, N, u"e", u"Φ?", u"e▽Φ?", SP},
    {71, Cluster, u"อะ", Dead, N, u"ΦA", u"Φ?", u"ΦA▽Φ?", SP},
    {72, Single, u"อะ", Dead, N, u"ΦA", u"Φ?", u"ΦA▽Φ?", SP},
    {73, Cluster, u"▽อ", T, N, u"ΦAΦA", u"", u"ΦA▽ΦA", __},
    {74, Single, u"▽อ", T, N, u"ΦAΦA", u"", u"ΦA▽ΦA", __},
    {75, Cluster, u"▽■", T, N, u"ee", u"■", u"e▽e■", __},
    {76, Single, u"▽■", T, N, u"ee", u"■", u"e▽e■", __},
    {77, Cluster, u"◎■", Stop1, N, u"e", u"■", u"e▽■", __},
    {78, Single, u"◎■", Stop1, N, u"e", u"■", u"e▽■", __},
    {79, Cluster, u"ย", Live, N, u"ΦAΦA", u"ΦY", u"ΦA▽ΦAΦY", __},
    {80, Single, u"ย", Live, N, u"ΦAΦA", u"ΦY", u"ΦA▽ΦAΦY", __},
    {81, Cluster, u"า", Live, N, u"a", u"ΦW", u"a▽ΦW", __},
    {82, Single, u"า", Live, N, u"a", u"ΦW", u"a▽ΦW", __},
    {83, Cluster, u"ะ", Dead, N, u"e", u"Φ?", u"e▽Φ?", SP},
    {84, Single, u"ะ", Dead, N, u"e", u"Φ?", u"e▽Φ?", SP},
    {85, Cluster, u"อ", Live, N, u"ΦAΦA", u"", u"ΦA▽ΦA", __},
    {86, Single, u"อ", Live, N, u"ΦAΦA", u"", u"ΦA▽ΦA", __},
    {87, Cluster, u"■", Stop2, N, u"ee", u"■", u"e▽e■", __},
    {88, Cluster, u"▽", T, N, u"ee", u"", u"e▽e", __},
    {89, Cluster, u"", Live, N, u"ee", u"", u"e▽e", __},
    {90, Single, u"■", Stop2, N, u"ee", u"■", u"e▽e■", __},
    {91, Single, u"▽", T, N, u"ee", u"", u"e▽e", __},
    {92, Single, u"", Live, N, u"ee", u"", u"e▽e", __},
};

constexpr RuleSet kEe1{u"Matching_1ee", u"เ", kEe1Rules};

} // namespace

const RuleSet& Ee1RuleSet() { return kEe1; }

bool Matching_1ee(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    return MatchRules(kEe1, s1, dn, opt, u);
}

} // namespace pralomen
