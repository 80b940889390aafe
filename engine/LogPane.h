// Where a conversion writes its log lines: the main window's log pane, or whatever the caller supplies.
#pragma once

#include <string>
#include <vector>

namespace pralomen {

class LogPane {
public:
    virtual ~LogPane() = default;
    virtual void Clear() = 0;
    virtual void Append(const std::u16string& line) = 0;
};

// Keeps the lines in memory (command-line tool, tests).
class MemoryLog : public LogPane {
public:
    void Clear() override { lines.clear(); }
    void Append(const std::u16string& line) override { lines.push_back(line); }
    std::vector<std::u16string> lines;
};

} // namespace pralomen
