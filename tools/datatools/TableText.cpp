#include "tools/datatools/TableText.h"

#include <fstream>

#include "engine/TextFile.h"
#include "engine/Utf.h"

namespace pralomen::data {
namespace {

void AppendUnit(std::string& bytes, char16_t c)
{
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
}

} // namespace

std::string EncodeTableText(const std::vector<std::u16string>& lines)
{
    std::string bytes = "\xFF\xFE";
    for (const auto& line : lines) {
        for (char16_t c : line) AppendUnit(bytes, c);
        AppendUnit(bytes, u'\r');
        AppendUnit(bytes, u'\n');
    }
    return bytes;
}

std::vector<std::u16string> Utf8TableLines(std::string_view utf8)
{
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    return SplitLines(Utf8ToUtf16(utf8));
}

bool WriteTableFile(const std::filesystem::path& path, const std::vector<std::u16string>& lines)
{
    auto bytes = EncodeTableText(lines);
    if (auto old = ReadFileBytes(path); old && *old == bytes) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace pralomen::data
