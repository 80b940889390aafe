// The installed form of a table: UTF-16 little-endian with the FF FE mark, lines ended by CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen::data {

std::string EncodeTableText(const std::vector<std::u16string>& lines);

// The lines of a UTF-8 source table; a leading byte-order mark is dropped.
std::vector<std::u16string> Utf8TableLines(std::string_view utf8);

// Writes the file only when its content changes, so that an unchanged table keeps its time stamp.
// Returns false when the file cannot be written.
bool WriteTableFile(const std::filesystem::path& path, const std::vector<std::u16string>& lines);

} // namespace pralomen::data
