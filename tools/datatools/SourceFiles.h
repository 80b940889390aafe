// The source files a tool is asked to work on: files as given, folders as their *.txt files.
#pragma once

#include <filesystem>
#include <vector>

namespace pralomen::data {

// Folders are expanded in name order; a path that does not exist is kept, so that reading it reports it.
std::vector<std::filesystem::path> ExpandSourcePaths(const std::vector<std::filesystem::path>& paths);

} // namespace pralomen::data
