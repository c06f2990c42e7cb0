// Folder operations: existence tests, creation, listing and tree removal.
#include "engine/files/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "engine/files/folder_iterator.h"
#include "tests/engine/files/files_test_support.h"

namespace {

namespace fs = std::filesystem;

class FileSystemTest : public testing::Test {
protected:
    test::TempFolder folder_;
    test::MacroScope macros_{{{"{AppPath}", folder_.Str()}}};
};

TEST_F(FileSystemTest, FileExistsAndIsFolder_ExpandMacros)
{
    folder_.Write("conf/settings.lua", "x = 1");
    EXPECT_TRUE(vrk::FileExists("{AppPath}/conf/settings.lua"));
    EXPECT_TRUE(vrk::FileExists("{AppPath}\\conf"));
    EXPECT_FALSE(vrk::FileExists("{AppPath}/conf/missing.lua"));
    EXPECT_TRUE(vrk::IsFolder("{AppPath}/conf"));
    EXPECT_FALSE(vrk::IsFolder("{AppPath}/conf/settings.lua"));
    EXPECT_FALSE(vrk::IsFolder("{AppPath}/none"));
}

TEST_F(FileSystemTest, CreateFolder_MakesEveryLevelOfAnAbsolutePath)
{
    EXPECT_TRUE(vrk::CreateFolder("{AppPath}/a\\b/c"));
    EXPECT_TRUE(fs::is_directory(folder_.Path() / "a/b/c"));
    struct stat info {};
    ASSERT_EQ(stat((folder_.Path() / "a/b/c").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0022, 0u);
}

TEST_F(FileSystemTest, CreateFolder_OfAnExistingFolderReturnsFalseAndLogsNothing)
{
    const std::string profile = folder_.Str() + "/profile";
    ASSERT_TRUE(vrk::CreateFolder(profile));
    test::LogRecorder log;
    EXPECT_FALSE(vrk::CreateFolder(profile + "/"));
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(FileSystemTest, CreateFolder_OfNothingReturnsFalse)
{
    EXPECT_FALSE(vrk::CreateFolder(""));
    EXPECT_FALSE(vrk::CreateFolder("//"));
}

TEST_F(FileSystemTest, FolderIterator_ListsEachEntryOnceWithSeparators)
{
    folder_.Write("list/.hidden", "");
    folder_.Write("list/b.txt", "");
    folder_.Write("list/sub/c.txt", "");
    vrk::cFolderIterator iterator;
    std::vector<std::string> paths;
    for (vrk::PathRecord entry = iterator.First(vrk::PathRecord(folder_.Str() + "/list")); !entry.IsEmpty();
         entry = iterator.Next())
        paths.push_back(entry.path);
    std::sort(paths.begin(), paths.end());
    const std::string base = folder_.Str() + "/list/";
    EXPECT_EQ(paths, (std::vector<std::string>{base + ".hidden", base + "b.txt", base + "sub"}));
}

TEST_F(FileSystemTest, FolderIterator_OfAMissingFolderIsEmpty)
{
    vrk::cFolderIterator iterator;
    EXPECT_TRUE(iterator.First(vrk::PathRecord(folder_.Str() + "/none")).IsEmpty());
    EXPECT_TRUE(iterator.Next().IsEmpty());
}

TEST_F(FileSystemTest, RemoveFolderTree_RemovesDotFilesAndLinksButNotLinkTargets)
{
    test::TempFolder outside;
    const std::string kept = outside.Write("keep/precious.txt", "keep");
    folder_.Write("tree/.dot", "1");
    folder_.Write("tree/.dotfolder/x", "2");
    folder_.Write("tree/sub/deeper/y.txt", "3");
    ASSERT_EQ(symlink((outside.Path() / "keep").c_str(), (folder_.Path() / "tree/sub/link").c_str()), 0);
    ASSERT_EQ(symlink(kept.c_str(), (folder_.Path() / "tree/filelink").c_str()), 0);

    EXPECT_TRUE(vrk::RemoveFolderTree(vrk::PathRecord("{AppPath}/tree")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder_.Path() / "tree")));
    EXPECT_EQ(test::TempFolder::Read(kept), "keep");
}

TEST_F(FileSystemTest, RemoveFolderTree_TopLinkIsRemovedItselfWithOrWithoutSeparators)
{
    test::TempFolder outside;
    const std::string kept = outside.Write("target/precious.txt", "keep");
    for (const std::string suffix : {"", "/", "//"}) {
        const fs::path link = folder_.Path() / "plr001";
        ASSERT_EQ(symlink((outside.Path() / "target").c_str(), link.c_str()), 0);
        EXPECT_TRUE(vrk::RemoveFolderTree(vrk::PathRecord("{AppPath}/plr001" + suffix))) << suffix;
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << suffix;
        EXPECT_EQ(test::TempFolder::Read(kept), "keep") << suffix;
    }
}

TEST_F(FileSystemTest, RemoveFolderTree_StopsWithFailureAtAnUndeletableEntry)
{
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    folder_.Write("tree/locked/inner.txt", "x");
    folder_.Write("tree/other.txt", "y");
    const fs::path locked = folder_.Path() / "tree/locked";
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::remove);

    test::LogRecorder log;
    EXPECT_FALSE(vrk::RemoveFolderTree(vrk::PathRecord(folder_.Str() + "/tree")));
    EXPECT_TRUE(fs::exists(locked / "inner.txt"));
    EXPECT_TRUE(log.Contains("not removed"));
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(FileSystemTest, RemoveFolderTree_OfAMissingFolderReportsItGone)
{
    EXPECT_TRUE(vrk::RemoveFolderTree(vrk::PathRecord(folder_.Str() + "/none")));
}

TEST_F(FileSystemTest, RemoveFolderTree_RefusesTheRoot)
{
    test::LogRecorder log;
    EXPECT_FALSE(vrk::RemoveFolderTree(vrk::PathRecord("/")));
    EXPECT_FALSE(vrk::RemoveFolderTree(vrk::PathRecord("")));
    EXPECT_TRUE(log.Contains("not removed"));
}

TEST_F(FileSystemTest, SetEveryoneFullAccess_ChangesNoModeAndSucceeds)
{
    const std::string file = folder_.Write("settings.lua", "x");
    chmod(file.c_str(), 0644);
    EXPECT_TRUE(vrk::SetEveryoneFullAccess(file));
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

}  // namespace
