#include "shell/DurableFile.h"

namespace pralomen::shell {

std::filesystem::path TemporaryFileFor(const std::filesystem::path& file)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

} // namespace pralomen::shell
