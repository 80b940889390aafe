// Katakana of one syllable whose nucleus is the diphthong ia, ɯa or ua, in the internal notation.
#include <array>
#include <string_view>

#include "engine/Phonology.h"

namespace pralomen {
namespace {

struct Diphthong {
    std::u16string_view vowel;
    std::u16string_view baseVowel; // the simple vowel whose kana column gives the base
    std::u16string_view ending;
};

constexpr std::array<Diphthong, 6> kDiphthongs{{
    {u"ia", u"i", u"Φア"},    {u"iΦ:a", u"i", u"ΛーΦア"},
    {u"ΦUa", u"u", u"Φア"},   {u"ΦUΦ:a", u"u", u"ΛーΦア"},
    {u"ua", u"u", u"Φワ"},    {u"uΦ:a", u"u", u"ΛーΦワ"},
}};

const Diphthong* FindDiphthong(std::u16string_view vowel)
{
    for (const auto& d : kDiphthongs)
        if (d.vowel == vowel) return &d;
    return nullptr;
}

// The base is the short kana of the simple-vowel table, except that kw takes the ク forms before a diphthong.
std::u16string Base(std::u16string_view hcons, std::u16string_view baseVowel, const PralomenOptions& opt)
{
    return GetNormalKana(hcons == u"kw" ? u"khw" : hcons, baseVowel, u"", u"", opt);
}

// No diphthong counts as long, so a stop always takes its ッ form; the ิว ending "u" has no place here.
std::u16string FinalPart(std::u16string_view econs, const PralomenOptions& opt)
{
    if (econs == u"u") return {};
    // An empty onset contributes nothing, leaving the final of a short simple vowel.
    return GetNormalKana(u"", u"a", econs, u"", opt);
}

} // namespace

std::u16string GetComplexKana(std::u16string_view hcons, std::u16string_view vowel, std::u16string_view econs,
                              std::u16string_view tone, const PralomenOptions& opt)
{
    const Diphthong* d = FindDiphthong(vowel);
    std::u16string kana;
    if (d) {
        kana = Base(hcons, d->baseVowel, opt);
        if (!kana.empty()) kana += d->ending;
    } else {
        kana = GetNormalKana(hcons, vowel, u"", u"", opt); // a simple vowel, or a visible marker
    }
    return kana + FinalPart(econs, opt) + std::u16string(tone);
}

} // namespace pralomen
