#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/KeyboardLayouts.h"

namespace pralomen::shell {
namespace {

// Remembers every activation, so a test sees a switch that changed nothing as well.
class RecordingBackend final : public KeyboardBackend {
public:
    explicit RecordingBackend(std::u16string current) : current_(std::move(current)) {}
    std::u16string CurrentLayout() override { return current_; }
    void Activate(std::u16string_view id) override
    {
        current_ = id;
        activated_.emplace_back(id);
    }
    const std::vector<std::u16string>& Activated() const { return activated_; }

private:
    std::u16string current_;
    std::vector<std::u16string> activated_;
};

enum class Step { F3, EnterThai, EnterKana, EnterIpa, End };

void Press(KeyboardLayouts& k, Step step)
{
    switch (step) {
    case Step::F3: k.ToggleF3(); break;
    case Step::EnterThai: k.EnterField(FieldKind::Thai); break;
    case Step::EnterKana: k.EnterField(FieldKind::Japanese); break;
    case Step::EnterIpa: k.EnterField(FieldKind::Ipa); break;
    case Step::End: k.LoadInitIme(); break;
    }
}

struct Case {
    const char* what;
    std::u16string atStart;
    bool autoIme;
    bool otherJp;
    std::vector<Step> steps;
    std::vector<std::u16string> activated;
};

constexpr char16_t kEn[] = u"00000409";
constexpr char16_t kTh[] = u"0000041E";
constexpr char16_t kTh2[] = u"0001041E";
constexpr char16_t kJa[] = u"00000411";

TEST(KeyboardLayoutsTest, SwitchingRules)
{
    const Case cases[] = {
        {"English start: F3 toggles Thai and Japanese, the end restores English", kEn, true, false,
         {Step::F3, Step::F3, Step::F3, Step::End}, {kTh, kJa, kTh, kEn}},
        {"second Thai layout goes to Japanese on F3", kTh2, true, false, {Step::F3}, {kJa}},
        {"entering the Thai field replaces the second Thai layout", kTh2, true, false, {Step::EnterThai}, {kTh}},
        {"entering the Thai field under Thai does nothing", kTh, true, false, {Step::EnterThai}, {}},
        {"Japanese is activated again even when active", kJa, true, false, {Step::EnterKana, Step::EnterIpa}, {kJa, kJa}},
        {"fields follow their kind", kEn, true, false,
         {Step::EnterThai, Step::EnterKana, Step::EnterThai, Step::EnterIpa}, {kTh, kJa, kTh, kJa}},
        {"without the automatic switch only F3 and the end act", kEn, false, false,
         {Step::EnterThai, Step::EnterKana, Step::EnterIpa, Step::F3, Step::End}, {kTh, kEn}},
        {"the other-Japanese switch returns to the start layout", kEn, true, true,
         {Step::EnterThai, Step::EnterKana, Step::F3, Step::F3}, {kTh, kEn, kTh, kEn}},
        {"the other-Japanese switch with no start layout uses Japanese", u"", true, true,
         {Step::EnterThai, Step::F3}, {kTh, kJa}},
        {"no start layout: the end restores nothing", u"", true, false, {Step::EnterKana, Step::End}, {kJa}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingBackend backend(c.atStart);
        KeyboardLayouts k(backend);
        k.RememberInitIme();
        k.AutoIMEFlg = c.autoIme;
        k.OtherJpFlg = c.otherJp;
        for (Step step : c.steps) Press(k, step);
        EXPECT_EQ(backend.Activated(), c.activated);
        EXPECT_EQ(k.InitImeStr, c.atStart);
    }
}

TEST(KeyboardLayoutsTest, InMemoryBackendKeepsTheRulesWithoutAFramework)
{
    InMemoryKeyboardBackend backend;
    KeyboardLayouts k(backend);
    EXPECT_TRUE(k.AutoIMEFlg);
    EXPECT_FALSE(k.OtherJpFlg);
    k.RememberInitIme();
    EXPECT_EQ(k.GetCurrentKLName(), u"");
    k.ToggleF3();
    EXPECT_EQ(k.GetCurrentKLName(), kTh);
    k.ToggleF3();
    EXPECT_EQ(k.GetCurrentKLName(), kJa);
    k.LoadInitIme();
    EXPECT_EQ(k.GetCurrentKLName(), kJa) << "an empty start layout is not restored";
}

} // namespace
} // namespace pralomen::shell
