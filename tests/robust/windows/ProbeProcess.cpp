#include "windows/ProbeProcess.h"

#include <stdexcept>

namespace pralomen::robust {
namespace {

// A pipe whose one end the child inherits and whose other end stays here.
void MakePipe(HANDLE& childEnd, HANDLE& ourEnd, bool childReads)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) throw std::runtime_error("CreatePipe failed");
    childEnd = childReads ? read : write;
    ourEnd = childReads ? write : read;
    SetHandleInformation(ourEnd, HANDLE_FLAG_INHERIT, 0);
}

} // namespace

ProbeProcess::ProbeProcess(const std::filesystem::path& program)
{
    HANDLE childInput = nullptr, childOutput = nullptr;
    MakePipe(childInput, input_, true);
    MakePipe(childOutput, output_, false);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const std::wstring path = std::filesystem::absolute(program).wstring();
    std::wstring line = L"\"" + path + L"\"";
    const bool started =
        CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
    CloseHandle(childInput);
    CloseHandle(childOutput);
    if (!started) throw std::runtime_error("cannot start the probe");
}

ProbeProcess::~ProbeProcess()
{
    CloseInput();
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) Kill();
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    CloseHandle(output_);
}

std::string ProbeProcess::ReadLine()
{
    std::string line;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(output_, &c, 1, &got, nullptr) && got == 1 && c != '\n') line.push_back(c);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void ProbeProcess::CloseInput()
{
    if (input_) CloseHandle(input_);
    input_ = nullptr;
}

void ProbeProcess::Kill()
{
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, INFINITE);
}

DWORD ProbeProcess::Wait()
{
    WaitForSingleObject(process_.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

} // namespace pralomen::robust
