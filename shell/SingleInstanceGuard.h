// Keeps a second copy of the program from running. The guard dies with its process, so a copy
// that crashed never blocks the next start.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pralomen::shell {

inline constexpr std::u16string_view kMutexName = u"このタイ語発音変換アプリが世の中に普及することを祈る";

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(std::u16string_view name = kMutexName);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // Takes the guard in one step. False when another copy holds it: this copy should end at once.
    // When the platform offers no guard at all, the program runs unguarded rather than not at all.
    bool TryAcquire();

private:
    struct Held; // the platform's handle, released on destruction
    std::u16string name_;
    std::unique_ptr<Held> held_;
};

} // namespace pralomen::shell
