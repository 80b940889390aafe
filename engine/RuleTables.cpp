#include "engine/RuleTables.h"

#include <algorithm>

#include "engine/Phonology.h"
#include "engine/Replace.h"

namespace pralomen {
namespace {

std::u16string_view OnsetMark(Initial initial)
{
    switch (initial) {
    case Initial::Cluster: return u"□□";
    case Initial::Single: return u"□";
    case Initial::Literal: return u""; // its letters are among the slots
    }
    return u"";
}

// A final that must be one letter shows that letter alone.
std::u16string SlotComposition(std::u16string_view slots)
{
    std::u16string out;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (!RestrictsFinal(slots, k)) out += slots[k];
    }
    return out;
}

std::u16string ThaiComposition(std::u16string_view thai)
{
    std::u16string out;
    for (char16_t c : thai) out += PatternSymbol(c);
    return out;
}

// Read after อ, with any final consonant standing for itself as n.
constexpr std::u16string_view kOnset = u"Φ?";
constexpr std::u16string_view kAnyFinal = u"n";

RuleDescription Describe(const RuleSet& set, const SyllableRule& rule)
{
    const PralomenOptions opt;
    const std::u16string_view econs = rule.econs == kFinalSlot ? kAnyFinal : rule.econs;
    RuleDescription d;
    d.rule = rule.number;
    d.recogniser = set.recogniser;
    d.composition = std::u16string(set.leadingVowel) + std::u16string(OnsetMark(rule.initial)) +
                    SlotComposition(rule.slots);
    d.vowelKana = rule.synth == Synth::Complex ? GetComplexKana(kOnset, rule.vowel, econs, u"", opt)
                                               : GetNormalKana(kOnset, rule.vowel, econs, u"", opt);
    d.vowelIpa = Replaced(Replaced(std::u16string(rule.ipa), kToneSlot, u""), kFinalSlot, kAnyFinal);
    return d;
}

RuleDescription Describe(const FixedWord& w)
{
    return {w.rule, u"Matching_oy", ThaiComposition(w.thai), std::u16string(w.kana), std::u16string(w.ipa)};
}

std::vector<RuleDescription> DescribeAll()
{
    std::vector<RuleDescription> all;
    for (const RuleSet* set : {&AiRuleSet(), &OoRuleSet(), &Ee2RuleSet(), &Ee1RuleSet(), &HconRuleSet()})
        for (const auto& rule : set->rules) all.push_back(Describe(*set, rule));
    for (const auto& w : FixedWords()) all.push_back(Describe(w));
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.rule < b.rule; });
    return all;
}

} // namespace

const std::vector<RuleDescription>& RecogniserRuleDescriptions()
{
    static const std::vector<RuleDescription> all = DescribeAll();
    return all;
}

} // namespace pralomen
