#include "tools/datatools/Coverage.h"

#include <algorithm>

#include "engine/ThaiChars.h"

namespace pralomen::data {
namespace {

bool IsBlank(char16_t c) { return c <= u' ' || c == u'\u3000'; }

// Brackets, quotes and separators around a word ("(word),") are not part of it; a full stop may end an
// abbreviation and stays.
bool IsEnclosingPunctuation(char16_t c)
{
    return std::u16string_view(u"()[]{}<>\"'“”‘’«»,;:!?").find(c) != std::u16string_view::npos;
}

} // namespace

bool HoldsThai(std::u16string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return IsNormThai(c); });
}

std::vector<std::u16string> ThaiTokens(std::u16string_view line)
{
    std::vector<std::u16string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        auto token = line.substr(start, i - start);
        while (!token.empty() && IsEnclosingPunctuation(token.front())) token.remove_prefix(1);
        while (!token.empty() && IsEnclosingPunctuation(token.back())) token.remove_suffix(1);
        if (HoldsThai(token)) tokens.emplace_back(token);
    }
    return tokens;
}

std::u16string MarkMissing(std::u16string_view input, std::u16string_view outputThai)
{
    std::u16string marked;
    std::size_t j = 0;
    bool open = false;
    for (char16_t c : input) {
        while (j < outputThai.size() && outputThai[j] == u' ') ++j;
        bool kept = c == u' ' || (j < outputThai.size() && outputThai[j] == c);
        if (kept && c != u' ') ++j;
        if (kept == open) {
            marked += open ? u']' : u'[';
            open = !open;
        }
        marked += c;
    }
    if (open) marked += u']';
    return marked;
}

void CoverageTally::AddWord(JudgeColor c, const std::u16string& markedWord)
{
    ++words_[Index(c)];
    if (c == JudgeColor::Red) ++redWords_[markedWord];
}

std::vector<std::pair<std::u16string, int>> CoverageTally::RedWords() const
{
    std::vector<std::pair<std::u16string, int>> v(redWords_.begin(), redWords_.end());
    std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return v;
}

int CoverageTally::Sum(const Counts& c)
{
    int n = 0;
    for (int x : c) n += x;
    return n;
}

double CoverageTally::Share(const Counts& counts, JudgeColor c)
{
    int total = Sum(counts);
    return total == 0 ? 0.0 : 100.0 * counts[Index(c)] / total;
}

} // namespace pralomen::data
