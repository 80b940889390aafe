#include "shell/DurableFile.h"

#include <windows.h>

#include <algorithm>

namespace pralomen::shell {
namespace {

bool WriteAll(HANDLE handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool WriteSynced(const std::filesystem::path& file, std::string_view bytes)
{
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool written = WriteAll(handle, bytes) && FlushFileBuffers(handle);
    return CloseHandle(handle) && written;
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes)
{
    // A read-only file is the user's wish to keep it as it is. Windows refuses to move over one, but
    // not every implementation of its API does, so it is asked first.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const std::filesystem::path temporary = TemporaryFileFor(file);
    if (!WriteSynced(temporary, bytes) ||
        !MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace pralomen::shell
