// How much of a real text the engine reads without losing a character: the share of lines and of words
// by judgement colour, and the words that lose characters, to show the writers what the tables lack.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Judgement.h"

namespace pralomen::data {

bool HoldsThai(std::u16string_view s);

// The blank-separated tokens of a line that hold Thai, without the brackets, quotes and separators
// around them.
std::vector<std::u16string> ThaiTokens(std::u16string_view line);

// The input with every run of characters that the Thai output left out put in brackets; the output
// keeps the input's characters in order, with blanks added or dropped.
std::u16string MarkMissing(std::u16string_view input, std::u16string_view outputThai);

class CoverageTally {
public:
    void AddLine(pralomen::JudgeColor c) { ++lines_[Index(c)]; }
    // A word judged red is remembered with its missing characters marked.
    void AddWord(pralomen::JudgeColor c, const std::u16string& markedWord);

    int Lines() const { return Sum(lines_); }
    int Words() const { return Sum(words_); }
    double LineShare(pralomen::JudgeColor c) const { return Share(lines_, c); }
    double WordShare(pralomen::JudgeColor c) const { return Share(words_, c); }
    // The red words, most frequent first (ties in text order of their marks).
    std::vector<std::pair<std::u16string, int>> RedWords() const;

private:
    using Counts = std::array<int, 6>;
    static std::size_t Index(pralomen::JudgeColor c) { return static_cast<std::size_t>(c); }
    static int Sum(const Counts& c);
    static double Share(const Counts& counts, pralomen::JudgeColor c);

    Counts lines_{}, words_{};
    std::map<std::u16string, int> redWords_;
};

} // namespace pralomen::data
