#include "shell/SingleInstanceGuard.h"

#include <windows.h>

namespace pralomen::shell {

struct SingleInstanceGuard::Held {
    HANDLE Mutex;
    ~Held() { CloseHandle(Mutex); }
};

SingleInstanceGuard::SingleInstanceGuard(std::u16string_view name) : name_(name) {}
SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::TryAcquire()
{
    if (held_) return true;
    const std::wstring name(name_.begin(), name_.end());
    // Creating and asking whether it existed is one step, so two copies started together cannot both run.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (!mutex) return error != ERROR_ACCESS_DENIED; // denied: it exists, made by a copy with other rights
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    held_.reset(new Held{mutex});
    return true;
}

} // namespace pralomen::shell
