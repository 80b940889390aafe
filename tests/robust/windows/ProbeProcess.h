// A child process on Windows with a pipe to its input and one from its output, for the tests that
// need a second copy of the program really running beside the first.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace pralomen::robust {

class ProbeProcess {
public:
    explicit ProbeProcess(const std::filesystem::path& program);
    ~ProbeProcess();
    ProbeProcess(const ProbeProcess&) = delete;
    ProbeProcess& operator=(const ProbeProcess&) = delete;

    // The next line of its output without the line end; empty at the end of its output.
    std::string ReadLine();
    // Ends its input, which tells the probe to end.
    void CloseInput();
    // Ends it as a crash would: no clean-up of its own runs.
    void Kill();
    // Its exit code once it has ended.
    DWORD Wait();

private:
    PROCESS_INFORMATION process_{};
    HANDLE input_ = nullptr;
    HANDLE output_ = nullptr;
};

} // namespace pralomen::robust
