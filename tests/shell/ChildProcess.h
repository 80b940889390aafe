// A real child process with a pipe to its input and one from its output.
#pragma once

#include <string>

namespace pralomen::shell::test {

class ChildProcess {
public:
    explicit ChildProcess(const std::string& program);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    std::string ReadLine();
    void CloseInput();
    void Kill();
    // The exit status, or -1 when it did not end normally.
    int Wait();
    bool StillRunning();

private:
    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    bool waited_ = false;
};

} // namespace pralomen::shell::test
