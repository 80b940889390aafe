// The platform's keyboard-layout service: which layout is active, and activating one.
// Layouts are named by eight-hex-digit identifiers such as "0000041E" (Thai) and "00000411" (Japanese);
// platforms with other input sources map them to these identifiers.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pralomen::shell {

inline constexpr std::u16string_view kThaiLayout = u"0000041E";
inline constexpr std::u16string_view kThaiLayout2 = u"0001041E";
inline constexpr std::u16string_view kJapaneseLayout = u"00000411";

class KeyboardBackend {
public:
    virtual ~KeyboardBackend() = default;
    // The identifier of the active layout; empty when the platform gives none.
    virtual std::u16string CurrentLayout() = 0;
    // Loads and activates a layout; a failure leaves the layout as it was.
    virtual void Activate(std::u16string_view id) = 0;
};

// The layouts live only in this object: for platforms without an input-method framework, so
// that switching still follows its rules.
class InMemoryKeyboardBackend final : public KeyboardBackend {
public:
    explicit InMemoryKeyboardBackend(std::u16string initial = {}) : current_(std::move(initial)) {}
    std::u16string CurrentLayout() override { return current_; }
    void Activate(std::u16string_view id) override { current_ = id; }

private:
    std::u16string current_;
};

// The keyboard service of this platform: Windows' keyboard layouts; on Linux IBus when it runs,
// else the in-memory one.
std::unique_ptr<KeyboardBackend> MakePlatformKeyboardBackend();

} // namespace pralomen::shell
