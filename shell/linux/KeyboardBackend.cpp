#include "shell/KeyboardBackend.h"

#include "shell/linux/IBusKeyboardBackend.h"

namespace pralomen::shell {

std::unique_ptr<KeyboardBackend> MakePlatformKeyboardBackend()
{
    auto runner = std::make_unique<ProcessRunner>();
    if (IBusKeyboardBackend::IsRunning(*runner)) return std::make_unique<IBusKeyboardBackend>(std::move(runner));
    return std::make_unique<InMemoryKeyboardBackend>();
}

} // namespace pralomen::shell
