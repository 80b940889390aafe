#include "shell/DurableFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace pralomen::shell {
namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteSynced(const std::filesystem::path& file, std::string_view bytes)
{
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// So that the rename itself survives a crash.
void SyncFolder(const std::filesystem::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes)
{
    const std::filesystem::path temporary = TemporaryFileFor(file);
    if (!WriteSynced(temporary, bytes) || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(file.parent_path());
    return true;
}

} // namespace pralomen::shell
