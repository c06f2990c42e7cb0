// Tests of the bounded reads of profile files.
#include "framework/app/profile_reader.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::vector<unsigned char> Bytes(std::initializer_list<unsigned char> bytes) { return bytes; }

TEST(ProfileReader, ReadsPastTheEndAsZero)
{
    const std::vector<unsigned char> bytes = Bytes({0x34, 0x12});
    ProfileReader reader(bytes);
    EXPECT_EQ(reader.ReadInt32(), 0x1234u);
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.ReadFloat(), 0.0f);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ProfileReader, ReadCount_RefusesCountsTheRestCannotHold)
{
    const std::vector<unsigned char> bytes = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4});
    ProfileReader reader(bytes);
    uint32_t count = 1;
    EXPECT_FALSE(reader.ReadCount(count, 4));
    EXPECT_EQ(count, 0u);
}

TEST(ProfileReader, ReadCount_AcceptsCountsThatFitExactly)
{
    const std::vector<unsigned char> bytes = Bytes({2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0});
    ProfileReader reader(bytes);
    uint32_t count = 0;
    EXPECT_TRUE(reader.ReadCount(count, 4));
    EXPECT_EQ(count, 2u);
    EXPECT_FALSE(ProfileReader(bytes).ReadCount(count, 5));
}

TEST(ProfileReader, ReadCount_AtTheEndIsAnEmptyCount)
{
    const std::vector<unsigned char> bytes;
    ProfileReader reader(bytes);
    uint32_t count = 9;
    EXPECT_TRUE(reader.ReadCount(count, 4));
    EXPECT_EQ(count, 0u);
}

TEST(ProfileReader, ReadString_ReadsLengthAndBytes)
{
    const std::vector<unsigned char> bytes = Bytes({3, 0, 'a', 'b', 'c', 0, 0});
    ProfileReader reader(bytes);
    std::string text;
    EXPECT_TRUE(reader.ReadString(text));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(reader.ReadString(text));
    EXPECT_EQ(text, "");
}

TEST(ProfileReader, ReadString_NegativeLengthIsEmptyAndSkipsOnlyTheLength)
{
    const std::vector<unsigned char> bytes = Bytes({0x00, 0x80, 'x'});
    ProfileReader reader(bytes);
    std::string text = "old";
    EXPECT_TRUE(reader.ReadString(text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(reader.Remaining(), 1u);
}

TEST(ProfileReader, ReadString_RefusesLengthPastTheEnd)
{
    const std::vector<unsigned char> bytes = Bytes({0xFF, 0x7F, 'a', 'b'});
    ProfileReader reader(bytes);
    std::string text = "old";
    EXPECT_FALSE(reader.ReadString(text));
    EXPECT_EQ(text, "");
}

TEST(ProfileReader, ReadString_ReplacesInvalidUtf8)
{
    const std::vector<unsigned char> bytes = Bytes({4, 0, 'A', 0xFF, 0xC3, 0xA9});
    ProfileReader reader(bytes);
    std::string text;
    EXPECT_TRUE(reader.ReadString(text));
    EXPECT_EQ(text, "A\xEF\xBF\xBD\xC3\xA9");
}

}  // namespace
