// The version marker: a file in SysFolder whose presence says this version's tables are installed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pralomen::shell {

inline constexpr std::string_view kProgramVersion = "5.1";
inline constexpr std::string_view kLeafFileText = "VK-TQ4";

// "Leaf" + the version without its dots, scaled to three digits, + ".txt": "5.1" gives "Leaf510.txt".
std::string MakeLeafFileName(std::string_view version = kProgramVersion);

// Writes the marker's one line; false when the file could not be written.
bool MakeLeafFile(const std::filesystem::path& file);

// "Leaf" + at least one digit + ".txt", so that a user's "Leaflet.txt" is never taken for a marker.
bool IsLeafFileName(std::string_view name);

// The number in a marker's name: 500 for "Leaf500.txt".
std::optional<unsigned long long> LeafNumber(std::string_view name);

// The names of the markers in folder other than keep, in name order.
std::vector<std::string> OtherLeafFiles(const std::filesystem::path& folder, std::string_view keep);

// Deletes every marker file in folder except keep (exact comparison); failures are ignored.
void DeleteOldLeafFiles(const std::filesystem::path& folder, std::string_view keep);

} // namespace pralomen::shell
