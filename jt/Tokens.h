// The token texts passed between the Japanese-to-Thai steps: tokens separated by single blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

// Stands for a word space of the input.
inline constexpr char16_t kSpaceToken[] = u"$SP$";

// A token that begins and ends with "$" (the space token is one); it passes every lookup unchanged.
// A lone "$" is an ordinary character.
bool IsMarkerToken(std::u16string_view token);

// The tokens of a step's input: the comma-text split with the empty fields dropped.
std::vector<std::u16string> SplitTokens(std::u16string_view text);

// Every token followed by one blank, trimmed.
std::u16string JoinWithBlanks(const std::vector<std::u16string>& tokens);

} // namespace pralomen
