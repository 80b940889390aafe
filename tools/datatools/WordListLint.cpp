#include "tools/datatools/WordListLint.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "engine/CommaText.h"
#include "engine/ThaiChars.h"
#include "engine/Utf.h"
#include "tools/datatools/ReadingLists.h"

namespace pralomen::data {
namespace {

struct Place {
    int order = 0; // position of the list in the lookup order
    const std::string* file = nullptr;
    int line = 0;
};

std::string Where(const std::u16string& thai, const Place& p)
{
    return "\"" + Utf16ToUtf8(thai) + "\" (" + *p.file + ":" + std::to_string(p.line) + ")";
}

int LookupOrder(const std::string& fileName)
{
    const auto& lists = ReadingListsInLookupOrder();
    for (int i = 0; i < static_cast<int>(lists.size()); ++i)
        if (lists[i].file == fileName) return i;
    return -1;
}

bool SplitsAt(const std::u16string& e, std::size_t at, std::size_t n)
{
    return at + n >= e.size() || !IsDependentChar(e[at + n]);
}

bool IsSplitBy(const std::u16string& e, const std::u16string& m)
{
    if (e == m) return false;
    for (auto at = e.find(m); at != std::u16string::npos; at = e.find(m, at + 1))
        if (SplitsAt(e, at, m.size())) return true;
    return false;
}

using WordPlaces = std::unordered_map<std::u16string, std::vector<Place>>;

// The entry the lookup takes where w starts, when it comes from a list consulted before the list
// at position mine: the first such list that holds w or a prefix of w not followed by a dependent sign,
// and within it the longest, since a list is installed with its longer words first.
std::optional<std::pair<std::u16string, Place>> FirstMatchBefore(const std::u16string& w, int mine,
                                                                 const WordPlaces& byWord)
{
    const auto& order = ReadingListsInLookupOrder();
    int section = SectionOfWord(w);
    std::optional<std::pair<std::u16string, Place>> best;
    for (std::size_t n = 1; n <= w.size(); ++n) {
        if (n < w.size() && IsDependentChar(w[n])) continue;
        auto it = byWord.find(w.substr(0, n));
        if (it == byWord.end()) continue;
        for (const auto& p : it->second)
            if (p.order >= 0 && p.order < mine && IsConsultedFor(order[p.order], section) &&
                (!best || p.order <= best->second.order))
                best = {{it->first, p}};
    }
    return best;
}

} // namespace

std::vector<std::string> FindShadowedWords(const std::vector<NamedList>& lists)
{
    WordPlaces byWord;
    for (const auto& named : lists)
        for (const auto& e : named.list.entries)
            byWord[e.thai].push_back({LookupOrder(named.fileName), &named.fileName, e.line});
    std::vector<std::string> found;
    for (const auto& named : lists) {
        int mine = LookupOrder(named.fileName);
        if (mine < 0) continue;
        for (const auto& w : named.list.entries)
            if (auto winner = FirstMatchBefore(w.thai, mine, byWord))
                found.push_back(Where(w.thai, {mine, &named.fileName, w.line}) + " is hidden by " +
                                Where(winner->first, winner->second));
    }
    return found;
}

std::vector<std::string> FindSplittingPreCuts(const std::vector<NamedList>& lists)
{
    constexpr std::size_t shown = 5;
    std::vector<std::string> found;
    for (const auto& named : lists)
        for (const auto& m : named.list.entries) {
            if (!m.precut) continue;
            std::vector<std::string> victims;
            for (const auto& other : lists)
                for (const auto& e : other.list.entries)
                    if (IsSplitBy(e.thai, m.thai)) victims.push_back("\"" + Utf16ToUtf8(e.thai) + "\" (" + other.fileName + ")");
            if (victims.empty()) continue;
            std::string line = Where(m.thai, {0, &named.fileName, m.line}) + " is marked for the pre-cut pass and splits " +
                               std::to_string(victims.size()) + " other entries:";
            for (std::size_t i = 0; i < std::min(shown, victims.size()); ++i) line += " " + victims[i];
            if (victims.size() > shown) line += " ...";
            found.push_back(line);
        }
    return found;
}

std::vector<CutEntry> CutEntriesOfTable(const std::vector<std::u16string>& lines)
{
    std::vector<CutEntry> cuts;
    for (const auto& line : lines)
        if (auto f = SplitCommaText(line); f.size() >= 3 && f[0] == u"1" && !f[1].empty()) cuts.push_back({f[1], f[2]});
    return cuts;
}

std::vector<std::string> FindEntriesCutByMidCut(const std::vector<CutEntry>& cuts, const std::vector<NamedList>& lists)
{
    std::vector<std::string> found;
    for (const auto& cut : cuts)
        for (const auto& named : lists)
            for (const auto& e : named.list.entries) {
                auto at = e.thai.find(cut.text);
                bool changed = at != std::u16string::npos &&
                               (cut.replacement != cut.text || e.thai.find(cut.text, 1) != std::u16string::npos);
                if (changed)
                    found.push_back(Where(e.thai, {0, &named.fileName, e.line}) + " is cut by the mid-cut string \"" +
                                    Utf16ToUtf8(cut.text) + "\"");
            }
    return found;
}

} // namespace pralomen::data
