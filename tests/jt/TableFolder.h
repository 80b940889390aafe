// A throw-away table folder for one test, with files written from UTF-8 lines.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "jt/JapaneseToThai.h"

namespace pralomen::test {

class TableFolder {
public:
    TableFolder();
    ~TableFolder();
    TableFolder(const TableFolder&) = delete;
    TableFolder& operator=(const TableFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    void Write(const std::string& file, const std::vector<std::string>& lines) const;
    void WriteBytes(const std::string& file, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Answers every question the same way and remembers what it was asked.
class RecordingQuestion : public PhraseQuestion {
public:
    explicit RecordingQuestion(bool answer) : answer_(answer) {}
    bool Ask(const std::u16string& message) override
    {
        asked.push_back(message);
        return answer_;
    }
    std::vector<std::u16string> asked;

private:
    bool answer_;
};

std::u16string U(const std::string& utf8);
std::string U8(const std::u16string& utf16);

} // namespace pralomen::test
