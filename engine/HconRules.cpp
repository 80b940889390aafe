// Syllables that begin with a consonant. Each vowel tries its form with a final before the open form
// and its tone-marked form before the plain one; within a pair the two-letter onset goes first.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

using namespace rows;

constexpr SyllableRule kHconRules[] = {
    // rule initial  slots    tone   kana: synth vowel econs    ipa after the onset  SP
    {93, Cluster, u"♤▽วะ", T, C, u"ua", u"Φ?", u"ua▽Φ?", __},
    {94, Single, u"♤▽วะ", T, C, u"ua", u"Φ?", u"ua▽Φ?", __},
    {95, Cluster, u"▲▽■", T, N, u"uu", u"■", u"u▽u■", __},
    {96, Single, u"▲▽■", T, N, u"uu", u"■", u"u▽u■", __},
    {97, Cluster, u"△▽■", T, N, u"u", u"■", u"u▽■", __},
    {98, Single, u"△▽■", T, N, u"u", u"■", u"u▽■", __},
    {99, Cluster, u"◆▽อ", T, N, u"ΦUΦU", u"", u"ΦU▽ΦU", __},
    {100, Single, u"◆▽อ", T, N, u"ΦUΦU", u"", u"ΦU▽ΦU", __},
    {101, Cluster, u"◆▽■", T, N, u"ΦUΦU", u"■", u"ΦU▽ΦU■", __},
    {102, Single, u"◆▽■", T, N, u"ΦUΦU", u"■", u"ΦU▽ΦU■", __},
    {103, Cluster, u"◇▽■", T, N, u"ΦU", u"■", u"ΦU▽■", __},
    {104, Single, u"◇▽■", T, N, u"ΦU", u"■", u"ΦU▽■", __},
    {105, Cluster, u"♥▽■", T, N, u"ii", u"■", u"i▽i■", __},
    {106, Single, u"♥▽■", T, N, u"ii", u"■", u"i▽i■", __},
    {107, Cluster, u"♡▽■ว", T, N, u"i", u"u", u"i▽u", __},
    {108, Single, u"♡▽■ว", T, N, u"i", u"u", u"i▽u", __},
    {109, Cluster, u"♡▽■", T, N, u"i", u"■", u"i▽■", __},
    {110, Single, u"♡▽■", T, N, u"i", u"■", u"i▽■", __},
    {111, Cluster, u"▽า■", T, N, u"aa", u"■", u"a▽a■", __},
    {112, Single, u"▽า■", T, N, u"aa", u"■", u"a▽a■", __},
    {113, Cluster, u"♤วะ", Dead, C, u"ua", u"Φ?", u"u▽aΦ?", __},
    {114, Single, u"♤วะ", Dead, C, u"ua", u"Φ?", u"u▽aΦ?", __},
    {115, Cluster, u"♤▽ว", T, C, u"uΦ:a", u"", u"u▽Φ:a", __},
    {116, Single, u"♤▽ว", T, C, u"uΦ:a", u"", u"u▽Φ:a", __},
    {117, Cluster, u"♤▽■", T, N, u"a", u"■", u"a▽■", __},
    {118, Single, u"♤▽■", T, N, u"a", u"■", u"a▽■", __},
    {119, Cluster, u"▽อ■", T, N, u"ΦOΦO", u"■", u"ΦO▽ΦO■", __},
    {120, Single, u"▽อ■", T, N, u"ΦOΦO", u"■", u"ΦO▽ΦO■", __},
    {121, Cluster, u"◎อ■", Stop1, N, u"ΦO", u"■", u"ΦO▽■", __},
    {122, Single, u"◎อ■", Stop1, N, u"ΦO", u"■", u"ΦO▽■", __},
    {123, Cluster, u"▽ว■", T, C, u"uΦ:a", u"■", u"u▽Φ:a■", __},
    {124, Single, u"▽ว■", T, C, u"uΦ:a", u"■", u"u▽Φ:a■", __},
    {125, Cluster, u"ว■", Stop2, C, u"uΦ:a", u"■", u"u▽Φ:a■", __},
    {126, Single, u"ว■", Stop2, C, u"uΦ:a", u"■", u"u▽Φ:a■", __},
    {127, Cluster, u"▲■", Stop2, N, u"uu", u"■", u"u▽u■", __},
    {128, Single, u"▲■", Stop2, N, u"uu", u"■", u"u▽u■", __},
    {129, Cluster, u"▲▽", T, N, u"uu", u"", u"u▽u", __},
    {130, Single, u"▲▽", T, N, u"uu", u"", u"u▽u", __},
    {131, Cluster, u"△■", Stop1, N, u"u", u"■", u"u▽■", __},
    {132, Single, u"△■", Stop1, N, u"u", u"■", u"u▽■", __},
    {133, Cluster, u"△▽", T, N, u"u", u"Φ?", u"u▽Φ?", SP},
    {134, Single, u"△▽", T, N, u"u", u"Φ?", u"u▽Φ?", SP},
    {135, Cluster, u"◆อ", Live, N, u"ΦUΦU", u"", u"ΦU▽ΦU", __},
    {136, Single, u"◆อ", Live, N, u"ΦUΦU", u"", u"ΦU▽ΦU", __},
    {137, Cluster, u"◆■", Stop2, N, u"ΦUΦU", u"■", u"ΦU▽ΦU■", __},
    {138, Single, u"◆■", Stop2, N, u"ΦUΦU", u"■", u"ΦU▽ΦU■", __},
    {139, Cluster, u"◇■", Stop1, N, u"ΦU", u"■", u"ΦU▽■", __},
    {140, Single, u"◇■", Stop1, N, u"ΦU", u"■", u"ΦU▽■", __},
    {141, Cluster, u"◇▽", T, N, u"ΦU", u"Φ?", u"ΦU▽Φ?", SP},
    {142, Single, u"◇▽", T, N, u"ΦU", u"Φ?", u"ΦU▽Φ?", SP},
    {143, Cluster, u"♥■", Stop2, N, u"ii", u"■", u"i▽i■", __},
    {144, Single, u"♥■", Stop2, N, u"ii", u"■", u"i▽i■", __},
    {145, Cluster, u"♥▽", T, N, u"ii", u"", u"i▽i", __},
    {146, Single, u"♥▽", T, N, u"ii", u"", u"i▽i", __},
    {147, Cluster, u"♡■ว", Stop1, N, u"i", u"u", u"i▽u", __},
    {148, Single, u"♡■ว", Stop1, N, u"i", u"u", u"i▽u", __},
    {149, Cluster, u"♡■", Stop1, N, u"i", u"■", u"i▽■", __},
    {150, Single, u"♡■", Stop1, N, u"i", u"■", u"i▽■", __},
    {151, Cluster, u"♡▽", T, N, u"i", u"Φ?", u"i▽Φ?", SP},
    {152, Single, u"♡▽", T, N, u"i", u"Φ?", u"i▽Φ?", SP},
    {153, Cluster, u"▽♠", T, N, u"a", u"m", u"a▽m", __},
    {154, Single, u"▽♠", T, N, u"a", u"m", u"a▽m", __},
    {155, Cluster, u"า■", Stop2, N, u"aa", u"■", u"a▽a■", __},
    {156, Single, u"า■", Stop2, N, u"aa", u"■", u"a▽a■", __},
    {157, Cluster, u"▽า", T, N, u"aa", u"", u"a▽a", __},
    {158, Single, u"▽า", T, N, u"aa", u"", u"a▽a", __},
    {159, Cluster, u"♤ว", Live, C, u"uΦ:a", u"", u"u▽Φ:a", __},
    {160, Single, u"♤ว", Live, C, u"uΦ:a", u"", u"u▽Φ:a", __},
    {161, Cluster, u"♤■", Stop1, N, u"a", u"■", u"a▽■", __},
    {162, Single, u"♤■", Stop1, N, u"a", u"■", u"a▽■", __},
    {163, Cluster, u"▽ะ", T, N, u"a", u"Φ?", u"a▽Φ?", SP},
    {164, Single, u"▽ะ", T, N, u"a", u"Φ?", u"a▽Φ?", SP},
    {165, Cluster, u"อ■", Stop2, N, u"ΦOΦO", u"■", u"ΦO▽ΦO■", __},
    {166, Single, u"อ■", Stop2, N, u"ΦOΦO", u"■", u"ΦO▽ΦO■", __},
    {167, Cluster, u"▽อ", T, N, u"ΦOΦO", u"", u"ΦO▽ΦO", __},
    {168, Single, u"▽อ", T, N, u"ΦOΦO", u"", u"ΦO▽ΦO", __},
    {171, Cluster, u"▽■", T, N, u"o", u"■", u"o▽■", __},
    {172, Single, u"▽■", T, N, u"o", u"■", u"o▽■", __},
    {173, Cluster, u"▲", Live, N, u"uu", u"", u"u▽u", __},
    {174, Single, u"▲", Live, N, u"uu", u"", u"u▽u", __},
    {175, Cluster, u"△", Dead, N, u"u", u"Φ?", u"u▽Φ?", SP},
    {176, Single, u"△", Dead, N, u"u", u"Φ?", u"u▽Φ?", SP},
    {177, Cluster, u"◇", Dead, N, u"ΦU", u"Φ?", u"ΦU▽Φ?", SP},
    {178, Single, u"◇", Dead, N, u"ΦU", u"Φ?", u"ΦU▽Φ?", SP},
    {179, Cluster, u"♥", Live, N, u"ii", u"", u"i▽i", __},
    {180, Single, u"♥", Live, N, u"ii", u"", u"i▽i", __},
    {181, Cluster, u"♡", Dead, N, u"i", u"Φ?", u"i▽Φ?", SP},
    {182, Single, u"♡", Dead, N, u"i", u"Φ?", u"i▽Φ?", SP},
    {183, Cluster, u"♠", Live, N, u"a", u"m", u"a▽m", __},
    {184, Single, u"♠", Live, N, u"a", u"m", u"a▽m", __},
    {185, Cluster, u"า", Live, N, u"aa", u"", u"a▽a", __},
    {186, Single, u"า", Live, N, u"aa", u"", u"a▽a", __},
    {187, Cluster, u"ะ", Dead, N, u"a", u"Φ?", u"a▽Φ?", SP},
    {188, Single, u"ะ", Dead, N, u"a", u"Φ?", u"a▽Φ?", SP},
    {189, Cluster, u"อ", Live, N, u"ΦOΦO", u"", u"ΦO▽ΦO", __},
    {190, Single, u"อ", Live, N, u"ΦOΦO", u"", u"ΦO▽ΦO", __},
    {191, Cluster, u"■", Stop1, N, u"o", u"■", u"o▽■", __},
    // กร จร พร read as ɔɔn, unless กร พร already took a final as a cluster with the inherent o (191);
    // they stand before 192 so that ร is never the final of a lone ก, จ or พ.
    {200, Literal, u"กร", NoTone, N, u"ΦOΦO", u"n", u"ΦOΦOn", __},
    {201, Literal, u"จร", NoTone, N, u"ΦOΦO", u"n", u"ΦOΦOn", __},
    {202, Literal, u"พร", NoTone, N, u"ΦOΦO", u"n", u"ΦOΦOn", __},
    {192, Single, u"■", Stop1, N, u"o", u"■", u"o▽■", __},
};

constexpr RuleSet kHcon{u"Matching_hcon", u"", kHconRules};

} // namespace

const RuleSet& HconRuleSet() { return kHcon; }

bool Matching_hcon(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    return MatchRules(kHcon, s1, dn, opt, u);
}

} // namespace pralomen
