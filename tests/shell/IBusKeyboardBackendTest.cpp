#ifndef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "shell/KeyboardLayouts.h"
#include "shell/linux/IBusKeyboardBackend.h"

namespace pralomen::shell {
namespace {

// Answers the three ibus commands the backend uses, over a list of installed engines.
class FakeIBus final : public CommandRunner {
public:
    FakeIBus(std::vector<std::string> engines, std::string current, bool running = true)
        : current_(std::move(current)), engines_(std::move(engines)), running_(running)
    {
    }

    std::optional<CommandResult> Run(const std::vector<std::string>& argv) override
    {
        calls.push_back(argv);
        if (argv.empty() || argv[0] != "ibus") return std::nullopt;
        if (!running_) return CommandResult{1, ""};
        if (argv.size() == 2 && argv[1] == "engine") return CommandResult{0, current_ + "\n"};
        if (argv.size() == 3 && argv[1] == "engine") return Switch(argv[2]);
        if (argv.size() == 2 && argv[1] == "list-engine") return CommandResult{0, List()};
        return CommandResult{1, ""};
    }

    std::vector<std::vector<std::string>> calls;
    std::string current_;

private:
    CommandResult Switch(const std::string& name)
    {
        if (std::find(engines_.begin(), engines_.end(), name) == engines_.end()) return {1, ""};
        current_ = name;
        return {0, ""};
    }

    std::string List() const
    {
        std::string text = "language: Various\n";
        for (const std::string& name : engines_) text += "  " + name + " - " + name + " engine\n";
        return text;
    }

    std::vector<std::string> engines_;
    bool running_;
};

TEST(IBusKeyboardBackendTest, LayoutsMapToTheInstalledSources)
{
    struct Case {
        std::vector<std::string> engines;
        std::string thai;
        std::string japanese;
    };
    const Case cases[] = {
        {{"xkb:us::eng", "anthy", "mozc-jp", "xkb:th::tha", "xkb:jp::jpn"}, "xkb:th::tha", "mozc-jp"},
        {{"xkb:us::eng", "anthy", "xkb:jp::jpn", "xkb:th:pat:tha"}, "xkb:th:pat:tha", "anthy"},
        {{"xkb:us::eng", "xkb:jp::jpn", "xkb:th::tha"}, "xkb:th::tha", "xkb:jp::jpn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.japanese);
        auto owned = std::make_unique<FakeIBus>(c.engines, "xkb:us::eng");
        FakeIBus& ibus = *owned;
        IBusKeyboardBackend backend(std::move(owned));
        EXPECT_EQ(backend.CurrentLayout(), u"xkb:us::eng");
        backend.Activate(kThaiLayout);
        EXPECT_EQ(ibus.current_, c.thai);
        EXPECT_EQ(backend.CurrentLayout(), kThaiLayout);
        backend.Activate(kJapaneseLayout);
        EXPECT_EQ(ibus.current_, c.japanese);
        EXPECT_EQ(backend.CurrentLayout(), kJapaneseLayout);
    }
}

TEST(IBusKeyboardBackendTest, TheStartEngineComesBackAtTheEnd)
{
    auto owned = std::make_unique<FakeIBus>(std::vector<std::string>{"xkb:de::ger", "xkb:th::tha", "anthy"}, "xkb:de::ger");
    FakeIBus& ibus = *owned;
    IBusKeyboardBackend backend(std::move(owned));
    KeyboardLayouts k(backend);
    k.RememberInitIme();
    k.ToggleF3();
    EXPECT_EQ(ibus.current_, "xkb:th::tha");
    k.ToggleF3();
    EXPECT_EQ(ibus.current_, "anthy");
    k.LoadInitIme();
    EXPECT_EQ(ibus.current_, "xkb:de::ger");
    const auto lists = std::count(ibus.calls.begin(), ibus.calls.end(), std::vector<std::string>{"ibus", "list-engine"});
    EXPECT_EQ(lists, 1) << "the sources are looked up once";
}

TEST(IBusKeyboardBackendTest, AStoppedDaemonIsNotUsed)
{
    FakeIBus stopped({"xkb:th::tha"}, "xkb:th::tha", false);
    EXPECT_FALSE(IBusKeyboardBackend::IsRunning(stopped));
    FakeIBus running({"xkb:th::tha"}, "xkb:th::tha");
    EXPECT_TRUE(IBusKeyboardBackend::IsRunning(running));
    IBusKeyboardBackend backend(std::make_unique<FakeIBus>(std::vector<std::string>{}, "", false));
    EXPECT_EQ(backend.CurrentLayout(), u"");
}

TEST(IBusKeyboardBackendTest, EngineListNamesAreTheIndentedFirstWords)
{
    const std::string output =
        "language: Japanese\n  anthy - Anthy\n  mozc-jp - Mozc\nlanguage: Thai\n\txkb:th::tha - Thai\n   \n";
    EXPECT_EQ(ParseEngineList(output), (std::vector<std::string>{"anthy", "mozc-jp", "xkb:th::tha"}));
    EXPECT_TRUE(ParseEngineList("Can't connect to IBus.\n").empty());
}

TEST(ProcessRunnerTest, RunsAProgramAndTakesItsOutputAndStatus)
{
    ProcessRunner runner;
    std::optional<CommandResult> result = runner.Run({"sh", "-c", "echo one; echo two >&2; exit 4"});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Output, "one\n");
    EXPECT_EQ(result->ExitStatus, 4);
    EXPECT_FALSE(runner.Run({"no-such-program-for-this-test"}).has_value());
    EXPECT_FALSE(runner.Run({}).has_value());
}

} // namespace
} // namespace pralomen::shell
#endif
