#include "engine/ReplacementList.h"

#include <string_view>

#include "engine/Replace.h"

namespace pralomen {
namespace {

bool Contains(std::u16string_view s, std::u16string_view part) { return s.find(part) != std::u16string_view::npos; }

// Whether `from` could match across an edge of an inserted `to`: starting before it and ending inside or
// right at its end, starting inside and ending after it, holding it with text on both sides, or, when
// `to` is empty, across the place where a text was deleted.
bool CanCross(std::u16string_view from, std::u16string_view to)
{
    if (to.empty()) return from.size() > 1; // a deletion joins its neighbours
    for (std::size_t k = 1; k < from.size(); ++k) {
        const auto head = from.substr(0, k), tail = from.substr(k);
        if (to.size() >= tail.size() && to.substr(0, tail.size()) == tail) return true;
        if (to.size() >= head.size() && to.substr(to.size() - head.size()) == head) return true;
    }
    return from.size() > to.size() && !to.empty() && Contains(from, to);
}

} // namespace

ReplacementList::ReplacementList(std::vector<Replacement> entries) : entries_(std::move(entries))
{
    introduces_.resize(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& from = entries_[i].from;
        if (from.empty()) continue;
        int id = fromTrie_.Find(from);
        if (id < 0) {
            id = static_cast<int>(entriesOf_.size());
            entriesOf_.emplace_back();
            fromTrie_.Insert(from, id);
        }
        entriesOf_[id].push_back(static_cast<int>(i));
    }
    for (std::size_t a = 0; a < entries_.size(); ++a)
        for (std::size_t b = a + 1; b < entries_.size(); ++b) {
            if (entries_[b].from.empty()) continue;
            if (Contains(entries_[a].to, entries_[b].from)) introduces_[a].push_back(static_cast<int>(b));
            mayCross_ = mayCross_ || CanCross(entries_[b].from, entries_[a].to);
        }
}

std::vector<bool> ReplacementList::CandidatesIn(const std::u16string& text) const
{
    std::vector<bool> candidate(entries_.size(), false);
    std::vector<int> pending;
    for (std::size_t p = 0; p < text.size(); ++p)
        fromTrie_.ForEachPrefix(std::u16string_view(text).substr(p), [&](std::size_t, int id) {
            for (int e : entriesOf_[id])
                if (!candidate[e]) candidate[e] = true, pending.push_back(e);
        });
    // An applied entry may bring in the from-text of a later one.
    while (!pending.empty()) {
        const int e = pending.back();
        pending.pop_back();
        for (int later : introduces_[e])
            if (!candidate[later]) candidate[later] = true, pending.push_back(later);
    }
    return candidate;
}

std::u16string ReplacementList::Apply(std::u16string text) const
{
    if (mayCross_) {
        for (const auto& e : entries_) ReplaceStr(text, e.from, e.to);
        return text;
    }
    const auto candidate = CandidatesIn(text);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (candidate[i]) ReplaceStr(text, entries_[i].from, entries_[i].to);
    return text;
}

} // namespace pralomen
