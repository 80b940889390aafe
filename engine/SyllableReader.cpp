#include "engine/SyllableReader.h"

#include "engine/Recognisers.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

bool ReadSign(char16_t c1, Unit& u)
{
    if (c1 != u'ฯ' && c1 != u'ๆ') return false;
    u = {};
    u.sthai = std::u16string(1, c1);
    u.skana = c1 == u'ฯ' ? u"(省略)" : u"(反復)";
    u.sipa = c1 == u'ฯ' ? u"(ellipsis)" : u"(rep)";
    u.rule = kSignRule;
    u.cnt = 1;
    return true;
}

bool ReadByLeadingCharacter(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    switch (char16_t c1 = s1[dn - 1]) {
    case u'เ': return Matching_1ee(s1, dn, opt, u);
    case u'แ': return Matching_2ee(s1, dn, opt, u);
    case u'โ': return Matching_oo(s1, dn, opt, u);
    case u'ใ':
    case u'ไ': return Matching_ai(s1, dn, opt, u);
    default: return IsConsonant(c1) && Matching_hcon(s1, dn, opt, u);
    }
}

} // namespace

bool ReadSyllableAt(const std::u16string& s1, int dn, const PralomenOptions& opt, Unit& u)
{
    if (dn < 1 || dn > static_cast<int>(s1.size())) return false;
    return Matching_oy(s1, dn, u) || ReadSign(s1[dn - 1], u) || ReadByLeadingCharacter(s1, dn, opt, u);
}

} // namespace pralomen
