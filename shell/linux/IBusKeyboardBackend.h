// Keyboard layouts as IBus input sources: "0000041E" is the Thai source, "00000411" the first
// Japanese input method installed (Mozc, then Anthy, else the Japanese keyboard layout). Any other
// engine is reported and activated under its own name, so the layout of the start comes back too.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/KeyboardBackend.h"
#include "shell/linux/CommandRunner.h"

namespace pralomen::shell {

class IBusKeyboardBackend final : public KeyboardBackend {
public:
    explicit IBusKeyboardBackend(std::unique_ptr<CommandRunner> runner) : runner_(std::move(runner)) {}

    // True when the IBus daemon answers.
    static bool IsRunning(CommandRunner& runner);

    std::u16string CurrentLayout() override;
    void Activate(std::u16string_view id) override;

private:
    struct Sources {
        std::string Thai;
        std::string Japanese;
    };
    const Sources& FindSources();

    std::unique_ptr<CommandRunner> runner_;
    std::optional<Sources> sources_;
};

// The engine names in the output of "ibus list-engine".
std::vector<std::string> ParseEngineList(const std::string& output);

} // namespace pralomen::shell
