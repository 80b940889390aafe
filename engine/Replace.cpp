#include "engine/Replace.h"

#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

// Appends s with the occurrences of oldText replaced, left to right, while keepGoing(position after
// the occurrence) allows it; from the first refused occurrence on, the rest is copied unchanged.
template <class Continue>
void ReplaceWhile(std::u16string& s, std::u16string_view oldText, std::u16string_view newText, Continue keepGoing)
{
    if (oldText.empty()) return;
    std::size_t hit = s.find(oldText);
    if (hit == std::u16string::npos) return;
    std::u16string out;
    out.reserve(s.size());
    std::size_t from = 0;
    for (; hit != std::u16string::npos; hit = s.find(oldText, from)) {
        if (!keepGoing(hit + oldText.size())) break;
        out.append(s, from, hit - from);
        out.append(newText);
        from = hit + oldText.size();
    }
    out.append(s, from, std::u16string::npos);
    s.swap(out);
}

} // namespace

void ReplaceStr(std::u16string& s, std::u16string_view oldText, std::u16string_view newText)
{
    ReplaceWhile(s, oldText, newText, [](std::size_t) { return true; });
}

std::u16string Replaced(std::u16string s, std::u16string_view oldText, std::u16string_view newText)
{
    ReplaceStr(s, oldText, newText);
    return s;
}

void ReplaceStrChk(std::u16string& s, std::u16string_view oldText, std::u16string_view newText)
{
    ReplaceWhile(s, oldText, newText,
                 [&s](std::size_t after) { return !(after < s.size() && IsDependentChar(s[after])); });
}

std::u16string Trim(std::u16string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] <= 0x20) ++b;
    while (e > b && s[e - 1] <= 0x20) --e;
    return std::u16string(s.substr(b, e - b));
}

void RemoveAll(std::u16string& s, char16_t c)
{
    std::erase(s, c);
}

} // namespace pralomen
