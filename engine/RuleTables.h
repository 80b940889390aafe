// The rule tables of the syllable recognisers and the fixed words, and their description for the
// pattern table, derived from the rows themselves so that the two never drift apart.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RuleEngine.h"

namespace pralomen {

const RuleSet& HconRuleSet(); // consonant first
const RuleSet& Ee1RuleSet();  // เ
const RuleSet& Ee2RuleSet();  // แ
const RuleSet& OoRuleSet();   // โ
const RuleSet& AiRuleSet();   // ใ ไ

struct FixedWord {
    int rule;
    std::u16string_view thai;
    std::u16string_view kana;
    std::u16string_view ipa;
};
std::span<const FixedWord> FixedWords();

struct RuleDescription {
    int rule;
    std::u16string recogniser;  // e.g. u"Matching_hcon"
    std::u16string composition; // letters: □ onset (□□ two-letter onset), ■ final, ▽ tone mark, vowel signs as symbols
    std::u16string vowelKana;   // the vowel's kana after อ, a final read as n
    std::u16string vowelIpa;    // the vowel's IPA, a final read as n
};

// Every rule number a recogniser can report, in rule-number order.
const std::vector<RuleDescription>& RecogniserRuleDescriptions();

} // namespace pralomen
