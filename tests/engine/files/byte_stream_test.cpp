// cByteStream: encodings, reads past the end, and whole-file load and save.
#include "engine/files/byte_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/files/files_test_support.h"

namespace {

using Bytes = std::vector<unsigned char>;

vrk::cByteStream StreamOf(const Bytes& bytes)
{
    vrk::cByteStream stream;
    for (unsigned char b : bytes) stream.WriteByte(b);
    return stream;
}

TEST(ByteStream, Writers_AppendLittleEndianEncodings)
{
    vrk::cByteStream stream;
    stream.WriteInt32(0x11223344);
    stream.WriteString("abc");
    stream.WriteString("");
    stream.WriteFloat(1.0f);
    EXPECT_EQ(stream.Bytes(), (Bytes{0x44, 0x33, 0x22, 0x11, 0x03, 0x00, 'a', 'b', 'c', 0x00, 0x00,
                                     0x00, 0x00, 0x80, 0x3F}));
}

TEST(ByteStream, Readers_GiveBackWhatWasWritten)
{
    vrk::cByteStream stream;
    stream.WriteInt32(0xFFFFFFFE);
    stream.WriteFloat(-2.5f);
    stream.WriteString("héllo");
    EXPECT_EQ(stream.ReadInt32(), 0xFFFFFFFEu);
    float value = 0;
    stream.ReadFloat(value);
    EXPECT_EQ(value, -2.5f);
    EXPECT_EQ(stream.ReadString(), "héllo");
    EXPECT_EQ(stream.Cursor(), stream.Bytes().size());
}

TEST(ByteStream, ShortString_IsPaddedWithZerosAndCursorStopsAtEnd)
{
    vrk::cByteStream stream = StreamOf({0x03, 0x00, 'a'});
    EXPECT_EQ(stream.ReadString(), std::string("a\0\0", 3));
    EXPECT_EQ(stream.Cursor(), 3u);
}

TEST(ByteStream, LengthField_IsSigned)
{
    Bytes longest = {0xFF, 0x7F};
    longest.resize(2 + 32767, 'x');
    vrk::cByteStream stream = StreamOf(longest);
    EXPECT_EQ(stream.ReadString().size(), 32767u);

    vrk::cByteStream negative = StreamOf({0x00, 0x80, 'a', 'b'});
    EXPECT_EQ(negative.ReadString(), "");
    EXPECT_EQ(negative.Cursor(), 2u);
}

TEST(ByteStream, ReadsPastTheEnd_GiveZerosAndKeepTheCursor)
{
    vrk::cByteStream empty;
    EXPECT_EQ(empty.ReadInt32(), 0u);
    EXPECT_EQ(empty.Cursor(), 0u);
    EXPECT_EQ(empty.ReadString(), "");

    vrk::cByteStream twoBytes = StreamOf({0x34, 0x12});
    EXPECT_EQ(twoBytes.ReadInt32(), 0x1234u);
    EXPECT_EQ(twoBytes.Cursor(), 2u);
}

TEST(ByteStream, WriteString_CutsOverlongTextAtACharacterBoundary)
{
    // 32766 ASCII bytes then a two-byte character: the limit falls inside it.
    const std::string text = std::string(32766, 'a') + "é" + "tail";
    test::LogRecorder log;
    vrk::cByteStream stream;
    stream.WriteString(text);
    stream.WriteInt32(7);
    EXPECT_EQ(stream.ReadString(), std::string(32766, 'a'));
    EXPECT_EQ(stream.ReadInt32(), 7u);
    EXPECT_TRUE(log.Contains("cut to 32766 bytes"));
}

class ByteStreamFileTest : public testing::Test {
protected:
    test::TempFolder folder_;
};

TEST_F(ByteStreamFileTest, SaveThenLoad_RoundTripsEveryField)
{
    vrk::cByteStream out;
    out.WriteByte(9);
    out.WriteInt32(123456);
    out.WriteFloat(0.25f);
    out.WriteString("level039");
    const std::string path = folder_.Str() + "/profile/middle.dat";
    std::filesystem::create_directories(folder_.Path() / "profile");
    ASSERT_EQ(out.SaveToFile(path), 0);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    vrk::cByteStream in;
    in.WriteInt32(1);  // replaced by the load
    ASSERT_EQ(in.LoadFromFile(path), 0);
    EXPECT_EQ(in.Bytes(), out.Bytes());
    EXPECT_EQ(in.Cursor(), 0u);
}

TEST_F(ByteStreamFileTest, LoadFromFile_ReportsMissingAndEmptyFiles)
{
    vrk::cByteStream stream;
    EXPECT_EQ(stream.LoadFromFile(folder_.Str() + "/missing.dat"), 2);
    EXPECT_EQ(stream.LoadFromFile(folder_.Write("empty.dat", "")), 3);
}

TEST_F(ByteStreamFileTest, LoadFromFile_WithABound_RefusesALargerFileAndKeepsTheStream)
{
    const std::string path = folder_.Write("four.dat", "1234");
    vrk::cByteStream stream;
    stream.WriteByte(7);
    EXPECT_EQ(stream.LoadFromFile(path, 3), 4);
    EXPECT_EQ(stream.Bytes(), std::vector<unsigned char>{7});
    EXPECT_EQ(stream.LoadFromFile(path, 4), 0);
    EXPECT_EQ(stream.Bytes().size(), 4u);
}

TEST_F(ByteStreamFileTest, LoadFromFile_ReadsAZipEntry)
{
    const std::string archive = folder_.Str() + "/levels.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"level/a.lvl", std::string("\x02\x00hi", 4)}}));
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(archive + "/level/a.lvl"), 0);
    EXPECT_EQ(stream.ReadString(), "hi");
}

TEST_F(ByteStreamFileTest, SaveToFile_FailuresReturn2AndKeepThePreviousFile)
{
    const std::string archive = folder_.Str() + "/levels.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"a.lvl", "old"}}));
    const std::string previous = folder_.Write("keep.dat", "previous");
    ASSERT_EQ(chmod(folder_.Str().c_str(), 0755), 0);
    std::filesystem::create_directories(folder_.Path() / "isfolder");

    vrk::cByteStream stream;
    stream.WriteString("new");
    test::LogRecorder log;
    EXPECT_EQ(stream.SaveToFile(archive + "/a.lvl"), 2);
    EXPECT_EQ(stream.SaveToFile(folder_.Str() + "/no/such/folder/x.dat"), 2);
    EXPECT_EQ(stream.SaveToFile(folder_.Str() + "/isfolder"), 2);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "isfolder.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path() / "isfolder"));
    EXPECT_EQ(stream.SaveToFile(""), 2);
    EXPECT_EQ(test::TempFolder::Read(previous), "previous");
    EXPECT_TRUE(log.Contains("inside a ZIP file"));
}

TEST_F(ByteStreamFileTest, SaveToFile_NeverWritesThroughPlantedLinks)
{
    test::TempFolder outside;
    const std::string victim = outside.Write("victim.txt", "victim");
    vrk::cByteStream stream;
    stream.WriteInt32(1);

    // A link at the fixed temporary name older versions used: the save takes a
    // fresh name of its own and the link's target stays as it was.
    const std::string path = folder_.Str() + "/middle.dat";
    ASSERT_EQ(symlink(victim.c_str(), (path + ".tmp").c_str()), 0);
    ASSERT_EQ(stream.SaveToFile(path), 0);
    EXPECT_EQ(test::TempFolder::Read(path), std::string("\x01\0\0\0", 4));
    struct stat info {};
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    // A link where the save goes is refused with a line, not written through.
    const std::string linked = folder_.Str() + "/info.dat";
    ASSERT_EQ(symlink(victim.c_str(), linked.c_str()), 0);
    test::LogRecorder log;
    EXPECT_EQ(stream.SaveToFile(linked), 2);
    EXPECT_TRUE(std::filesystem::is_symlink(linked));
    EXPECT_TRUE(log.Contains("is a link"));

    EXPECT_EQ(test::TempFolder::Read(victim), "victim");
    // Nothing but the three names: no temporary file is left behind.
    const auto entries = std::distance(std::filesystem::directory_iterator(folder_.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 3);
}

}  // namespace
