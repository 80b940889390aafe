#include "jt/TableText.h"

#include "engine/TextFile.h"
#include "engine/Utf.h"
#include "jt/AnsiText.h"

namespace pralomen {
namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::u16string FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto first = static_cast<unsigned char>(bytes[i]);
        auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : first | (second << 8)));
    }
    return text;
}

std::u16string DecodeText(std::string_view bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
    if (FirstInvalidUtf8(bytes) == std::string_view::npos) return Utf8ToUtf16(bytes);
    return AnsiToUtf16(bytes);
}

} // namespace

std::vector<std::u16string> DecodeTableText(std::string_view bytes) { return SplitLines(DecodeText(bytes)); }

std::optional<std::vector<std::u16string>> ReadTableLines(const std::filesystem::path& path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return DecodeTableText(*bytes);
}

} // namespace pralomen
