// The consonant letters with their onset sound, final sound and tone class, and the two-letter onsets.
#include <array>
#include <string_view>

#include "engine/Phonology.h"

namespace pralomen {
namespace {

enum ToneClass : int { NoClass = 0, Low = 1, Mid = 2, High = 3 };

struct Consonant {
    char16_t letter;
    std::u16string_view hipa; // as an onset
    std::u16string_view eipa; // as a final; empty when the letter never closes a syllable
    int gp;
};

constexpr char16_t kFirstConsonant = u'ก';

// One row per code unit ก..ฮ, in code order.
constexpr std::array<Consonant, 46> kConsonants{{
    {u'ก', u"k", u"k", Mid},     {u'ข', u"kh", u"k", High},    {u'\u0E03', u"", u"", NoClass},
    {u'ค', u"kh", u"k", Low},    {u'\u0E05', u"", u"", NoClass}, {u'ฆ', u"kh", u"k", Low},
    {u'ง', u"ΦG", u"ΦG", Low},   {u'จ', u"c", u"t", Mid},      {u'ฉ', u"ch", u"t", High},
    {u'ช', u"ch", u"t", Low},    {u'ซ', u"s", u"t", Low},      {u'ฌ', u"ch", u"t", Low},
    {u'ญ', u"y", u"n", Low},     {u'ฎ', u"d", u"t", Mid},      {u'ฏ', u"t", u"t", Mid},
    {u'ฐ', u"th", u"t", High},   {u'ฑ', u"th", u"t", Low},     {u'ฒ', u"th", u"t", Low},
    {u'ณ', u"n", u"n", Low},     {u'ด', u"d", u"t", Mid},      {u'ต', u"t", u"t", Mid},
    {u'ถ', u"th", u"t", High},   {u'ท', u"th", u"t", Low},     {u'ธ', u"th", u"t", Low},
    {u'น', u"n", u"n", Low},     {u'บ', u"b", u"p", Mid},      {u'ป', u"p", u"p", Mid},
    {u'ผ', u"ph", u"", High},    {u'ฝ', u"f", u"", High},      {u'พ', u"ph", u"p", Low},
    {u'ฟ', u"f", u"p", Low},     {u'ภ', u"ph", u"p", Low},     {u'ม', u"m", u"m", Low},
    {u'ย', u"y", u"ΦY", Low},    {u'ร', u"r", u"n", Low},      {u'ฤ', u"r", u"", NoClass},
    {u'ล', u"l", u"n", Low},     {u'ฦ', u"l", u"", NoClass},   {u'ว', u"w", u"ΦW", Low},
    {u'ศ', u"s", u"t", High},    {u'ษ', u"s", u"t", High},     {u'ส', u"s", u"t", High},
    {u'ห', u"h", u"", High},     {u'ฬ', u"l", u"n", Low},      {u'อ', u"Φ?", u"", Mid},
    {u'ฮ', u"h", u"", Low},
}};

constexpr bool RowsFollowCodeOrder()
{
    for (std::size_t i = 0; i < kConsonants.size(); ++i)
        if (kConsonants[i].letter != kFirstConsonant + i) return false;
    return true;
}
static_assert(RowsFollowCodeOrder());

struct Onset {
    std::u16string_view letters;
    std::u16string_view sound;
};

// True clusters first, then the onsets whose leading ห is silent and only lends its high class.
constexpr std::array<Onset, 23> kOnsets{{
    {u"กร", u"kr"},   {u"กล", u"kl"},   {u"ตร", u"tr"},   {u"ปร", u"pr"},  {u"ปล", u"pl"},
    {u"กว", u"kw"},   {u"ขร", u"khr"},  {u"ขล", u"khl"},  {u"ผล", u"phl"}, {u"ขว", u"khw"},
    {u"คร", u"khr"},  {u"คล", u"khl"},  {u"พร", u"phr"},  {u"พล", u"phl"}, {u"คว", u"khw"},
    {u"หง", u"ΦG"},   {u"หญ", u"y"},    {u"หน", u"n"},    {u"หม", u"m"},   {u"หย", u"y"},
    {u"หร", u"r"},    {u"หล", u"l"},    {u"หว", u"w"},
}};

const Onset* FindOnset(std::u16string_view sx)
{
    for (const auto& o : kOnsets)
        if (o.letters == sx) return &o;
    return nullptr;
}

} // namespace

void GetConsoInfo(char16_t c1, std::u16string& hipa, std::u16string& eipa, int& gp)
{
    const bool inTable = c1 >= kFirstConsonant && c1 < kFirstConsonant + kConsonants.size();
    const Consonant none{c1, u"", u"", NoClass};
    const Consonant& row = inTable ? kConsonants[c1 - kFirstConsonant] : none;
    hipa = row.hipa;
    eipa = row.eipa;
    gp = row.gp;
}

bool IsDoubleConso(std::u16string_view sx) { return FindOnset(sx) != nullptr; }

std::u16string GetDblConsoIpa(std::u16string_view sx)
{
    const Onset* o = FindOnset(sx);
    return o ? std::u16string(o->sound) : std::u16string();
}

} // namespace pralomen
