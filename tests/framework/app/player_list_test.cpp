// Tests of the profile list: "info.dat", logon, adding, deleting and achievements.
#include "framework/app/player_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "framework/app/player.h"
#include "tests/framework/app/profile_test_support.h"

namespace {

using test::ProfileTest;

struct ListEntry {
    std::string id;
    std::string name;
};

vrk::cByteStream MakeInfoFile(uint32_t next, const std::vector<ListEntry>& entries, const std::string& active)
{
    vrk::cByteStream file;
    file.WriteInt32(next);
    file.WriteInt32(static_cast<uint32_t>(entries.size()));
    for (const ListEntry& entry : entries) {
        file.WriteString(entry.id);
        file.WriteString(entry.name);
    }
    file.WriteString(active);
    return file;
}

class PlayerListTest : public ProfileTest {
protected:
    std::string ReadList()
    {
        std::string active = "unchanged";
        readResult_ = list_.ReadPlayerList(active);
        return active;
    }
    bool readResult_ = false;
};

TEST_F(PlayerListTest, FirstStart_MakesPlr000AndBothFilesAfterExit)
{
    EXPECT_EQ(ReadList(), "");
    EXPECT_FALSE(readResult_);
    EXPECT_EQ(list_.LogonPlayer(""), kPlayerLoggedOn);
    ASSERT_NE(list_.GetActivePlayer(), nullptr);
    EXPECT_EQ(list_.GetActivePlayer()->GetId(), "plr000");
    EXPECT_TRUE(log_.Contains("Logon player with id 'plr000'"));

    // What the application does at exit.
    list_.GetActivePlayer()->Save();
    list_.SavePlayerList();
    EXPECT_TRUE(std::filesystem::exists(PlayerFile("plr000")));
    EXPECT_EQ(ReadFile(InfoFile()), Bytes(MakeInfoFile(1, {{"plr000", ""}}, "plr000")));
}

TEST_F(PlayerListTest, InfoFile_RoundTripsByteForByte)
{
    const vrk::cByteStream file =
        MakeInfoFile(7, {{"plr000", "Anna"}, {"plr003", "Bo"}, {"plr006", "Kåre"}}, "plr003");
    WriteFile(InfoFile(), file);
    const std::string active = ReadList();
    EXPECT_TRUE(readResult_);
    EXPECT_EQ(active, "plr003");
    EXPECT_EQ(list_.GetNextProfileNumber(), 7u);
    EXPECT_EQ(list_.GetPlayers().size(), 3u);

    list_.LogonPlayer(active);
    list_.SavePlayerList();
    EXPECT_EQ(ReadFile(InfoFile()), Bytes(file));
}

TEST_F(PlayerListTest, ReadPlayerList_OverwritesSameIdsAndKeepsOthers)
{
    list_.SetPlayerName("plr001", "Old");
    list_.SetPlayerName("plr009", "Kept");
    WriteFile(InfoFile(), MakeInfoFile(10, {{"plr001", "New"}}, ""));
    ReadList();
    EXPECT_EQ(list_.GetPlayers().at("plr001"), "New");
    EXPECT_EQ(list_.GetPlayers().at("plr009"), "Kept");
}

TEST_F(PlayerListTest, ReadPlayerList_SkipsHostileIds)
{
    WriteFile(InfoFile(), MakeInfoFile(2,
                                       {{"..", "up"}, {"", "empty"}, {"plr001/../..", "escape"},
                                        {"plr001", "Good"}, {"/etc", "root"}},
                                       "plr001/../.."));
    const std::string active = ReadList();
    EXPECT_TRUE(readResult_);
    EXPECT_EQ(active, "");
    ASSERT_EQ(list_.GetPlayers().size(), 1u);
    EXPECT_EQ(list_.GetPlayers().at("plr001"), "Good");
    EXPECT_TRUE(log_.Contains("4 entries with a malformed id skipped"));
}

TEST_F(PlayerListTest, ReadPlayerList_ShortFileReadsAnEmptyList)
{
    vrk::cByteStream file;
    file.WriteInt32(4);
    WriteFile(InfoFile(), file);
    EXPECT_EQ(ReadList(), "");
    EXPECT_TRUE(readResult_);
    EXPECT_TRUE(list_.GetPlayers().empty());
    EXPECT_EQ(list_.GetNextProfileNumber(), 4u);
}

class DamagedInfoFile : public PlayerListTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(DamagedInfoFile, ReadPlayerList_IsRefusedAndKeptAsBadCopy)
{
    list_.SetPlayerName("plr002", "Before");
    WriteFile(InfoFile(), GetParam());
    EXPECT_EQ(ReadList(), "");
    EXPECT_FALSE(readResult_);
    EXPECT_EQ(list_.GetPlayers().size(), 1u);
    EXPECT_EQ(list_.GetNextProfileNumber(), 0u);
    EXPECT_TRUE(log_.Contains("it is not used"));
    EXPECT_TRUE(log_.Contains("No profile folders to rebuild the profile list from"));
    EXPECT_TRUE(std::filesystem::exists(InfoFile().string() + ".bad"));
    EXPECT_EQ(ReadFile(InfoFile().string() + ".bad"), GetParam());
}

std::string CountAll()
{
    vrk::cByteStream file;
    file.WriteInt32(5);
    file.WriteInt32(0xFFFFFFFF);
    file.WriteString("plr000");
    return std::string(file.Bytes().begin(), file.Bytes().end());
}

std::string CutEntry()
{
    const vrk::cByteStream whole = MakeInfoFile(5, {{"plr000", "A rather long name"}}, "plr000");
    return std::string(whole.Bytes().begin(), whole.Bytes().begin() + 20);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedInfoFile, ::testing::Values(std::string(), CountAll(), CutEntry()));

class LostInfoFile : public DamagedInfoFile {
protected:
    // A profile as the game saves it, written when the given seconds ago.
    void SaveProfile(const std::string& id, const std::string& name, int secondsAgo)
    {
        PlayerList other([](const std::string&) { return nullptr; }, [this] { return counts_; });
        cPlayer player(other, id);
        player.SetName(name);
        player.Save();
        std::filesystem::last_write_time(PlayerFile(id), std::filesystem::file_time_type::clock::now() -
                                                             std::chrono::seconds(secondsAgo));
    }
};

TEST_P(LostInfoFile, ReadPlayerList_RebuildsTheListFromTheProfileFolders)
{
    SaveProfile("plr001", "Anna", 60);
    SaveProfile("plr004", "Bo", 10);  // saved last: the active one at the last exit
    // Not profiles: no file, an empty file, a name that is no id, a link elsewhere.
    std::filesystem::create_directories(ProfileFolder() / "plr002");
    WriteFile(PlayerFile("plr005"), std::string());
    WriteFile(ProfileFolder() / "plrX" / "middle.dat", std::string("\x01\0X", 3));
    WriteFile(AppFolder() / "elsewhere" / "middle.dat", std::string("\x01\0E", 3));
    std::filesystem::create_directory_symlink(AppFolder() / "elsewhere", ProfileFolder() / "plr003");
    WriteFile(InfoFile(), GetParam());

    EXPECT_EQ(ReadList(), "plr004");
    EXPECT_FALSE(readResult_);
    EXPECT_EQ(list_.GetPlayers(), (std::map<std::string, std::string>{{"plr001", "Anna"}, {"plr004", "Bo"}}));
    EXPECT_EQ(list_.GetNextProfileNumber(), 5u);
    EXPECT_EQ(ReadFile(InfoFile().string() + ".bad"), GetParam());
    EXPECT_TRUE(log_.Contains("Recovered profile 'plr001' named 'Anna'"));
    EXPECT_TRUE(log_.Contains("rebuilt from 2 profile folders; 'plr004' was saved last"));

    // The next exit writes the list whole again, and no profile lost its progress.
    list_.LogonPlayer("plr004");
    EXPECT_EQ(list_.GetActivePlayer()->GetName(), "Bo");
    list_.SavePlayerList();
    EXPECT_EQ(ReadFile(InfoFile()), Bytes(MakeInfoFile(5, {{"plr001", "Anna"}, {"plr004", "Bo"}}, "plr004")));
    EXPECT_EQ(list_.AddNewProfile(), "plr006");
}

INSTANTIATE_TEST_SUITE_P(Files, LostInfoFile, ::testing::Values(std::string(), CountAll()));

TEST_F(PlayerListTest, NewProfile_SkipsListedIdsAndExistingFolders)
{
    // A stale list: its next number names profiles that exist.
    WriteFile(InfoFile(), MakeInfoFile(0, {{"plr000", "A"}}, "plr000"));
    std::filesystem::create_directories(ProfileFolder() / "plr001");
    ReadList();
    EXPECT_EQ(list_.AddNewProfile(), "plr002");
    EXPECT_EQ(list_.GetNextProfileNumber(), 3u);
}

TEST_F(PlayerListTest, NewProfile_HugeStoredNumberWrapsToAFreeId)
{
    WriteFile(InfoFile(), MakeInfoFile(0xFFFFFFFF, {{"plr000", "A"}}, ""));
    ReadList();
    EXPECT_EQ(list_.AddNewProfile(), "plr001");
}

TEST_F(PlayerListTest, AddPlayer_MakesNamedProfileWithoutLoggingOn)
{
    WriteFile(InfoFile(), MakeInfoFile(3, {{"plr000", "First"}}, "plr000"));
    list_.LogonPlayer(ReadList());
    EXPECT_EQ(list_.AddPlayer("Anna"), "plr003");
    EXPECT_EQ(list_.GetPlayers().at("plr003"), "Anna");
    EXPECT_TRUE(std::filesystem::exists(PlayerFile("plr003")));
    EXPECT_EQ(list_.GetActivePlayer()->GetId(), "plr000");
    EXPECT_EQ(ReadFile(InfoFile()), Bytes(MakeInfoFile(4, {{"plr000", "First"}, {"plr003", "Anna"}}, "plr000")));

    cPlayer added(list_, "plr003");
    ASSERT_TRUE(added.Load());
    EXPECT_EQ(added.GetName(), "Anna");
}

TEST_F(PlayerListTest, LogonPlayer_WithActiveIdWritesNothing)
{
    list_.LogonPlayer("plr000");
    list_.LogonPlayer("plr000");
    EXPECT_FALSE(std::filesystem::exists(PlayerFile("plr000")));
    EXPECT_FALSE(std::filesystem::exists(InfoFile()));
    EXPECT_FALSE(log_.Contains("Logoff"));
}

TEST_F(PlayerListTest, LogonPlayer_SwitchSavesOldAndLoadsNew)
{
    list_.LogonPlayer("plr000");
    list_.GetActivePlayer()->totalScore = 500;
    list_.LogonPlayer("plr001");
    EXPECT_TRUE(log_.Contains("Logoff player with id 'plr000'"));
    EXPECT_EQ(list_.GetActivePlayer()->totalScore, 0u);
    list_.LogonPlayer("plr000");
    EXPECT_EQ(list_.GetActivePlayer()->GetId(), "plr000");
    EXPECT_EQ(list_.GetActivePlayer()->totalScore, 500u);
}

class RefusedLogon : public PlayerListTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedLogon, LogonPlayer_RefusesMalformedIds)
{
    list_.LogonPlayer("plr000");
    EXPECT_EQ(list_.LogonPlayer(GetParam()), kLogonRefused);
    EXPECT_EQ(list_.GetActivePlayer()->GetId(), "plr000");
    EXPECT_EQ(PlayerList::GetPlayerFolder(GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(Ids, RefusedLogon, ::testing::Values("..", "plr001/../..", "/tmp", "plr"));

TEST_F(PlayerListTest, GetPlayerFolder_BuildsFolderBelowProfiles)
{
    EXPECT_EQ(PlayerList::GetPlayerFolder("plr000"), "{AppPath}/profile/plr000/");
    EXPECT_EQ(PlayerList::GetPlayerFolder(""), "");
}

TEST_F(PlayerListTest, DeletePlayer_WithoutActivePlayerIsRefused)
{
    list_.SetPlayerName("plr001", "A");
    EXPECT_EQ(list_.DeletePlayer("plr001"), kDeleteNoActivePlayer);
    EXPECT_TRUE(log_.Contains("Active player not found. Delete 'plr001' canceled."));
}

TEST_F(PlayerListTest, DeletePlayer_ActivePlayerIsRefused)
{
    list_.LogonPlayer("");
    EXPECT_EQ(list_.DeletePlayer("plr000"), kDeleteActivePlayer);
    EXPECT_TRUE(log_.Contains("Can't delete active player: plr000"));
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFolder() / "plr000"));
}

TEST_F(PlayerListTest, DeletePlayer_RemovesFolderAndEntry)
{
    list_.LogonPlayer("");
    const std::string id = list_.AddPlayer("Gone");
    ASSERT_TRUE(std::filesystem::exists(PlayerFile(id)));
    EXPECT_EQ(list_.DeletePlayer(id), kPlayerDeleted);
    EXPECT_FALSE(std::filesystem::exists(ProfileFolder() / id));
    EXPECT_EQ(list_.GetPlayers().count(id), 0u);
    EXPECT_EQ(ReadFile(InfoFile()), Bytes(MakeInfoFile(2, {{"plr000", ""}}, "plr000")));
    EXPECT_TRUE(log_.Contains("Player '" + id + "' is deleted"));
}

TEST_F(PlayerListTest, DataFolderBelowAFolderNamedZip_SavesAndListsProfiles)
{
    test::TempFolder home;
    const std::filesystem::path app = home.Path() / "saves.zip" / "Kelvara2";
    std::filesystem::create_directories(app / "profile");
    test::MacroScope macros{{{"{AppPath}", app.string()}}};
    list_.LogonPlayer("");
    const std::string id = list_.AddPlayer("Zed");
    EXPECT_TRUE(std::filesystem::exists(app / "profile" / id / "middle.dat"));

    PlayerList again([&again](const std::string& playerId) { return std::make_unique<cPlayer>(again, playerId); },
                     [this] { return counts_; });
    std::string active;
    ASSERT_TRUE(again.ReadPlayerList(active));
    EXPECT_EQ(again.GetPlayers().at(id), "Zed");
    EXPECT_EQ(again.LogonPlayer(id), kPlayerLoggedOn);
    EXPECT_EQ(again.GetActivePlayer()->GetName(), "Zed");
}

TEST_F(PlayerListTest, DeletePlayer_OfALinkedFolderRemovesTheLinkAndKeepsItsTarget)
{
    test::TempFolder outside;
    const std::string kept = outside.Write("elsewhere/middle.dat", "precious");
    std::filesystem::create_directory_symlink(outside.Path() / "elsewhere", ProfileFolder() / "plr004");
    list_.LogonPlayer("");
    list_.SetPlayerName("plr004", "Linked");
    EXPECT_EQ(list_.DeletePlayer("plr004"), kPlayerDeleted);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(ProfileFolder() / "plr004")));
    EXPECT_EQ(ReadFile(kept), "precious");
}

class RefusedDelete : public PlayerListTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedDelete, DeletePlayer_RefusesUnlistedOrMalformedIds)
{
    // Things a hostile id might reach: the profile folder itself, its parent and
    // a profile folder that is not in the list.
    std::filesystem::create_directories(AppFolder() / "conf");
    std::filesystem::create_directories(ProfileFolder() / "plr007");
    list_.LogonPlayer("plr000");
    EXPECT_EQ(list_.DeletePlayer(GetParam()), kDeleteUnknownPlayer);
    EXPECT_TRUE(std::filesystem::is_directory(AppFolder() / "conf"));
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFolder() / "plr007"));
    EXPECT_TRUE(std::filesystem::is_directory(ProfileFolder() / "plr000"));
}

INSTANTIATE_TEST_SUITE_P(Ids, RefusedDelete, ::testing::Values("", "..", "plr000/..", "plr007", "../conf"));

TEST_F(PlayerListTest, FindPlayerByName_ReturnsSmallestIdWithName)
{
    list_.SetPlayerName("plr004", "Twin");
    list_.SetPlayerName("plr002", "Twin");
    list_.SetPlayerName("plr001", "Other");
    EXPECT_EQ(list_.FindPlayerByName("Twin"), "plr002");
    EXPECT_EQ(list_.FindPlayerByName("Nobody"), "");
}

TEST_F(PlayerListTest, UnlockAchievement_WithoutPlayerDoesNothing)
{
    EXPECT_FALSE(list_.UnlockAchievement(0));
}

TEST_F(PlayerListTest, UnlockAchievement_UnlocksOnceAndPersists)
{
    list_.LogonPlayer("plr000");
    EXPECT_TRUE(list_.UnlockAchievement(15));
    EXPECT_FALSE(list_.UnlockAchievement(15));
    EXPECT_FALSE(list_.UnlockAchievement(kAchievements));
    EXPECT_EQ(list_.GetActivePlayer()->achievementProgress[15], 1.0f);
    EXPECT_EQ(list_.GetActivePlayer()->achievementNewFlags[15], 1u);

    list_.LogonPlayer("plr001");
    list_.LogonPlayer("plr000");
    EXPECT_EQ(list_.GetActivePlayer()->achievementProgress[15], 1.0f);
    EXPECT_EQ(list_.GetActivePlayer()->achievementNewFlags[15], 1u);
    EXPECT_FALSE(list_.UnlockAchievement(15));
}

}  // namespace
