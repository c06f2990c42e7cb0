// The single-instance lock.
#include "port/window/instance_lock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/port/window/offscreen_video.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(InstanceLock, SecondLockFailsUntilFirstIsReleased)
{
    test::TempFolder folder;
    port::InstanceLock first;
    ASSERT_EQ(first.Acquire(folder.Str()), port::LockResult::kAcquired);
    EXPECT_TRUE(first.Held());
    {
        port::InstanceLock second;
        EXPECT_EQ(second.Acquire(folder.Str()), port::LockResult::kHeldElsewhere);
        EXPECT_FALSE(second.Held());
    }
    EXPECT_EQ(first.Acquire(folder.Str()), port::LockResult::kAcquired);  // still ours
    first.Release();
    port::InstanceLock third;
    EXPECT_EQ(third.Acquire(folder.Str()), port::LockResult::kAcquired);
}

TEST(InstanceLock, DestructionReleasesTheLock)
{
    test::TempFolder folder;
    {
        port::InstanceLock first;
        ASSERT_EQ(first.Acquire(folder.Str()), port::LockResult::kAcquired);
    }
    port::InstanceLock next;
    EXPECT_EQ(next.Acquire(folder.Str()), port::LockResult::kAcquired);
}

TEST(InstanceLock, MakesMissingFoldersWithoutWorldWrite)
{
    test::TempFolder folder;
    const std::string nested = folder.Str() + "/a/b";
    port::InstanceLock lock;
    ASSERT_EQ(lock.Acquire(nested), port::LockResult::kAcquired);
    const std::string file = nested + "/" + port::InstanceLock::kFileName;
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IWOTH, 0u);
    ASSERT_EQ(::stat(nested.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IWOTH, 0u);
}

TEST(InstanceLock, UnusableFolderIsReportedNotMistakenForAnotherInstance)
{
    test::TempFolder folder;
    const std::string blocker = folder.Write("file", "x");  // a file where a folder should be
    port::InstanceLock lock;
    EXPECT_EQ(lock.Acquire(blocker + "/sub"), port::LockResult::kUnavailable);
    EXPECT_FALSE(lock.Error().empty());
    EXPECT_EQ(lock.Acquire(""), port::LockResult::kUnavailable);
}

TEST(InstanceLock, PlantedLinkAtTheLockFileIsRefusedAndItsTargetNeverMade)
{
    test::TempFolder folder;
    test::TempFolder outside;
    const std::string target = outside.Str() + "/made-elsewhere";
    const std::string file = folder.Str() + "/" + port::InstanceLock::kFileName;
    ASSERT_EQ(::symlink(target.c_str(), file.c_str()), 0);
    port::InstanceLock lock;
    EXPECT_EQ(lock.Acquire(folder.Str()), port::LockResult::kUnavailable);
    EXPECT_FALSE(std::filesystem::exists(target));
}

struct FolderRow {
    const char* runtime;
    const char* dataHome;
    const char* home;
    const char* expected;
};

class InstanceLockFolder : public testing::TestWithParam<FolderRow> {};

TEST_P(InstanceLockFolder, DefaultFolderFollowsEnvironment)
{
    test::ScopedEnvironment runtime("XDG_RUNTIME_DIR", GetParam().runtime);
    test::ScopedEnvironment data("XDG_DATA_HOME", GetParam().dataHome);
    test::ScopedEnvironment home("HOME", GetParam().home);
    EXPECT_EQ(port::InstanceLock::DefaultFolder(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, InstanceLockFolder,
    testing::Values(
        FolderRow{"/run/user/7", "/d", "/h", "/run/user/7"},
        FolderRow{nullptr, "/d", "/h", "/d/OstrandEntertainment/tervol"},
        FolderRow{"", nullptr, "/h", "/h/.local/share/OstrandEntertainment/tervol"},
        FolderRow{"relative", "also/relative", "/h", "/h/.local/share/OstrandEntertainment/tervol"},
        FolderRow{nullptr, nullptr, nullptr, ""}));

}  // namespace
