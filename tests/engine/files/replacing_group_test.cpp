// Tests of replacing several files together: a rename that fails part-way puts
// back the files replaced before it, and what an unfinished save left behind is
// removed.
#include "engine/files/replacing_group.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/engine/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

// The rename calls of the test so far, and the ones that fail (as a disk error
// or a file system gone read-only would make them).
int renameCalls = 0;
std::vector<int> failingCalls;

int RenameFailingSome(const char* from, const char* to)
{
    ++renameCalls;
    for (const int call : failingCalls)
        if (call == renameCalls) return -1;
    return std::rename(from, to);
}

class ReplacingGroupTest : public ::testing::Test {
protected:
    ReplacingGroupTest()
    {
        renameCalls = 0;
        failingCalls.clear();
    }
    std::string File(const std::string& name) const { return folder_.Str() + "/" + name; }
    std::string Read(const std::string& name) const { return test::TempFolder::Read(File(name)); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static int Add(vrk::cReplacingGroup& group, const std::string& path, const std::string& bytes)
    {
        return group.Add(path, bytes.data(), bytes.size());
    }

    test::TempFolder folder_;
    test::LogRecorder log_;
};

TEST_F(ReplacingGroupTest, RenameFailingPartWay_PutsBackEveryFileReplacedBeforeIt)
{
    folder_.Write("a.lvl", "old a");
    folder_.Write("b.lvl", "old b");
    vrk::cReplacingGroup group(&RenameFailingSome);
    ASSERT_EQ(Add(group, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(group, File("c.lvl"), "new c"), 0);  // not there before
    ASSERT_EQ(Add(group, File("b.lvl"), "new b"), 0);
    failingCalls = {3};
    EXPECT_EQ(group.Commit(), 2);
    EXPECT_EQ(Read("a.lvl"), "old a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl"})) << "no temporary, no backup, no c";
    EXPECT_TRUE(log_.Contains("b.lvl not written"));
    EXPECT_TRUE(log_.Contains("2 files replaced before it are back"));

    // With every rename working the same group replaces all three.
    vrk::cReplacingGroup again(&RenameFailingSome);
    ASSERT_EQ(Add(again, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(again, File("c.lvl"), "new c"), 0);
    ASSERT_EQ(Add(again, File("b.lvl"), "new b"), 0);
    EXPECT_EQ(again.Commit(), 0);
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("b.lvl"), "new b");
    EXPECT_EQ(Read("c.lvl"), "new c");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.lvl", "b.lvl", "c.lvl"}));
}

TEST_F(ReplacingGroupTest, PutBackFailingToo_IsAnErrorAndKeepsTheOldFileAsBackup)
{
    folder_.Write("a.lvl", "old a");
    folder_.Write("b.lvl", "old b");
    vrk::cReplacingGroup group(&RenameFailingSome);
    ASSERT_EQ(Add(group, File("a.lvl"), "new a"), 0);
    ASSERT_EQ(Add(group, File("b.lvl"), "new b"), 0);
    // b's rename fails, then so does putting a back.
    failingCalls = {2, 3};
    EXPECT_EQ(group.Commit(), 2);
    EXPECT_EQ(Read("a.lvl"), "new a");
    EXPECT_EQ(Read("b.lvl"), "old b");
    EXPECT_TRUE(log_.Contains("^4"));
    EXPECT_TRUE(log_.Contains("a.lvl could not be put back"));
    // The old a is still on disk under its backup name.
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[1].rfind("a.lvl.tmp.", 0), 0u) << names[1];
    EXPECT_EQ(Read(names[1]), "old a");
}

TEST_F(ReplacingGroupTest, RemoveStaleTemporaries_RemovesOnlyTemporariesOfThatExtension)
{
    folder_.Write("level003.lvl", "L3");
    folder_.Write("level003.lvl.tmp.Ab12Cd", "half");
    folder_.Write("map.lvl.tmp.zzzzzz", "");
    folder_.Write("notes.txt.tmp.abcdef", "other kind");
    folder_.Write("level004.lvl.tmp.short", "not made by a save");
    folder_.Write("level005.lvl.tmp.abcdef/inner", "a folder");
    EXPECT_EQ(vrk::RemoveStaleTemporaries(folder_.Str(), "lvl"), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"level003.lvl", "level004.lvl.tmp.short", "level005.lvl.tmp.abcdef",
                                                 "notes.txt.tmp.abcdef"}));
    EXPECT_TRUE(log_.Contains("level003.lvl.tmp.Ab12Cd left by an unfinished save removed"));
    EXPECT_EQ(vrk::RemoveStaleTemporaries(folder_.Str() + "/missing", "lvl"), 0);
}

}  // namespace
