#include "fuzz/FuzzFolder.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace pralomen::fuzz {
namespace {

namespace fs = std::filesystem;

const std::string kPrefix = "pralomen-fuzz-";

void RemoveScratchFolder();

// A run that libFuzzer ended abruptly leaves its folder behind; its process is gone.
void RemoveFoldersOfEndedRuns(const fs::path& base)
{
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(base, ignored)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix)) continue;
        const std::string pid = name.substr(kPrefix.size());
        if (!fs::exists("/proc/" + pid)) fs::remove_all(entry.path(), ignored);
    }
}

fs::path MakeScratchFolder()
{
    // Memory-backed when the system has it: the fuzzers write files at every run.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    RemoveFoldersOfEndedRuns(base);
    const fs::path folder = base / (kPrefix + std::to_string(getpid()));
    fs::create_directories(folder);
    // libFuzzer may end the process without running exit handlers.
    std::atexit(RemoveScratchFolder);
    std::signal(SIGINT, [](int) { RemoveScratchFolder(); std::_Exit(1); });
    return folder;
}

void RemoveScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(ScratchFolder(), ignored);
}

} // namespace

const fs::path& ScratchFolder()
{
    static const fs::path folder = MakeScratchFolder();
    return folder;
}

void WriteScratchFile(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", file.c_str());
        std::abort();
    }
}

} // namespace pralomen::fuzz
