// Replacement primitives shared by the engine, the shell and the Japanese-to-Thai tool.
#pragma once

#include <string>
#include <string_view>

namespace pralomen {

// Replaces every occurrence of oldText from the left, one pass; the inserted text is never searched
// again, so a new text that contains the old one cannot loop. An empty oldText changes nothing.
void ReplaceStr(std::u16string& s, std::u16string_view oldText, std::u16string_view newText);
std::u16string Replaced(std::u16string s, std::u16string_view oldText, std::u16string_view newText);

// Like ReplaceStr, but stops for good at the first occurrence whose following character is a dependent
// sign: that occurrence and all after it stay as they are (used by the pre-cut pass).
void ReplaceStrChk(std::u16string& s, std::u16string_view oldText, std::u16string_view newText);

// Removes characters U+0000-U+0020 at both ends.
std::u16string Trim(std::u16string_view s);
void RemoveAll(std::u16string& s, char16_t c);

} // namespace pralomen
