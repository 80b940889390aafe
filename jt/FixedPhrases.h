// The fixed phrases and proper names of one conversion step, held with the file's last line first so
// that, of two lines for the same phrase or marker, the later one counts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

struct SpecialPhrase {
    std::u16string phrase;  // kana as it occurs in the input
    std::u16string marker;  // the marker token that stands for it between the steps
    std::u16string thai;    // its usual Thai spelling
    std::u16string message; // completes the question put to the user
};

class SpecialPhrases {
public:
    // Inserts at the front.
    void newdata2(SpecialPhrase entry);

    // The message of the first entry with this marker token, or the empty string.
    std::u16string GetSpMessage(std::u16string_view marker) const;
    // The Thai form of the first entry with this marker token, if any.
    const std::u16string* ThaiFormOf(std::u16string_view marker) const;

    const std::vector<SpecialPhrase>& Entries() const { return entries_; }

private:
    const SpecialPhrase* FirstWithMarker(std::u16string_view marker) const;

    std::vector<SpecialPhrase> entries_;
};

} // namespace pralomen
