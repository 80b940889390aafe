#include "tools/datatools/SourceFiles.h"

#include <algorithm>

namespace pralomen::data {

std::vector<std::filesystem::path> ExpandSourcePaths(const std::vector<std::filesystem::path>& paths)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& p : paths) {
        std::error_code ec;
        if (!fs::is_directory(p, ec)) {
            files.push_back(p);
            continue;
        }
        std::vector<fs::path> inside;
        for (const auto& entry : fs::directory_iterator(p, ec))
            if (entry.is_regular_file() && entry.path().extension() == ".txt") inside.push_back(entry.path());
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    return files;
}

} // namespace pralomen::data
