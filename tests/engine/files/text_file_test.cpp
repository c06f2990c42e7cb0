// Whole-file text reading with byte-order marks, and writing.
#include "engine/files/text_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/engine/files/files_test_support.h"

namespace {

struct TextCase {
    const char* label;
    std::string bytes;
    std::string text;
};

class ReadTextFileTable : public testing::TestWithParam<TextCase> {
protected:
    test::TempFolder folder_;
};

TEST_P(ReadTextFileTable, DecodesByByteOrderMark)
{
    const std::string path = folder_.Write("t.lua", GetParam().bytes);
    std::string text = "old";
    ASSERT_EQ(vrk::ReadTextFile(text, path), 0);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadTextFileTable,
    testing::Values(TextCase{"Utf8MarkOnly", "\xEF\xBB\xBF", ""},
                    TextCase{"Utf8MarkDropped", "\xEF\xBB\xBFx = 1", "x = 1"},
                    TextCase{"Utf16Le", std::string("\xFF\xFE\x41\x00", 4), "A"},
                    TextCase{"Utf16LeTwoBytes", std::string("\xFF\xFE\xE9\x00\xAC\x20", 6), "é€"},
                    TextCase{"Utf16LeOddByte", std::string("\xFF\xFE\x41\x00\x42", 5), "AB"},
                    TextCase{"Utf16LeBrokenSurrogate", std::string("\xFF\xFE\x00\xD8\x41\x00", 6), "\xEF\xBF\xBD" "A"},
                    TextCase{"MarkOnly16", "\xFF\xFE", ""},
                    TextCase{"SingleByte", "x", "x"},
                    TextCase{"TwoBytes", "ab", "ab"},
                    TextCase{"EndsAtNul", std::string("ab\0cd", 5), "ab"},
                    TextCase{"BigEndian16TakenAsBytes", std::string("\xFE\xFF\x00\x41", 4), "\xFE\xFF"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.label; });

TEST(TextFile, ReadTextFile_ReportsMissingAndEmptyFiles)
{
    test::TempFolder folder;
    std::string text;
    EXPECT_EQ(vrk::ReadTextFile(text, folder.Str() + "/none.lua"), 2);
    EXPECT_EQ(vrk::ReadTextFile(text, folder.Write("empty.lua", "")), 3);
}

TEST(TextFile, ReadTextFile_ReadsAZipEntry)
{
    test::TempFolder folder;
    const std::string archive = folder.Str() + "/gui.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"win/main.lua", "\xEF\xBB\xBFreturn 1"}}));
    std::string text;
    ASSERT_EQ(vrk::ReadTextFile(text, archive + "\\win\\main.lua"), 0);
    EXPECT_EQ(text, "return 1");
}

TEST(TextFile, WriteTextFile_ReplacesTheFileWithExactBytes)
{
    test::TempFolder folder;
    test::MacroScope macros{{{"{AppPath}", folder.Str()}}};
    const std::string path = folder.Write("conf/settings.lua", "old settings that are longer");
    ASSERT_EQ(vrk::WriteTextFile("volume = 0.5\n", "{AppPath}/conf/settings.lua"), 0);
    EXPECT_EQ(test::TempFolder::Read(path), "volume = 0.5\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    std::string back;
    ASSERT_EQ(vrk::ReadTextFile(back, path), 0);
    EXPECT_EQ(back, "volume = 0.5\n");
}

TEST(TextFile, WriteTextFile_FailsIntoAZipOrAMissingFolder)
{
    test::TempFolder folder;
    const std::string archive = folder.Str() + "/gui.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"a.lua", "x"}}));
    EXPECT_EQ(vrk::WriteTextFile("y", archive + "/a.lua"), 2);
    EXPECT_EQ(vrk::WriteTextFile("y", folder.Str() + "/missing/a.lua"), 2);
}

}  // namespace
