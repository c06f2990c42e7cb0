// Opening, reading and sizing disk files and ZIP entries.
#include "engine/files/file_handle.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "engine/files/text_file.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/engine/files/image_test_writers.h"

namespace {

using vrk::FileHandlePtr;
using vrk::PathRecord;

std::string ReadAll(FileHandlePtr& handle)
{
    std::string bytes(static_cast<size_t>(vrk::FileSize(handle.get())), '\0');
    bytes.resize(vrk::FileRead(handle.get(), bytes.data(), 1, bytes.size()));
    return bytes;
}

class FileHandleTest : public testing::Test {
protected:
    test::TempFolder folder_;
};

TEST_F(FileHandleTest, DiskFile_ReadsWholeContentAndSize)
{
    const std::string path = folder_.Write("sub/a.txt", "hello world");
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(path), "rb"), vrk::kFileOpened);
    ASSERT_TRUE(handle);
    EXPECT_EQ(vrk::FileSize(handle.get()), 11);
    EXPECT_EQ(ReadAll(handle), "hello world");
    EXPECT_EQ(vrk::FileClose(handle), 0);
    EXPECT_FALSE(handle);
}

TEST_F(FileHandleTest, FileRead_CountsWholeItemsOnly)
{
    const std::string path = folder_.Write("items.bin", "1234567");
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(path), "rb"), vrk::kFileOpened);
    char buffer[8] = {};
    EXPECT_EQ(vrk::FileRead(handle.get(), buffer, 4, 2), 1u);
}

TEST_F(FileHandleTest, BackslashPath_OpensTheSameFile)
{
    folder_.Write("a/b.txt", "x");
    FileHandlePtr handle;
    EXPECT_EQ(vrk::FileOpen(handle, PathRecord(folder_.Str() + "\\a\\b.txt"), "r"), vrk::kFileOpened);
}

TEST_F(FileHandleTest, RefusedOpens_LeaveTheVariableNull)
{
    const std::string file = folder_.Write("a.txt", "x");
    struct Case {
        std::string path;
        const char* mode;
        int result;
    };
    const Case cases[] = {
        {"", "rb", vrk::kFileNotFound},
        {folder_.Str() + "/missing.txt", "rb", vrk::kFileNotFound},
        {folder_.Str(), "rb", vrk::kFileNotFound},  // a folder is no file
        {file, "xb", vrk::kFileModeRefused},
    };
    for (const Case& c : cases) {
        FileHandlePtr handle;
        EXPECT_EQ(vrk::FileOpen(handle, PathRecord(c.path), c.mode), c.result) << c.path << " " << c.mode;
        EXPECT_FALSE(handle) << c.path;
    }
}

TEST_F(FileHandleTest, OpenIntoAnOpenVariable_Returns5AndKeepsTheFile)
{
    const std::string path = folder_.Write("a.txt", "abc");
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(path), "rb"), vrk::kFileOpened);
    vrk::FileHandle* first = handle.get();
    EXPECT_EQ(vrk::FileOpen(handle, PathRecord(path), "rb"), vrk::kFileAlreadyOpen);
    EXPECT_EQ(handle.get(), first);
}

TEST_F(FileHandleTest, NullHandle_GivesZeroEverywhere)
{
    FileHandlePtr handle;
    char buffer[4];
    EXPECT_EQ(vrk::FileRead(handle.get(), buffer, 1, 4), 0u);
    EXPECT_EQ(vrk::FileSize(handle.get()), 0);
    EXPECT_EQ(vrk::FileClose(handle), 0);
}

TEST_F(FileHandleTest, WrittenFile_IsNotWritableByOthers)
{
    FileHandlePtr handle;
    const PathRecord path(folder_.Str() + "/new.txt");
    ASSERT_EQ(vrk::FileOpen(handle, path, "wb"), vrk::kFileOpened);
    EXPECT_EQ(vrk::FileWrite(handle.get(), "ab", 1, 2), 2u);
    EXPECT_EQ(vrk::FileClose(handle), 0);
    struct stat info {};
    ASSERT_EQ(stat(path.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0022, 0u);
    EXPECT_EQ(test::TempFolder::Read(path.path), "ab");
}

class ZipEntryTest : public FileHandleTest {
protected:
    void SetUp() override
    {
        archive_ = folder_.Str() + "/pack.zip";
        ASSERT_TRUE(test::WriteZip(archive_, {{"gui/main.lua", "print(1)"}, {"Top.TXT", "top"}, {"empty.txt", ""}}));
    }
    std::string archive_;
};

TEST_F(ZipEntryTest, EntryInFolder_ReadsLikeAFile)
{
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(archive_ + "\\gui\\main.lua"), "rb"), vrk::kFileOpened);
    EXPECT_EQ(vrk::FileSize(handle.get()), 8);
    EXPECT_EQ(ReadAll(handle), "print(1)");
}

TEST_F(ZipEntryTest, EntryName_FallsBackToCaseInsensitiveMatch)
{
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(archive_ + "/top.txt"), "rb"), vrk::kFileOpened);
    EXPECT_EQ(ReadAll(handle), "top");
}

TEST_F(ZipEntryTest, Failures_GiveTheirCodesAndLogLines)
{
    struct Case {
        std::string path;
        const char* mode;
        int result;
        std::string logged;
    };
    const Case cases[] = {
        {folder_.Str() + "/other.zip/a.txt", "rb", vrk::kArchiveNotFound,
         "ZIP file " + folder_.Str() + "/other.zip not found"},
        {archive_ + "/gui/none.lua", "rb", vrk::kFileNotFound, "File gui/none.lua not found in ZIP file"},
        {archive_ + "/gui/main.lua", "wb", vrk::kFileModeRefused, "cannot be written"},
        {archive_ + "/gui/main.lua", "r+", vrk::kFileModeRefused, "cannot be written"},
    };
    for (const Case& c : cases) {
        test::LogRecorder log;
        FileHandlePtr handle;
        EXPECT_EQ(vrk::FileOpen(handle, PathRecord(c.path), c.mode), c.result) << c.path;
        EXPECT_FALSE(handle) << c.path;
        EXPECT_TRUE(log.Contains(c.logged)) << c.logged;
    }
    // The archive was not touched by the refused write.
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(archive_ + "/gui/main.lua"), "rb"), vrk::kFileOpened);
    EXPECT_EQ(ReadAll(handle), "print(1)");
}

TEST_F(ZipEntryTest, ClaimedSize_IsNotTrustedByAnyReader)
{
    // A tiny archive whose one entry claims 4 GiB: every reader takes the bytes
    // that are really there and allocates nothing near the claim.
    const std::string archive = folder_.Str() + "/claims.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"a.lvl", std::string("\x02\x00hi", 4)}}));
    ASSERT_TRUE(test::ClaimUncompressedSize(archive, 0xFFFFFFFFu));
    EXPECT_LT(std::filesystem::file_size(archive), 200u);
    const std::size_t peakBefore = test::PeakResidentBytes();

    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, PathRecord(archive + "/a.lvl"), "rb"), vrk::kFileOpened);
    EXPECT_EQ(vrk::FileSize(handle.get()), 4);
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(vrk::FileReadAll(handle.get(), bytes));
    EXPECT_EQ(bytes.size(), 4u);
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(archive + "/a.lvl"), 0);
    EXPECT_EQ(stream.ReadString(), "hi");
    std::string text;
    ASSERT_EQ(vrk::ReadTextFile(text, archive + "/a.lvl"), 0);
    EXPECT_EQ(text, std::string("\x02", 1));  // up to the first NUL

    EXPECT_LT(test::PeakResidentBytes() - peakBefore, std::size_t(64) << 20);
}

TEST_F(ZipEntryTest, FolderNamedLikeAnArchive_IsAFolderForReadsAndWrites)
{
    // Also as a part of the data folder's own path (a home below "saves.zip/").
    test::MacroScope macros{{{"{AppPath}", folder_.Str() + "/saves.zip/Kelvara2"}}};
    folder_.Write("saves.zip/Kelvara2/profile/a.txt", "disk");
    const PathRecord path("{AppPath}/profile/a.txt");
    EXPECT_FALSE(path.IsInArchive());
    FileHandlePtr handle;
    ASSERT_EQ(vrk::FileOpen(handle, path, "rb"), vrk::kFileOpened);
    EXPECT_EQ(ReadAll(handle), "disk");
    vrk::FileClose(handle);
    ASSERT_EQ(vrk::WriteTextFile("saved", "{AppPath}/profile/b.txt"), 0);
    std::string back;
    ASSERT_EQ(vrk::ReadTextFile(back, "{AppPath}/profile/b.txt"), 0);
    EXPECT_EQ(back, "saved");

    // A real archive below such a folder is still an archive.
    ASSERT_TRUE(test::WriteZip(folder_.Str() + "/saves.zip/pack.zip", {{"in.txt", "zipped"}}));
    const PathRecord entry(folder_.Str() + "/saves.zip/pack.zip/in.txt");
    EXPECT_EQ(entry.archive, folder_.Str() + "/saves.zip/pack.zip");
    ASSERT_EQ(vrk::FileOpen(handle, entry, "rb"), vrk::kFileOpened);
    EXPECT_EQ(ReadAll(handle), "zipped");
}

}  // namespace
