// The state of one running conversion: the options as they were when it started, its tables, its
// log and the three per-conversion flags.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/LogPane.h"
#include "engine/Options.h"
#include "engine/TableStore.h"

namespace pralomen {

class Dictionaries;

struct Conversion {
    Conversion(const PralomenOptions& options, TableStore& store, LogPane& logPane)
        : opt(options), tables(store), log(logPane) {}

    const PralomenOptions opt;
    TableStore& tables;
    LogPane& log;
    bool AbbreFlg = false;
    bool ThaiNumberConvFlg = false;
    int LogCounter = 0;
    // The reading lists indexed for the segmenter, resolved at the first Thai chunk.
    std::shared_ptr<const Dictionaries> dictionaries;

    // A data file's content for this conversion: looked at once, so an edit takes effect at the next one.
    const TablePtr& Table(std::string_view fileName)
    {
        auto it = snapshot_.find(fileName);
        if (it == snapshot_.end()) it = snapshot_.emplace(fileName, tables.Get(std::string(fileName))).first;
        return it->second;
    }

private:
    std::unordered_map<std::string_view, TablePtr> snapshot_;
};

// The four outputs of one chunk or of one whole text.
struct ChunkOutput {
    std::u16string thai, kana, ipa, pat;
};

} // namespace pralomen
