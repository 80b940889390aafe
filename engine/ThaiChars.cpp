#include "engine/ThaiChars.h"

#include <array>

namespace pralomen {
namespace {

constexpr char16_t kThaiBase = 0x0E00;

enum Class : unsigned char { None = 0, Letter = 1, Consonant = 2, Dependent = 4, Digit = 8 };

// One row per code unit of the Thai block U+0E00-U+0E7F.
constexpr std::array<unsigned char, 0x80> MakeClassTable()
{
    std::array<unsigned char, 0x80> t{};
    for (int c = 0x01; c <= 0x4F; ++c) t[c] |= Letter;
    t[0x5A] |= Letter;
    t[0x5B] |= Letter;
    for (int c = 0x50; c <= 0x59; ++c) t[c] |= Digit;
    t[0x01] |= Consonant;
    t[0x02] |= Consonant;
    t[0x04] |= Consonant;
    for (int c = 0x06; c <= 0x2E; ++c) t[c] |= Consonant;
    for (int c = 0x30; c <= 0x39; ++c) t[c] |= Dependent;
    t[0x47] |= Dependent;
    for (int c = 0x48; c <= 0x4C; ++c) t[c] |= Dependent;
    return t;
}

constexpr auto kClasses = MakeClassTable();

bool Has(char16_t c, unsigned char cls)
{
    return c >= kThaiBase && c < kThaiBase + 0x80 && (kClasses[c - kThaiBase] & cls) != 0;
}

} // namespace

bool IsNormThai(char16_t c1) { return Has(c1, Letter); }
bool IsThaiNumber(char16_t c1) { return Has(c1, Digit); }
bool IsConsonant(char16_t c1) { return Has(c1, Consonant); }
bool IsDependentChar(char16_t c1) { return Has(c1, Dependent); }

int IsToneMark(char16_t c1)
{
    return c1 >= 0x0E48 && c1 <= 0x0E4B ? c1 - 0x0E47 : 0;
}

bool IsDependent(std::u16string_view sy)
{
    return sy.size() == 1 && IsDependentChar(sy[0]);
}

bool IsSokuon2(std::u16string_view eipa)
{
    return eipa == u"k" || eipa == u"t" || eipa == u"p" || eipa == u"Φ?";
}

bool IsLongVowel(std::u16string_view s1)
{
    static constexpr std::u16string_view kLong[] = {u"aa", u"ii", u"ΦUΦU", u"uu", u"ee",
                                                    u"ΦEΦE", u"oo", u"ΦOΦO", u"ΦAΦA"};
    static constexpr std::u16string_view kLongDiphthongs[] = {u"iΦ:a", u"uΦ:a", u"ΦUΦ:a"};
    for (auto v : kLong)
        if (s1.find(v) != std::u16string_view::npos) return true;
    for (auto v : kLongDiphthongs)
        if (s1.find(v) != std::u16string_view::npos) return false;
    return s1.find(u"Φ:") != std::u16string_view::npos;
}

char16_t SearchCons(std::u16string_view s1, int dn)
{
    for (std::size_t i = dn < 1 ? 0 : static_cast<std::size_t>(dn - 1); i < s1.size(); ++i)
        if (s1[i] >= 0x0E01 && s1[i] <= 0x0E2E) return s1[i];
    return u'\0';
}

} // namespace pralomen
