// The engine's public face: options, a table folder, and the two conversion entries.
#pragma once

#include <filesystem>
#include <string>

#include "engine/Judgement.h"
#include "engine/LogPane.h"
#include "engine/Options.h"
#include "engine/TableStore.h"

namespace pralomen {

struct ConversionResult {
    std::u16string allThai; // the input re-spaced into its units
    std::u16string allKana;
    std::u16string allIPA;
    std::u16string allPat;  // the rule number of every unit, each after a space
    JudgeColor color = JudgeColor::White;
    std::uint32_t yColor() const { return ColorValue(color); }
};

class Engine {
public:
    // The table folder holds the dictionary files; a missing folder is empty data.
    explicit Engine(std::filesystem::path tableFolder);

    PralomenOptions& Options() { return options_; }
    const PralomenOptions& Options() const { return options_; }
    TableStore& Tables() { return tables_; }

    // The main window's conversion. Each conversion sees the options as they were when it started.
    ConversionResult YomiConv2(const std::u16string& s1, LogPane& log);
    // The Labo window's conversion: no space marker, green for an expanded abbreviation.
    ConversionResult YomiConv1(const std::u16string& s1, LogPane& log);

private:
    PralomenOptions options_;
    TableStore tables_;
};

} // namespace pralomen
