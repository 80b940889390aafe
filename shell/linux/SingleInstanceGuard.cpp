#include "shell/SingleInstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/Utf.h"

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

fs::path AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !fs::path(value).is_absolute()) return {};
    return value;
}

// $XDG_RUNTIME_DIR is private to the user; without it, a folder of our own in the user's cache.
fs::path LockFolder()
{
    std::error_code ec;
    if (fs::path runtime = AbsoluteVariable("XDG_RUNTIME_DIR"); !runtime.empty() && fs::is_directory(runtime, ec))
        return runtime;
    fs::path cache = AbsoluteVariable("XDG_CACHE_HOME");
    if (cache.empty()) {
        fs::path home = AbsoluteVariable("HOME");
        if (home.empty()) return {};
        cache = home / ".cache";
    }
    fs::path folder = cache / "pralomen";
    fs::create_directories(cache, ec);
    ::mkdir(folder.c_str(), 0700);
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

// The name may hold any characters; the file is named by its FNV-1a hash instead.
std::string LockFileName(std::u16string_view name)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : Utf16ToUtf8(name)) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    static const char kHex[] = "0123456789abcdef";
    std::string file = "pralomen-";
    for (int shift = 60; shift >= 0; shift -= 4) file.push_back(kHex[(hash >> shift) & 0xF]);
    return file + ".lock";
}

} // namespace

struct SingleInstanceGuard::Held {
    int Fd;
    ~Held() { ::close(Fd); }
};

SingleInstanceGuard::SingleInstanceGuard(std::u16string_view name) : name_(name) {}
SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::TryAcquire()
{
    if (held_) return true;
    const fs::path folder = LockFolder();
    if (folder.empty()) return true;
    const fs::path file = folder / LockFileName(name_);
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return true;
    // The kernel drops the lock when the process ends, however it ends.
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) continue;
        ::close(fd);
        return error != EWOULDBLOCK;
    }
    held_.reset(new Held{fd});
    return true;
}

} // namespace pralomen::shell
