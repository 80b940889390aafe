// Reading a data file's bytes as lines of UTF-16 text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen {

// UTF-16LE with or without the FF FE mark; UTF-8 with its mark, or without one when the bytes hold no NUL
// and are valid UTF-8 (files saved by editors on Linux). Lines end with CR LF, LF or CR.
std::vector<std::u16string> DecodeTextLines(std::string_view bytes);
std::vector<std::u16string> SplitLines(std::u16string_view text);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

} // namespace pralomen
