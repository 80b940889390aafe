#include "tools/datatools/WordList.h"

#include "engine/ThaiChars.h"
#include "engine/Utf.h"

namespace pralomen::data {
namespace {

std::vector<std::string_view> SplitOn(std::string_view s, char sep)
{
    std::vector<std::string_view> parts;
    for (;;) {
        auto at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool IsSkipped(std::string_view line)
{
    return TrimBlanks(line).empty() || line.front() == '#';
}

// The reason a Thai spelling can never be found in a chunk, or "" when it can.
std::string ThaiSpellingFault(const std::u16string& thai)
{
    if (thai.empty()) return "the Thai word is empty";
    for (char16_t c : thai)
        if (!IsNormThai(c)) return "the Thai word holds a character that is not a Thai letter or sign (" +
                                   Utf16ToUtf8(std::u16string(1, c)) + ")";
    return {};
}

// The reason a line is not a well-formed entry, or "" with the entry filled in.
std::string ParseEntry(std::string_view line, WordEntry& e)
{
    auto fields = SplitOn(line, '\t');
    if (fields.size() != 4)
        return "expected 4 TAB-separated fields (mark, Thai, respelling, gloss), found " +
               std::to_string(fields.size());
    auto mark = TrimBlanks(fields[0]);
    if (mark != "0" && mark != "1") return "the mark must be 0 or 1, not \"" + std::string(mark) + "\"";
    e.precut = mark == "1";
    e.thai = Utf8ToUtf16(TrimBlanks(fields[1]));
    if (auto fault = ThaiSpellingFault(e.thai); !fault.empty()) return fault;
    auto respelling = TrimBlanks(fields[2]);
    if (respelling.empty()) return "the respelling is empty";
    for (auto syllable : SplitOn(respelling, '-')) {
        syllable = TrimBlanks(syllable);
        if (syllable.empty()) return "the respelling has an empty syllable (\"" + std::string(respelling) + "\")";
        e.syllables.push_back(Utf8ToUtf16(syllable));
    }
    e.gloss = Utf8ToUtf16(TrimBlanks(fields[3]));
    if (e.gloss.empty()) return "the gloss is empty";
    return {};
}

} // namespace

WordList ParseWordList(const std::string& file, std::string_view utf8, Problems& problems)
{
    WordList list{file, {}};
    if (utf8.find('\0') != std::string_view::npos) {
        problems.push_back({file, 0, "the file is not UTF-8 text (saved as UTF-16?)"});
        return list;
    }
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    int number = 0;
    for (auto line : SplitOn(utf8, '\n')) {
        ++number;
        if (IsSkipped(line)) continue;
        if (FirstInvalidUtf8(line) != std::string_view::npos) {
            problems.push_back({file, number, "the line is not valid UTF-8"});
            continue;
        }
        WordEntry e;
        e.line = number;
        if (auto fault = ParseEntry(line, e); !fault.empty()) {
            problems.push_back({file, number, fault});
            continue;
        }
        list.entries.push_back(std::move(e));
    }
    return list;
}

} // namespace pralomen::data
