// A path as text for the user, whatever bytes the file system holds.
#pragma once

#include <filesystem>
#include <string>

namespace pralomen::shell {

std::u16string PathText(const std::filesystem::path& path);

} // namespace pralomen::shell
