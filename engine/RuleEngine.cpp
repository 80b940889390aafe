#include "engine/RuleEngine.h"

#include <array>

#include "engine/Phonology.h"
#include "engine/Replace.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

struct SignSymbol {
    char16_t symbol;
    char16_t sign;
};

constexpr std::array<SignSymbol, 9> kSignSymbols{{
    {u'◇', u'\u0E36'}, {u'◆', u'\u0E37'}, {u'♡', u'\u0E34'},
    {u'♥', u'\u0E35'}, {u'♤', u'\u0E31'}, {u'♠', u'\u0E33'},
    {u'△', u'\u0E38'}, {u'▲', u'\u0E39'}, {u'◎', u'\u0E47'},
}};

constexpr char16_t kTone = kToneSlot[0];
constexpr char16_t kFinal = kFinalSlot[0];

int SlotCount(std::u16string_view slots)
{
    int n = 0;
    for (std::size_t k = 0; k < slots.size(); ++k, ++n)
        if (RestrictsFinal(slots, k)) ++k;
    return n;
}

int OnsetLength(Initial initial)
{
    switch (initial) {
    case Initial::Cluster: return 2;
    case Initial::Single: return 1;
    case Initial::Literal: return 0;
    }
    return 0;
}

// What the window's tests found out about the syllable.
struct Reading {
    std::u16string sx;   // the onset letters, which carry the tone class
    std::u16string eipa; // the final's sound
    int mm = 0;          // the tone mark
};

bool FinalFits(char16_t c, std::u16string& eipa)
{
    std::u16string hipa;
    int gp = 0;
    GetConsoInfo(c, hipa, eipa, gp);
    return !eipa.empty();
}

bool SlotsFit(std::u16string_view slots, const std::u16string& s1, std::size_t at, Reading& r)
{
    for (std::size_t k = 0; k < slots.size(); ++k, ++at) {
        const char16_t c = s1[at];
        if (slots[k] == kTone) {
            r.mm = IsToneMark(c);
            if (r.mm < 1) return false;
        } else if (slots[k] == kFinal) {
            if (!FinalFits(c, r.eipa)) return false;
            if (RestrictsFinal(slots, k) && c != slots[++k]) return false;
        } else if (c != SlotLetter(slots[k])) {
            return false;
        }
    }
    return true;
}

int SyllableMode(TonePolicy tone, const std::u16string& eipa)
{
    switch (tone) {
    case TonePolicy::Dead: return 1;
    case TonePolicy::StopShort: return IsSokuon2(eipa) ? 1 : 0;
    case TonePolicy::StopLong: return IsSokuon2(eipa) ? 2 : 0;
    default: return 0;
    }
}

std::u16string OnsetSound(Initial initial, const std::u16string& sx)
{
    if (initial == Initial::Cluster) return GetDblConsoIpa(sx);
    std::u16string hipa, eipa;
    int gp = 0;
    GetConsoInfo(sx[0], hipa, eipa, gp);
    return hipa;
}

std::u16string FillIpa(std::u16string_view recipe, const std::u16string& tsp, const std::u16string& eipa)
{
    std::u16string ipa(recipe);
    ReplaceStr(ipa, kToneSlot, tsp);
    ReplaceStr(ipa, kFinalSlot, eipa);
    return ipa;
}

void Produce(const SyllableRule& rule, const Reading& r, const PralomenOptions& opt, Unit& u)
{
    std::u16string tsp, tsk;
    if (rule.tone != TonePolicy::NoTone) {
        const int mm = rule.tone == TonePolicy::Mark ? r.mm : 0;
        GetToneSign(GetToneNumber(r.sx, mm, SyllableMode(rule.tone, r.eipa)), tsp, tsk);
    }
    const std::u16string headipa = OnsetSound(rule.initial, r.sx);
    if (rule.shortPlain && opt.ShortPlainFlg) {
        u.skana = GetNormalKana(headipa, rule.vowel, u"", u"", opt);
        u.sipa = headipa + std::u16string(rule.ipa.substr(0, rule.ipa.find(kTone)));
        return;
    }
    const std::u16string econs = rule.econs == kFinalSlot ? r.eipa : std::u16string(rule.econs);
    u.skana = rule.synth == Synth::Complex ? GetComplexKana(headipa, rule.vowel, econs, tsk, opt)
                                           : GetNormalKana(headipa, rule.vowel, econs, tsk, opt);
    u.sipa = headipa + FillIpa(rule.ipa, tsp, r.eipa);
}

} // namespace

// ■ directly followed by a consonant letter is one slot: a final that must be that letter.
bool RestrictsFinal(std::u16string_view slots, std::size_t k)
{
    return slots[k] == kFinal && k + 1 < slots.size() && IsConsonant(slots[k + 1]);
}

char16_t SlotLetter(char16_t c1)
{
    for (const auto& s : kSignSymbols)
        if (s.symbol == c1) return s.sign;
    return c1;
}

char16_t PatternSymbol(char16_t c1)
{
    for (const auto& s : kSignSymbols)
        if (s.sign == c1) return s.symbol;
    return c1;
}

int WindowLength(const RuleSet& set, const SyllableRule& rule)
{
    return (set.leadingVowel.empty() ? 0 : 1) + OnsetLength(rule.initial) + SlotCount(rule.slots);
}

bool MatchRules(const RuleSet& set, const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    u = {};
    const int nn = static_cast<int>(s1.size());
    const int lead = set.leadingVowel.empty() ? 0 : 1;
    // The onset and at least one more character must follow.
    if (dn < 1 || nn - dn < 1 + lead) return false;
    const std::size_t onsetAt = static_cast<std::size_t>(dn - 1 + lead);
    // The onset is the same for every rule of a kind, so it is tested once.
    const bool clusterFits = IsDoubleConso(std::u16string_view(s1).substr(onsetAt, 2));
    const bool singleFits = IsConsonant(s1[onsetAt]);
    Reading r;
    for (const auto& rule : set.rules) {
        const int len = WindowLength(set, rule);
        if (nn - dn < len) continue; // the window and its follower lie inside s1
        u.cnt = len;                 // what a failed call leaves behind
        if ((rule.initial == Initial::Cluster && !clusterFits) || (rule.initial == Initial::Single && !singleFits))
            continue;
        r.sx = s1.substr(onsetAt, rule.initial == Initial::Cluster ? 2 : 1);
        r.mm = 0;
        r.eipa.clear();
        if (!SlotsFit(rule.slots, s1, onsetAt + OnsetLength(rule.initial), r)) continue;
        // A sign after the window means its last consonant begins the next syllable.
        if (IsDependentChar(s1[dn - 1 + len])) continue;
        u.rule = rule.number;
        u.sthai = s1.substr(dn - 1, len);
        Produce(rule, r, opt, u);
        return true;
    }
    return false;
}

} // namespace pralomen
