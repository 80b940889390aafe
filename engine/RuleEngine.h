// One engine for every syllable recogniser: an ordered list of rule rows, walked until one fits.
//
// Slots are written in the pattern notation, so a row reads like the pattern table:
//   ▽  a tone mark            ■  a final consonant (any letter with a final sound)
//   ■ว a final consonant that must be ว
//   ◇ ◆ ♡ ♥ ♤ ♠ △ ▲ ◎  the vowel signs ึ ื ิ ี ั ำ ุ ู ็
//   any other character stands for itself (า อ ว ย ะ ร ...).
// In a kana recipe, econs "■" stands for the final's sound. An IPA recipe is what follows the onset:
// ▽ marks where the tone diacritic goes and ■ where the final's sound goes.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/Options.h"
#include "engine/Unit.h"

namespace pralomen {

enum class Initial {
    Cluster, // two letters forming one of the two-letter onsets
    Single,  // one consonant
    Literal, // the slots alone, starting with the onset letter itself
};

enum class TonePolicy {
    Mark,      // mm from the ▽ slot, live
    Live,      // mm 0, s_mode 0
    Dead,      // mm 0, s_mode 1
    StopShort, // s_mode 1 when the final is a stop, else 0
    StopLong,  // s_mode 2 when the final is a stop, else 0
    NoTone,    // a fixed reading without tone signs
};

enum class Synth { Normal, Complex };

struct SyllableRule {
    int number;
    Initial initial;
    std::u16string_view slots;
    TonePolicy tone;
    Synth synth;
    std::u16string_view vowel;
    std::u16string_view econs;
    std::u16string_view ipa;
    bool shortPlain; // ShortPlainFlg drops the glottal stop and the tone signs
};

struct RuleSet {
    std::u16string_view recogniser;   // the recogniser's name, for the pattern table
    std::u16string_view leadingVowel; // written before the onset; empty for consonant-first syllables
    std::span<const SyllableRule> rules;
};

// Short names for writing rule rows.
namespace rows {
constexpr Initial Cluster = Initial::Cluster, Single = Initial::Single, Literal = Initial::Literal;
constexpr TonePolicy T = TonePolicy::Mark, Live = TonePolicy::Live, Dead = TonePolicy::Dead,
                     Stop1 = TonePolicy::StopShort, Stop2 = TonePolicy::StopLong, NoTone = TonePolicy::NoTone;
constexpr Synth N = Synth::Normal, C = Synth::Complex;
constexpr bool SP = true, __ = false;
} // namespace rows

constexpr std::u16string_view kToneSlot = u"▽";
constexpr std::u16string_view kFinalSlot = u"■";

// Whether the ■ at slots[k] is followed by the one letter that final must be.
bool RestrictsFinal(std::u16string_view slots, std::size_t k);
// The Thai vowel sign behind one of the nine pattern symbols, or c1 itself.
char16_t SlotLetter(char16_t c1);
// The pattern symbol of a Thai vowel sign, or c1 itself.
char16_t PatternSymbol(char16_t c1);
// Characters the rule consumes: the leading vowel, the onset letters and one per slot.
int WindowLength(const RuleSet& set, const SyllableRule& rule);

// The first rule of the set that fits at the 1-based position dn; on false the unit is empty with rule 0.
bool MatchRules(const RuleSet& set, const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u);

} // namespace pralomen
