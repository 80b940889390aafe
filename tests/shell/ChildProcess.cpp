#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace pralomen::shell::test {

ChildProcess::ChildProcess(const std::string& program)
{
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    pid_ = pid;
}

ChildProcess::~ChildProcess()
{
    CloseInput();
    if (!waited_) {
        Kill();
        Wait();
    }
    close(output_);
}

std::string ChildProcess::ReadLine()
{
    std::string line;
    char c = 0;
    while (read(output_, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
}

void ChildProcess::CloseInput()
{
    if (input_ >= 0) close(input_);
    input_ = -1;
}

void ChildProcess::Kill() { kill(pid_, SIGKILL); }

int ChildProcess::Wait()
{
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0)
        if (errno != EINTR) return -1;
    waited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ChildProcess::StillRunning()
{
    if (waited_) return false;
    int status = 0;
    pid_t ended = waitpid(pid_, &status, WNOHANG);
    if (ended == pid_) waited_ = true;
    return ended == 0;
}

} // namespace pralomen::shell::test
