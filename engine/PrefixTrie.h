// Strings mapped to values, walked along a text: finding every stored key that begins at a text
// position costs the length of the longest key, not the number of keys.
#pragma once

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace pralomen {

class PrefixTrie {
public:
    PrefixTrie() : nodes_(1) {}

    // Keeps the first value given for a key; an empty key is ignored.
    void Insert(std::u16string_view key, int value)
    {
        if (key.empty()) return;
        int node = 0;
        for (char16_t c : key) node = ChildOrNew(node, c);
        if (nodes_[node].value < 0) nodes_[node].value = value;
    }

    // Calls f(length, value) for each stored key that is a prefix of text, shortest first.
    template <class F>
    void ForEachPrefix(std::u16string_view text, F&& f) const
    {
        int node = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            node = Child(node, text[i]);
            if (node < 0) return;
            if (nodes_[node].value >= 0) f(i + 1, nodes_[node].value);
        }
    }

    // The value stored for exactly this key, or -1.
    int Find(std::u16string_view key) const
    {
        int node = 0;
        for (char16_t c : key)
            if ((node = Child(node, c)) < 0) return -1;
        return key.empty() ? -1 : nodes_[node].value;
    }

    bool Empty() const { return nodes_.size() == 1; }

private:
    struct Node {
        std::vector<std::pair<char16_t, int>> children; // sorted by character
        int value = -1;
    };

    int Child(int node, char16_t c) const
    {
        const auto& ch = nodes_[node].children;
        auto it = std::lower_bound(ch.begin(), ch.end(), c, [](const auto& p, char16_t x) { return p.first < x; });
        return it != ch.end() && it->first == c ? it->second : -1;
    }

    int ChildOrNew(int node, char16_t c)
    {
        int found = Child(node, c);
        if (found >= 0) return found;
        const int created = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
        auto& ch = nodes_[node].children;
        auto it = std::lower_bound(ch.begin(), ch.end(), c, [](const auto& p, char16_t x) { return p.first < x; });
        ch.insert(it, {c, created});
        return created;
    }

    std::vector<Node> nodes_;
};

} // namespace pralomen
