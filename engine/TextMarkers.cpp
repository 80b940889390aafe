#include "engine/TextMarkers.h"

#include "engine/Replace.h"
#include "engine/ThaiChars.h"

namespace pralomen {

std::u16string ReplaceSpaceRep(std::u16string s)
{
    // Each letter from ก to ๋ in turn loses the space between it and a following ๆ. Only the round of ๆ
    // itself can overlap its own matches ("ๆ ๆ ๆ"), and like every replacement it takes them from the left
    // without overlap; every other match is independent, so one pass gives the same text.
    std::u16string out;
    out.reserve(s.size());
    bool repClosedRepMatch = false; // out.back() is a ๆ that ended a match led by ๆ
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t before = out.empty() ? u'\0' : out.back();
        const bool letterBefore = before >= 0x0E01 && before <= 0x0E4B;
        const bool spaceBeforeRep = s[i] == u' ' && i + 1 < s.size() && s[i + 1] == u'ๆ';
        if (spaceBeforeRep && letterBefore && !(before == u'ๆ' && repClosedRepMatch)) {
            repClosedRepMatch = before == u'ๆ';
            continue;
        }
        if (s[i] != u'ๆ' || (i > 0 && s[i - 1] != u' ')) repClosedRepMatch = false;
        out.push_back(s[i]);
    }
    return out;
}

std::u16string ComposeSaraAm(std::u16string_view s)
{
    constexpr char16_t kNikhahit = u'\u0E4D', kSaraAa = u'\u0E32', kSaraAm = u'\u0E33';
    const auto isToneMark = [](char16_t c) { return c >= u'\u0E48' && c <= u'\u0E4B'; };
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == kNikhahit && i + 1 < s.size() && s[i + 1] == kSaraAa) {
            out.push_back(kSaraAm);
            ++i;
        } else if (s[i] == kNikhahit && i + 2 < s.size() && isToneMark(s[i + 1]) && s[i + 2] == kSaraAa) {
            out.push_back(s[i + 1]);
            out.push_back(kSaraAm);
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::u16string ConvertLeader(std::u16string s)
{
    ReplaceStr(s, u".....", u" ˑˑˑˑˑ ");
    ReplaceStr(s, u"....", u" ˑˑˑˑ ");
    ReplaceStr(s, u"...", u" ˑˑˑ ");
    ReplaceStr(s, u"..", u" ˑˑ ");
    ReplaceStr(s, u"ˑ", u".");
    return s;
}

std::u16string InsertVerticalLine(std::u16string s) { return Replaced(std::move(s), u" ", u" ǁ "); }
std::u16string DoubleQuoteEncode(std::u16string s) { return Replaced(std::move(s), u"\"", u"‖"); }
std::u16string SpaceEncode(std::u16string s) { return Replaced(std::move(s), u" ", u"ΦZ"); }
std::u16string DoubleQuoteDecode(std::u16string s) { return Replaced(std::move(s), u"‖", u"\""); }
std::u16string RemoveVerticalLine(std::u16string s) { return Replaced(std::move(s), u" ǁ ", u" "); }

std::u16string SpaceDecode(std::u16string s)
{
    ReplaceStr(s, u"ΦZ", u" ");
    ReplaceStr(s, u"ΦSP", u" ");
    return s;
}

std::u16string RemoveCommaInThaiNumber(const std::u16string& s)
{
    if (s.size() < 4) return s;
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool between = i > 0 && i + 1 < s.size() && IsThaiNumber(s[i - 1]) && IsThaiNumber(s[i + 1]);
        if (s[i] == u',' && between) continue;
        out.push_back(s[i]);
    }
    return out;
}

std::u16string JudgeState(std::u16string_view s)
{
    std::u16string types(s.size(), u'3');
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsNormThai(s[i])) types[i] = u'1';
        else if (IsThaiNumber(s[i])) types[i] = u'5';
    }
    return types;
}

std::u16string GetBaseThai(std::u16string_view s, std::u16string_view types)
{
    std::u16string out = u"\"";
    out.reserve(s.size() + 8);
    for (std::size_t i = 0; i < types.size() && i < s.size(); ++i) {
        if (i > 0 && types[i] != types[i - 1]) out += u"\",\"";
        out.push_back(s[i]);
    }
    out.push_back(u'"');
    return out;
}

int GetType(std::u16string_view s)
{
    if (s.empty()) return 3;
    if (IsNormThai(s[0])) return 1;
    if (IsThaiNumber(s[0])) return 5;
    return 3;
}

bool IsInOneSpace(std::u16string_view s)
{
    const auto first = s.find(u"ΦZ");
    return first != std::u16string_view::npos && s.find(u"ΦZ", first + 2) == std::u16string_view::npos;
}

} // namespace pralomen
