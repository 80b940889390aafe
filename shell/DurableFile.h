// Replacing a file's content so that a crash or a full disk leaves either the old file or the new one.
#pragma once

#include <filesystem>
#include <string_view>

namespace pralomen::shell {

// Writes bytes to a temporary file beside file, flushes it to disk and renames it over file.
// False when any step failed; file is then as it was.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

// The temporary file ReplaceFileContents writes first.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& file);

} // namespace pralomen::shell
