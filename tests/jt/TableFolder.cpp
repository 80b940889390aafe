#include "TableFolder.h"

#include <atomic>
#include <fstream>
#include <random>

#include "engine/Utf.h"

namespace pralomen::test {

TableFolder::TableFolder()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("jt_tables_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TableFolder::~TableFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TableFolder::WriteBytes(const std::string& file, const std::string& bytes) const
{
    std::ofstream out(path_ / file, std::ios::binary);
    out << bytes;
}

void TableFolder::Write(const std::string& file, const std::vector<std::string>& lines) const
{
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\n";
    WriteBytes(file, bytes);
}

std::u16string U(const std::string& utf8) { return Utf8ToUtf16(utf8); }
std::string U8(const std::u16string& utf16) { return Utf16ToUtf8(utf16); }

} // namespace pralomen::test
