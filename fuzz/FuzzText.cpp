#include "fuzz/FuzzText.h"

#include <algorithm>
#include <array>

namespace pralomen::fuzz {
namespace {

// Characters with a meaning of their own somewhere in the pipeline.
constexpr std::array<char16_t, 25> kSpecial = {
    u' ',    u'"',    u',',    u'.',    u'\r',   u'\n',   u'\t',   u'\0',
    u'\u0E46', u'\u0E2F', u'\u03A6', u'\u2016', u'\u01C1', u'\u2055', u'\u03BC', u'\u039B',
    u'\u3000', u'\u02D0', u'\u00B7', u'\u30FB', u'\uFFFD', char16_t{0xD800}, char16_t{0xDC00}, u'\uFEFF', u'$',
};

// Long enough for runs of every kind, short enough that one run stays well inside the time limit.
constexpr std::size_t kMaxLength = 1 << 14;

} // namespace

std::u16string MakeFuzzText(std::string_view bytes, char16_t letterBase)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size() && text.size() < kMaxLength; i += 2) {
        const auto kind = static_cast<unsigned char>(bytes[i]);
        const auto pick = static_cast<unsigned char>(bytes[i + 1]);
        if (kind < 0xA0) {
            text.push_back(static_cast<char16_t>(letterBase + (pick & 0x7F)));
        } else if (kind < 0xC0) {
            text.push_back(static_cast<char16_t>(pick & 0x7F));
        } else if (kind < 0xE0) {
            text.push_back(kSpecial[pick % kSpecial.size()]);
        } else if (kind < 0xF8) {
            text.push_back(static_cast<char16_t>((kind << 8) | pick));
        } else if (!text.empty()) {
            const std::size_t count = static_cast<std::size_t>(kind & 0x07) << 8 | pick;
            text.append(std::min(count, kMaxLength - text.size()), text.back());
        }
    }
    return text;
}

std::u16string RawUnits(std::string_view bytes)
{
    std::u16string units;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        units.push_back(static_cast<char16_t>(high << 8 | low));
    }
    return units;
}

} // namespace pralomen::fuzz
