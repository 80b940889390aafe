// One unit found at a text position: a dictionary word, a fixed word or a syllable.
#pragma once

#include <string>

namespace pralomen {

struct Unit {
    std::u16string sthai; // exactly the characters consumed
    std::u16string skana; // kana in the internal notation, tone arrow in place
    std::u16string sipa;  // IPA in the internal notation, tone mark in place
    std::u16string sjpn;  // Japanese gloss (dictionary words only)
    int rule = 0;
    int cnt = 0;          // characters consumed from the position
};

} // namespace pralomen
