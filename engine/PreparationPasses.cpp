#include "engine/PreparationPasses.h"

#include <algorithm>

#include "engine/DataFiles.h"
#include "engine/PrefixTrie.h"
#include "engine/Replace.h"
#include "engine/ReplacementList.h"
#include "engine/ThaiChars.h"

namespace pralomen {
namespace {

// The pre-cut words of every file, and a trie of their distinct spellings.
struct PreCutIndex {
    std::vector<std::u16string> words;    // order of application
    std::vector<int> spellingOf;          // words[i] -> distinct spelling id
    std::vector<std::u16string> spellings;
    std::vector<std::vector<int>> wordsOf; // spelling id -> its positions in words
    PrefixTrie trie;
    bool anyWordWithSpace = false;

    explicit PreCutIndex(const std::vector<TablePtr>& tables) : words(PreCutWords(tables))
    {
        for (const auto& w : words) {
            int id = trie.Find(w);
            if (id < 0 && !w.empty()) {
                id = static_cast<int>(spellings.size());
                spellings.push_back(w);
                wordsOf.emplace_back();
                trie.Insert(w, id);
            }
            if (id >= 0) wordsOf[id].push_back(static_cast<int>(spellingOf.size()));
            spellingOf.push_back(id);
            anyWordWithSpace = anyWordWithSpace || w.find(u' ') != std::u16string::npos;
        }
    }
};

std::vector<TablePtr> PreCutTables(Conversion& conv)
{
    std::vector<TablePtr> tables;
    for (const char* file : kPreCutFiles) tables.push_back(conv.Table(file));
    return tables;
}

std::u16string ApplyWordByWord(const PreCutIndex& index, std::u16string text)
{
    for (const auto& w : index.words) ReplaceStrChk(text, w, u" " + w + u" ");
    return text;
}

// The same result as applying every word in turn, but only the occurrences found in one scan of the text
// are visited. Inserting spaces never creates an occurrence of a word without spaces, it can only split
// one, so the inserted spaces are kept as counts per boundary and checked against each occurrence.
std::u16string ApplyByOccurrences(const PreCutIndex& index, const std::u16string& text)
{
    struct Occurrence {
        int id;
        std::size_t pos;
        bool operator<(const Occurrence& o) const { return id != o.id ? id < o.id : pos < o.pos; }
    };
    std::vector<Occurrence> found;
    for (std::size_t p = 0; p < text.size(); ++p)
        index.trie.ForEachPrefix(std::u16string_view(text).substr(p),
                                 [&](std::size_t, int id) { found.push_back({id, p}); });
    if (found.empty()) return text;
    std::sort(found.begin(), found.end());

    // Only the words that occur are applied, still in their order of application.
    std::vector<std::pair<int, std::size_t>> applications; // (word position, first occurrence in found)
    for (std::size_t i = 0; i < found.size(); ++i)
        if (i == 0 || found[i].id != found[i - 1].id)
            for (int w : index.wordsOf[found[i].id]) applications.push_back({w, i});
    std::sort(applications.begin(), applications.end());

    std::vector<int> spacesBefore(text.size() + 1, 0);
    auto splitInside = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from + 1; k < to; ++k)
            if (spacesBefore[k] > 0) return true;
        return false;
    };
    auto followerIsDependent = [&](std::size_t end) {
        return spacesBefore[end] == 0 && end < text.size() && IsDependentChar(text[end]);
    };
    for (const auto& [word, first] : applications) {
        const int id = found[first].id;
        const std::size_t len = index.spellings[id].size();
        std::size_t nextFree = 0;
        for (std::size_t i = first; i < found.size() && found[i].id == id; ++i) {
            const std::size_t p = found[i].pos;
            if (p < nextFree || splitInside(p, p + len)) continue;
            if (followerIsDependent(p + len)) break;
            ++spacesBefore[p];
            ++spacesBefore[p + len];
            nextFree = p + len;
        }
    }
    std::u16string out;
    out.reserve(text.size() + text.size() / 4);
    for (std::size_t k = 0; k <= text.size(); ++k) {
        out.append(static_cast<std::size_t>(spacesBefore[k]), u' ');
        if (k < text.size()) out.push_back(text[k]);
    }
    return out;
}

// Each listed string is replaced by a space and its cut form.
struct MidCuts : ReplacementList {
    explicit MidCuts(const Table& t) : ReplacementList(Entries(t)) {}
    static std::vector<Replacement> Entries(const Table& t)
    {
        std::vector<Replacement> entries;
        for (const auto& row : t.Rows())
            if (row.size() >= 3 && row[0] == u"1") entries.push_back({row[1], u" " + row[2]});
        return entries;
    }
};

} // namespace

std::vector<std::u16string> PreCutWords(const std::vector<TablePtr>& tables)
{
    std::vector<std::u16string> words;
    for (const auto& table : tables)
        for (const auto& row : table->Rows())
            if (row.size() >= 4 && row[0] == u"1") words.push_back(row[1]);
    return words;
}

std::u16string func_MidCut(Conversion& conv, std::u16string text)
{
    const auto& table = conv.Table(midCutFile);
    return table->Index<MidCuts>([](const Table& t) { return MidCuts(t); }).Apply(std::move(text));
}

std::u16string func_External(Conversion& conv, const std::u16string& text)
{
    const auto index = conv.tables.Combined<PreCutIndex>(
        PreCutTables(conv), [](const std::vector<TablePtr>& t) { return PreCutIndex(t); });
    if (index->words.empty()) return text;
    return index->anyWordWithSpace ? ApplyWordByWord(*index, text) : ApplyByOccurrences(*index, text);
}

} // namespace pralomen
