#include "shell/linux/IBusKeyboardBackend.h"

#include <algorithm>
#include <sstream>

#include "engine/Utf.h"

namespace pralomen::shell {
namespace {

constexpr const char* kThaiKeyboard = "xkb:th::tha";
constexpr const char* kJapaneseKeyboard = "xkb:jp::jpn";

std::string Trim(const std::string& s)
{
    const char* blanks = " \t\r\n";
    std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// The first engine whose name starts with one of the prefixes, trying the prefixes in order.
std::optional<std::string> FirstWithPrefix(const std::vector<std::string>& engines,
                                           std::initializer_list<std::string_view> prefixes)
{
    for (std::string_view prefix : prefixes) {
        auto it = std::find_if(engines.begin(), engines.end(),
                               [prefix](const std::string& name) { return name.starts_with(prefix); });
        if (it != engines.end()) return *it;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> ParseEngineList(const std::string& output)
{
    // Engines are indented below "language: ..." headings, each as "name - description".
    std::vector<std::string> engines;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || (line[0] != ' ' && line[0] != '\t')) continue;
        std::string name = Trim(line.substr(0, line.find(" - ")));
        if (!name.empty()) engines.push_back(name);
    }
    return engines;
}

bool IBusKeyboardBackend::IsRunning(CommandRunner& runner)
{
    std::optional<CommandResult> result = runner.Run({"ibus", "engine"});
    return result && result->ExitStatus == 0;
}

const IBusKeyboardBackend::Sources& IBusKeyboardBackend::FindSources()
{
    if (sources_) return *sources_;
    std::vector<std::string> engines;
    if (std::optional<CommandResult> list = runner_->Run({"ibus", "list-engine"}); list && list->ExitStatus == 0)
        engines = ParseEngineList(list->Output);
    sources_ = Sources{
        FirstWithPrefix(engines, {kThaiKeyboard, "xkb:th:"}).value_or(kThaiKeyboard),
        FirstWithPrefix(engines, {"mozc-jp", "mozc", "anthy", kJapaneseKeyboard}).value_or(kJapaneseKeyboard),
    };
    return *sources_;
}

std::u16string IBusKeyboardBackend::CurrentLayout()
{
    std::optional<CommandResult> result = runner_->Run({"ibus", "engine"});
    if (!result || result->ExitStatus != 0) return {};
    const std::string engine = Trim(result->Output);
    if (engine.empty()) return {};
    const Sources& sources = FindSources();
    if (engine == sources.Thai) return std::u16string(kThaiLayout);
    if (engine == sources.Japanese) return std::u16string(kJapaneseLayout);
    return Utf8ToUtf16(engine);
}

void IBusKeyboardBackend::Activate(std::u16string_view id)
{
    if (id.empty()) return;
    const Sources& sources = FindSources();
    std::string engine = Utf16ToUtf8(id);
    if (id == kThaiLayout || id == kThaiLayout2) engine = sources.Thai;
    else if (id == kJapaneseLayout) engine = sources.Japanese;
    runner_->Run({"ibus", "engine", engine});
}

} // namespace pralomen::shell
