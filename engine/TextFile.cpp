#include "engine/TextFile.h"

#include <fstream>
#include <iterator>

#include "engine/Utf.h"

namespace pralomen {
namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::u16string FromUtf16Le(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

bool LooksLikeUtf8(std::string_view bytes)
{
    return bytes.find('\0') == std::string_view::npos && FirstInvalidUtf8(bytes) == std::string_view::npos;
}

} // namespace

std::vector<std::u16string> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::u16string> DecodeTextLines(std::string_view bytes)
{
    if (StartsWith(bytes, "\xFF\xFE")) return SplitLines(FromUtf16Le(bytes.substr(2)));
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return SplitLines(Utf8ToUtf16(bytes.substr(3)));
    if (LooksLikeUtf8(bytes)) return SplitLines(Utf8ToUtf16(bytes));
    return SplitLines(FromUtf16Le(bytes));
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

} // namespace pralomen
