// The tone of a syllable from its onset class, its tone mark and whether it is live or dead.
#include <array>

#include "engine/Phonology.h"

namespace pralomen {
namespace {

enum Tone : int { Undetermined = 0, MidTone = 1, LowTone = 2, Falling = 3, HighTone = 4, Rising = 5 };

using ByMark = std::array<int, 5>; // indexed by the tone-mark number 0..4

constexpr ByMark kLiveLow{MidTone, Falling, HighTone, Undetermined, Undetermined};
constexpr ByMark kLiveMid{MidTone, LowTone, Falling, HighTone, Rising};
constexpr ByMark kLiveHigh{Rising, LowTone, Falling, Undetermined, Undetermined};

int ByTheMark(const ByMark& row, int mm)
{
    return mm >= 0 && mm < static_cast<int>(row.size()) ? row[mm] : Undetermined;
}

// Only the exact dead modes count for a low-class onset; any positive mode does for mid and high.
int LowClassTone(int mm, int s_mode)
{
    if (s_mode == 1) return HighTone;
    if (s_mode == 2) return Falling;
    return ByTheMark(kLiveLow, mm);
}

int MidOrHighClassTone(const ByMark& live, int mm, int s_mode)
{
    return s_mode >= 1 ? LowTone : ByTheMark(live, mm);
}

struct ToneSign {
    std::u16string_view ipa;
    std::u16string_view kana;
};

constexpr std::array<ToneSign, 6> kSigns{{
    {u"", u""},             // undetermined
    {u"", u""},             // mid: no mark in either reading
    {u"\u0300", u"_"},      // low
    {u"\u0302", u"↘"},      // falling
    {u"\u0301", u"\u00AF"}, // high
    {u"\u030C", u"↗"},      // rising
}};

} // namespace

int GetToneNumber(std::u16string_view s1, int mm, int s_mode)
{
    std::u16string hipa, eipa;
    int gp = 0;
    if (!s1.empty()) GetConsoInfo(s1[0], hipa, eipa, gp);
    switch (gp) {
    case 1: return LowClassTone(mm, s_mode);
    case 2: return MidOrHighClassTone(kLiveMid, mm, s_mode);
    case 3: return MidOrHighClassTone(kLiveHigh, mm, s_mode);
    default: return MidTone;
    }
}

void GetToneSign(int tn, std::u16string& tsp, std::u16string& tsk)
{
    const bool known = tn >= 0 && tn < static_cast<int>(kSigns.size());
    tsp = known ? kSigns[tn].ipa : u"";
    tsk = known ? kSigns[tn].kana : u"";
}

} // namespace pralomen
