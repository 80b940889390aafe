#include "shell/KeyboardBackend.h"

#include <windows.h>

#include <cwchar>

namespace pralomen::shell {
namespace {

class WindowsKeyboardBackend final : public KeyboardBackend {
public:
    std::u16string CurrentLayout() override
    {
        wchar_t name[KL_NAMELENGTH] = {};
        if (!GetKeyboardLayoutNameW(name)) return {};
        return std::u16string(name, name + std::wcslen(name));
    }

    void Activate(std::u16string_view id) override
    {
        const std::wstring name(id.begin(), id.end());
        LoadKeyboardLayoutW(name.c_str(), KLF_ACTIVATE);
    }
};

} // namespace

std::unique_ptr<KeyboardBackend> MakePlatformKeyboardBackend() { return std::make_unique<WindowsKeyboardBackend>(); }

} // namespace pralomen::shell
