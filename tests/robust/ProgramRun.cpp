#include "ProgramRun.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

#include "engine/Utf.h"

namespace pralomen::robust {
namespace {

namespace fs = std::filesystem;

fs::path FreshFile(const char* role)
{
    static std::mt19937_64 random(std::random_device{}());
    return fs::temp_directory_path() / ("robust-" + std::to_string(random()) + "-" + role);
}

std::string Slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32

std::wstring Wide(const std::string& utf8)
{
    const std::u16string text = Utf8ToUtf16(utf8);
    return {text.begin(), text.end()};
}

// Quoting by the rules CommandLineToArgvW undoes: backslashes count only before a quote.
std::wstring Quoted(const std::wstring& arg)
{
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

HANDLE Inheritable(const fs::path& file, bool forWriting)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(file.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &inherit,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int Spawn(const fs::path& program, const std::vector<std::string>& args, const fs::path& in, const fs::path& out,
          const fs::path& err)
{
    std::wstring line = Quoted(program.wstring());
    for (const auto& arg : args) line += L" " + Quoted(Wide(arg));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Inheritable(in, false);
    startup.hStdOutput = Inheritable(out, true);
    startup.hStdError = Inheritable(err, true);
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
    if (!started) throw std::runtime_error("cannot start " + program.string());
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

#else

int Spawn(const fs::path& program, const std::vector<std::string>& args, const fs::path& in, const fs::path& out,
          const fs::path& err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + program.string());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

} // namespace

ProgramOutcome RunProgram(const fs::path& program, const std::vector<std::string>& args, const std::string& input)
{
    const fs::path in = FreshFile("in"), out = FreshFile("out"), err = FreshFile("err");
    std::ofstream(in, std::ios::binary) << input;
    ProgramOutcome outcome;
    outcome.exitCode = Spawn(fs::absolute(program), args, in, out, err);
    outcome.out = Slurp(out);
    outcome.err = Slurp(err);
    for (const auto& file : {in, out, err}) fs::remove(file);
    return outcome;
}

} // namespace pralomen::robust
