// Tests of a player profile: creation, the current level and its file "middle.dat".
#include "framework/app/player_base.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <ostream>
#include <utility>

#include "framework/app/player.h"
#include "framework/objects/map_point.h"
#include "tests/framework/app/profile_test_support.h"

namespace {

using test::ProfileTest;

class PlayerBaseTest : public ProfileTest {
protected:
    std::unique_ptr<cPlayer> MakePlayer(const std::string& id) { return std::make_unique<cPlayer>(list_, id); }

    // A profile with a value in every field, records with lists included.
    static void FillProgress(cPlayerBase& player)
    {
        player.spareValue = 77;
        player.hintsEnabled = false;
        player.totalScore = 12345;
        player.achievementProgress[3] = 1.0f;
        player.achievementProgress[29] = 0.5f;
        player.achievementNewFlags[3] = 1;
        PlayerLevelRecord& record = player.levelRecords[2];
        record.state = kLevelSilver;
        record.plays = 4;
        record.lastTime = 61.5f;
        record.bestTime = 58.25f;
        record.lastScore = 900;
        record.bestScore = 1000;
        record.totalScore = 2800;
        record.firstList = {1, 2, 3};
        record.secondList = {0xFFFFFFFF};
        player.SetCurrentLevel(2);
    }
};

TEST_F(PlayerBaseTest, NewProfile_TakesNextIdEntersListAndMakesFolder)
{
    const auto player = MakePlayer("");
    EXPECT_EQ(player->GetId(), "plr000");
    EXPECT_EQ(list_.GetNextProfileNumber(), 1u);
    ASSERT_EQ(list_.GetPlayers().count("plr000"), 1u);
    EXPECT_EQ(list_.GetPlayers().at("plr000"), "");
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFolder() / "plr000"));
    EXPECT_EQ(player->achievementProgress.size(), kAchievements);
    EXPECT_EQ(player->achievementNewFlags.size(), kAchievements);
    EXPECT_TRUE(player->nameValues.empty());
    ASSERT_EQ(player->levelRecords.size(), kLevels);
    EXPECT_EQ(player->levelRecords[0].state, kLevelOpen);
    EXPECT_EQ(player->levelRecords[1].state, kLevelClosed);
    EXPECT_TRUE(player->hintsEnabled);
}

TEST_F(PlayerBaseTest, GivenId_LeavesListAlone)
{
    const auto player = MakePlayer("plr005");
    EXPECT_EQ(player->GetId(), "plr005");
    EXPECT_TRUE(list_.GetPlayers().empty());
    EXPECT_EQ(list_.GetNextProfileNumber(), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFolder() / "plr005"));
}

TEST_F(PlayerBaseTest, SetName_RenamesListEntry)
{
    const auto player = MakePlayer("plr002");
    player->SetName("Anna");
    EXPECT_EQ(player->GetName(), "Anna");
    EXPECT_EQ(list_.GetPlayers().at("plr002"), "Anna");
}

struct LevelCase {
    int32_t index;
    uint32_t expected;
};

std::ostream& operator<<(std::ostream& out, const LevelCase& levelCase)
{
    return out << levelCase.index << " -> " << levelCase.expected;
}

class SetCurrentLevelClamp : public PlayerBaseTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(SetCurrentLevelClamp, SetCurrentLevel_ClampsToTheLevels)
{
    const auto player = MakePlayer("plr000");
    player->SetCurrentLevel(GetParam().index);
    EXPECT_EQ(player->currentLevel, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Levels, SetCurrentLevelClamp,
                         ::testing::Values(LevelCase{57, 39}, LevelCase{-3, 0}, LevelCase{5, 5},
                                           LevelCase{39, 39}, LevelCase{40, 39}));

TEST_F(PlayerBaseTest, SetCurrentLevel_WithoutLevelsDoesNothing)
{
    counts_.levels = 0;
    const auto player = MakePlayer("plr000");
    player->currentLevel = 9;
    player->SetCurrentLevel(3);
    EXPECT_EQ(player->currentLevel, 9u);
}

TEST_F(PlayerBaseTest, Save_WritesFieldsInFileOrder)
{
    const auto player = MakePlayer("plr000");
    player->SetName("Bo");
    player->Save();

    vrk::cByteStream expected;
    expected.WriteString("Bo");
    expected.WriteInt32(0);  // spare value
    expected.WriteByte(1);   // hints
    expected.WriteInt32(0);  // total score
    expected.WriteInt32(kAchievements);
    for (uint32_t i = 0; i < kAchievements; ++i) expected.WriteFloat(0.0f);
    expected.WriteInt32(0);  // name values
    expected.WriteInt32(kLevels);
    for (uint32_t i = 0; i < kLevels; ++i) {
        expected.WriteInt32(i == 0 ? kLevelOpen : kLevelClosed);
        for (int field = 0; field < 6; ++field) expected.WriteInt32(0);
        expected.WriteInt32(0);
        expected.WriteInt32(0);
    }
    expected.WriteInt32(0);  // current level
    expected.WriteInt32(kAchievements);
    for (uint32_t i = 0; i < kAchievements; ++i) expected.WriteInt32(0);
    EXPECT_EQ(ReadFile(PlayerFile("plr000")), Bytes(expected));
    EXPECT_FALSE(std::filesystem::exists(PlayerFile("plr000").string() + ".tmp"));
}

TEST_F(PlayerBaseTest, SaveThenLoad_RoundTripsByteForByte)
{
    const auto saved = MakePlayer("plr004");
    saved->SetName("Kåre");
    FillProgress(*saved);
    saved->Save();
    const std::string firstBytes = ReadFile(PlayerFile("plr004"));

    const auto loaded = MakePlayer("plr004");
    ASSERT_TRUE(loaded->Load());
    EXPECT_EQ(loaded->GetName(), "Kåre");
    EXPECT_EQ(loaded->spareValue, 77u);
    EXPECT_FALSE(loaded->hintsEnabled);
    EXPECT_EQ(loaded->totalScore, 12345u);
    EXPECT_EQ(loaded->achievementProgress, saved->achievementProgress);
    EXPECT_EQ(loaded->achievementNewFlags, saved->achievementNewFlags);
    EXPECT_EQ(loaded->levelRecords[2].bestTime, 58.25f);
    EXPECT_EQ(loaded->levelRecords[2].firstList, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(loaded->levelRecords[2].secondList, (std::vector<uint32_t>{0xFFFFFFFF}));
    EXPECT_EQ(loaded->currentLevel, 2u);

    loaded->Save();
    EXPECT_EQ(ReadFile(PlayerFile("plr004")), firstBytes);
}

TEST_F(PlayerBaseTest, Load_BoundsHostileRecordTimesForTheMapsHint)
{
    const float longest = PlayerLevelRecord::kLongestTime;
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, float> cases[] = {
        {std::numeric_limits<float>::quiet_NaN(), 0.0f}, {inf, 0.0f}, {-inf, 0.0f}, {-3e38f, 0.0f},
        {-1.0f, 0.0f}, {3e38f, longest}, {longest + 60.0f, longest}, {61.5f, 61.5f}};
    const auto writer = MakePlayer("plr006");
    for (size_t i = 0; i < std::size(cases); ++i) {
        writer->levelRecords[i].state = kLevelGold;
        writer->levelRecords[i].lastTime = cases[i].first;
        writer->levelRecords[i].bestTime = cases[i].first;
    }
    writer->Save();

    const auto reader = MakePlayer("plr006");
    ASSERT_TRUE(reader->Load());
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(reader->levelRecords[i].lastTime, cases[i].second) << cases[i].first;
        EXPECT_EQ(reader->levelRecords[i].bestTime, cases[i].second) << cases[i].first;
    }
    EXPECT_EQ(cMapPoint::FormatTime(reader->levelRecords[5].bestTime), "99999:59");
}

TEST_F(PlayerBaseTest, Load_MissingFileLeavesProfileUnchanged)
{
    const auto player = MakePlayer("plr001");
    player->totalScore = 5;
    EXPECT_FALSE(player->Load());
    EXPECT_EQ(player->totalScore, 5u);
}

TEST_F(PlayerBaseTest, Load_LongerFileReadsFirstRecordsAndSkipsTheRest)
{
    counts_.levels = 45;
    counts_.achievements = 32;
    const auto writer = MakePlayer("plr001");
    for (uint32_t i = 0; i < 45; ++i) writer->levelRecords[i].plays = i + 100;
    writer->achievementProgress[31] = 1.0f;
    writer->SetCurrentLevel(44);
    writer->totalScore = 31;
    writer->Save();

    counts_.levels = kLevels;
    counts_.achievements = kAchievements;
    const auto reader = MakePlayer("plr001");
    ASSERT_TRUE(reader->Load());
    ASSERT_EQ(reader->levelRecords.size(), kLevels);
    EXPECT_EQ(reader->levelRecords[39].plays, 139u);
    EXPECT_EQ(reader->achievementProgress.size(), kAchievements);
    EXPECT_EQ(reader->totalScore, 31u);
    EXPECT_EQ(reader->currentLevel, 39u);  // 44 clamped into the 40 levels
}

TEST_F(PlayerBaseTest, Load_ShorterVectorsKeepTheirOtherEntries)
{
    counts_.achievements = 2;
    const auto writer = MakePlayer("plr001");
    writer->achievementProgress = {1.0f, 1.0f};
    writer->Save();

    counts_.achievements = kAchievements;
    const auto reader = MakePlayer("plr001");
    reader->achievementProgress[5] = 0.25f;
    ASSERT_TRUE(reader->Load());
    EXPECT_EQ(reader->achievementProgress.size(), kAchievements);
    EXPECT_EQ(reader->achievementProgress[1], 1.0f);
    EXPECT_EQ(reader->achievementProgress[5], 0.25f);
}

TEST_F(PlayerBaseTest, Load_ShortFileReadsZerosFromItsEnd)
{
    vrk::cByteStream file;
    file.WriteString("Cut");
    file.WriteInt32(9);  // spare value, then nothing
    WriteFile(PlayerFile("plr001"), file);

    const auto player = MakePlayer("plr001");
    player->levelRecords[3].plays = 8;
    ASSERT_TRUE(player->Load());
    EXPECT_EQ(player->GetName(), "Cut");
    EXPECT_EQ(player->spareValue, 9u);
    EXPECT_FALSE(player->hintsEnabled);
    EXPECT_EQ(player->totalScore, 0u);
    EXPECT_EQ(player->levelRecords[3].plays, 8u);
    EXPECT_EQ(player->currentLevel, 0u);
    EXPECT_FALSE(std::filesystem::exists(PlayerFile("plr001").string() + ".bad"));
}

TEST_F(PlayerBaseTest, Load_ClampsStoredCurrentLevel)
{
    const auto writer = MakePlayer("plr001");
    writer->currentLevel = 0xFFFFFFFF;  // as a hostile file would hold it
    writer->Save();
    const auto reader = MakePlayer("plr001");
    reader->SetCurrentLevel(7);
    ASSERT_TRUE(reader->Load());
    EXPECT_EQ(reader->currentLevel, 0u);

    writer->currentLevel = 57;
    writer->Save();
    ASSERT_TRUE(reader->Load());
    EXPECT_EQ(reader->currentLevel, 39u);
}

TEST_F(PlayerBaseTest, Load_ReplacesInvalidUtf8InName)
{
    vrk::cByteStream file;
    file.WriteString(std::string("Bad\xFF", 4));
    WriteFile(PlayerFile("plr001"), file);
    const auto player = MakePlayer("plr001");
    ASSERT_TRUE(player->Load());
    EXPECT_EQ(player->GetName(), "Bad\xEF\xBF\xBD");
}

// Where in a damaged file the hostile count sits.
enum class Damage { ProgressCount, NameValueCount, RecordCount, RecordListCount, FlagCount, NameLength };

class DamagedPlayerFile : public PlayerBaseTest, public ::testing::WithParamInterface<Damage> {
protected:
    static vrk::cByteStream MakeFile(Damage damage)
    {
        vrk::cByteStream file;
        if (damage == Damage::NameLength) {
            file.WriteByte(0xFF);
            file.WriteByte(0x7F);  // 32767 bytes announced
            file.WriteString("short");
            return file;
        }
        file.WriteString("Evil");
        file.WriteInt32(1);
        file.WriteByte(0);
        file.WriteInt32(99);
        file.WriteInt32(damage == Damage::ProgressCount ? 0xFFFFFFFF : 1);
        file.WriteFloat(1.0f);
        file.WriteInt32(damage == Damage::NameValueCount ? 0xFFFFFFFF : 0);
        file.WriteInt32(damage == Damage::RecordCount ? 0xFFFFFFFF : 1);
        file.WriteInt32(kLevelGold);
        for (int field = 0; field < 6; ++field) file.WriteInt32(5);
        file.WriteInt32(damage == Damage::RecordListCount ? 0x40000000 : 0);
        file.WriteInt32(0);
        file.WriteInt32(3);
        file.WriteInt32(damage == Damage::FlagCount ? 0xFFFFFFFF : 0);
        return file;
    }
};

TEST_P(DamagedPlayerFile, Load_KeepsFreshProfileAndKeepsBadCopy)
{
    const vrk::cByteStream file = MakeFile(GetParam());
    WriteFile(PlayerFile("plr001"), file);

    const auto player = MakePlayer("plr001");
    player->SetName("Fresh");
    EXPECT_FALSE(player->Load());
    EXPECT_EQ(player->GetName(), "Fresh");
    EXPECT_EQ(player->totalScore, 0u);
    EXPECT_TRUE(player->hintsEnabled);
    EXPECT_EQ(player->achievementProgress[0], 0.0f);
    EXPECT_EQ(player->levelRecords[0].state, kLevelOpen);
    EXPECT_EQ(player->currentLevel, 0u);
    EXPECT_TRUE(log_.Contains("is damaged"));
    EXPECT_EQ(ReadFile(PlayerFile("plr001").string() + ".bad"), Bytes(file));

    // The next save replaces the damaged file; the copy stays.
    player->Save();
    EXPECT_NE(ReadFile(PlayerFile("plr001")), Bytes(file));
    EXPECT_EQ(ReadFile(PlayerFile("plr001").string() + ".bad"), Bytes(file));
}

INSTANTIATE_TEST_SUITE_P(Counts, DamagedPlayerFile,
                         ::testing::Values(Damage::ProgressCount, Damage::NameValueCount, Damage::RecordCount,
                                           Damage::RecordListCount, Damage::FlagCount, Damage::NameLength));

TEST_F(PlayerBaseTest, MalformedId_HasNoFileAndMakesNoFolder)
{
    const auto player = MakePlayer("plr001/../..");
    EXPECT_EQ(player->GetFilePath(), "");
    EXPECT_FALSE(player->Load());
    player->Save();
    player->SetName("x");
    EXPECT_TRUE(list_.GetPlayers().empty());
    EXPECT_FALSE(std::filesystem::exists(ProfileFolder() / "plr001"));
}

}  // namespace
