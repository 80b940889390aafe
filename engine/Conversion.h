// The state of one running conversion: the options as they were when it started, its tables, its
// log and the three per-conversion flags.
#pragma once

#include <string>

#include "engine/LogPane.h"
#include "engine/Options.h"
#include "engine/TableStore.h"

namespace pralomen {

struct Conversion {
    Conversion(const PralomenOptions& options, TableStore& store, LogPane& logPane)
        : opt(options), tables(store), log(logPane) {}

    const PralomenOptions opt;
    TableStore& tables;
    LogPane& log;
    bool AbbreFlg = false;
    bool ThaiNumberConvFlg = false;
    int LogCounter = 0;

    // A data file's content for this conversion.
    TablePtr Table(const char* fileName) { return tables.Get(fileName); }
};

// The four outputs of one chunk or of one whole text.
struct ChunkOutput {
    std::u16string thai, kana, ipa, pat;
};

} // namespace pralomen
