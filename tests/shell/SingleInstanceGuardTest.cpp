#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "TestFolders.h"
#include "shell/SingleInstanceGuard.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "ChildProcess.h"
#endif

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

class SingleInstanceGuardTest : public ::testing::Test {
protected:
    test::TempFolder runtime_;
    test::ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Path().string()};
};

TEST_F(SingleInstanceGuardTest, OneHolderPerNameWithinAProcessToo)
{
    SingleInstanceGuard first(u"one");
    SingleInstanceGuard other(u"two");
    EXPECT_TRUE(first.TryAcquire());
    EXPECT_TRUE(first.TryAcquire()) << "asking again keeps the guard";
    EXPECT_TRUE(other.TryAcquire());
    {
        SingleInstanceGuard second(u"one");
        EXPECT_FALSE(second.TryAcquire());
    }
    EXPECT_TRUE(first.TryAcquire());
}

TEST_F(SingleInstanceGuardTest, ReleasedWhenTheGuardGoes)
{
    auto first = std::make_unique<SingleInstanceGuard>();
    ASSERT_TRUE(first->TryAcquire());
    first.reset();
    SingleInstanceGuard next;
    EXPECT_TRUE(next.TryAcquire());
}

#ifndef _WIN32
TEST_F(SingleInstanceGuardTest, SecondCopyEndsAtOnceAndTheFirstRunsOn)
{
    test::ChildProcess first(SHELL_GUARD_PROBE);
    ASSERT_EQ(first.ReadLine(), "acquired");
    {
        test::ChildProcess second(SHELL_GUARD_PROBE);
        EXPECT_EQ(second.ReadLine(), "refused");
        EXPECT_EQ(second.Wait(), 3);
    }
    EXPECT_TRUE(first.StillRunning());
    SingleInstanceGuard here;
    EXPECT_FALSE(here.TryAcquire());
    first.CloseInput();
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_TRUE(here.TryAcquire()) << "free again once the first copy has ended";
}

TEST_F(SingleInstanceGuardTest, CrashedCopyNeverBlocksTheNextStart)
{
    test::ChildProcess crashed(SHELL_GUARD_PROBE);
    ASSERT_EQ(crashed.ReadLine(), "acquired");
    crashed.Kill();
    EXPECT_EQ(crashed.Wait(), -1);
    test::ChildProcess next(SHELL_GUARD_PROBE);
    EXPECT_EQ(next.ReadLine(), "acquired");
}

TEST_F(SingleInstanceGuardTest, CopiesStartedTogetherLetExactlyOneRun)
{
    for (int round = 0; round < 5; ++round) {
        std::vector<std::unique_ptr<test::ChildProcess>> copies;
        for (int i = 0; i < 4; ++i) copies.push_back(std::make_unique<test::ChildProcess>(SHELL_GUARD_PROBE));
        int acquired = 0;
        int refused = 0;
        for (auto& copy : copies) {
            std::string line = copy->ReadLine();
            acquired += line == "acquired";
            refused += line == "refused";
        }
        EXPECT_EQ(acquired, 1);
        EXPECT_EQ(refused, 3);
    }
}

TEST(SingleInstanceGuardFolderTest, WithoutARuntimeFolderAPrivateCacheFolderIsUsed)
{
    test::TempFolder temp;
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", std::nullopt);
    test::ScopedEnv cache("XDG_CACHE_HOME", (temp.Path() / "cache").string());
    SingleInstanceGuard first;
    ASSERT_TRUE(first.TryAcquire());
    const fs::path folder = temp.Path() / "cache" / "pralomen";
    ASSERT_TRUE(fs::is_directory(folder));
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    test::ChildProcess child(SHELL_GUARD_PROBE);
    EXPECT_EQ(child.ReadLine(), "refused");
}
#endif

} // namespace
} // namespace pralomen::shell
