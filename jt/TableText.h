// Reading one Japanese-to-Thai table file as lines of text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

// A byte-order mark selects UTF-8 or UTF-16 (either byte order); without one the bytes are UTF-8 when
// they are valid UTF-8, otherwise text in the ANSI code page. Lines end with CR LF, LF or CR.
std::vector<std::u16string> DecodeTableText(std::string_view bytes);

// Nothing when the file cannot be read.
std::optional<std::vector<std::u16string>> ReadTableLines(const std::filesystem::path& path);

} // namespace pralomen
