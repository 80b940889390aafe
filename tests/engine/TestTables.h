// A temporary table folder for the tests, with files written as the program installs them
// (UTF-16LE with a byte-order mark and CR LF) or in any other encoding a test needs.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "engine/Utf.h"

namespace pralomen::test {

inline std::string Utf16LeBytes(const std::u16string& text, bool bom = true)
{
    std::string bytes = bom ? std::string("\xFF\xFE") : std::string();
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

class TempTables {
public:
    TempTables()
    {
        static std::atomic<int> counter{0};
        dir_ = std::filesystem::temp_directory_path() /
               ("pralomen-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(dir_);
    }
    ~TempTables() { std::filesystem::remove_all(dir_); }
    TempTables(const TempTables&) = delete;
    TempTables& operator=(const TempTables&) = delete;

    const std::filesystem::path& Dir() const { return dir_; }

    // Lines joined with CR LF, stored as UTF-16LE with a byte-order mark.
    void Write(const std::string& name, std::initializer_list<std::u16string> lines)
    {
        std::u16string text;
        for (const auto& l : lines) text += l + u"\r\n";
        WriteBytes(name, Utf16LeBytes(text));
    }

    void WriteBytes(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::filesystem::path dir_;
};

} // namespace pralomen::test
