// Six words whose reading the syllable rules would get wrong: a silent อ before ย carries the tone,
// the particle ก็, and ไทย. They match whatever follows them.
#include "engine/Recognisers.h"
#include "engine/RuleTables.h"

namespace pralomen {
namespace {

constexpr FixedWord kFixedWords[] = {
    {301, u"อย่าง", u"ヤーΦング_", u"ya\u0300aΦG"},
    {302, u"อย่า", u"ヤー_", u"ya\u0300a"},
    {303, u"อยาก", u"ヤーΦク_", u"ya\u0300ak"},
    {304, u"อยู่", u"ユー_", u"yu\u0300u"},
    {305, u"ก็", u"ゴー↘", u"k\u0254\u0302\u0254"},
    {306, u"ไทย", u"タΦイ", u"thaΦY"},
};

} // namespace

std::span<const FixedWord> FixedWords() { return kFixedWords; }

bool Matching_oy(const std::u16string& s1, int dn, Unit& u)
{
    u = {};
    if (dn < 1 || dn > static_cast<int>(s1.size())) return false;
    for (const auto& w : kFixedWords) {
        if (s1.compare(static_cast<std::size_t>(dn - 1), w.thai.size(), w.thai) != 0) continue;
        u.sthai = w.thai;
        u.skana = w.kana;
        u.sipa = w.ipa;
        u.rule = w.rule;
        u.cnt = static_cast<int>(w.thai.size());
        return true;
    }
    return false;
}

} // namespace pralomen
