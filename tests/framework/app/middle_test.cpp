// The application object: its start-up steps and their log lines, the settings file
// byte for byte and read back, and the achievement definitions.
#include "framework/app/middle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/files/path_macros.h"
#include "engine/script/script.h"
#include "engine/sound/sound_manager.h"
#include "framework/app/garden.h"
#include "framework/app/middle_settings.h"
#include "framework/app/player_base.h"
#include "tests/framework/app/middle_test_support.h"

namespace {

struct SettingsCase {
    bool windowed;
    float sound;
    float music;
    const char* locale;
    const char* text;
};

TEST(SettingsText, IsWrittenExactly)
{
    const SettingsCase cases[] = {
        {true, 1.0f, 0.5f, "en", "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=0.500000\ncurrentLocale='en'\n"},
        {false, 0.0f, 0.25f, "", "runWindowed=false\nsoundVolume=0.000000\nmusicVolume=0.250000\ncurrentLocale=''\n"},
        // A name that could end the Lua string is not written.
        {true, 1.0f, 1.0f, "en'..os.exit()", "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=1.000000\ncurrentLocale=''\n"},
    };
    for (const SettingsCase& entry : cases)
        EXPECT_EQ(FormatSettingsText(entry.windowed, entry.sound, entry.music, entry.locale), entry.text);
}

class MiddleTest : public test::StartupTest {
protected:
    std::string AppFile(const std::string& relative) const { return vrk::GetPathMacro("{AppPath}") + "/" + relative; }
};

TEST_F(MiddleTest, Init_MakesTheFoldersAndTheEmptyLevelStreams)
{
    test::PlainMiddle app;
    EXPECT_EQ(app.Init(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(AppFile("conf")));
    EXPECT_TRUE(std::filesystem::is_directory(AppFile("profile")));
    EXPECT_EQ(app.GetLevelFiles().GetLevelCount(), cMiddle::kDefaultLevelCount);
    EXPECT_NE(app.GetLevelFiles().GetComicsStream(), nullptr);
    EXPECT_TRUE(Logged("Start game initialization..."));
    EXPECT_FALSE(Logged("cannot be written"));
}

TEST_F(MiddleTest, Init_LeavesAnExistingConfFolderAlone)
{
    std::filesystem::create_directories(AppFile("conf"));
    ::chmod(AppFile("conf").c_str(), 0700);
    test::PlainMiddle app;
    app.Init();
    struct stat info {};
    ASSERT_EQ(::stat(AppFile("conf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(MiddleTest, UnwritableDataFolder_IsReportedOnceAndTheGameGoesOn)
{
    // A plain file where the data folder should be: nothing below it can ever be
    // made, whoever runs the test (root ignores mode bits, not this).
    test::TempFolder blocker;
    vrk::SetPathMacro("{AppPath}", blocker.Write("blocked", "x") + "/Kelvara2");
    test::PlainMiddle app;
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.Init(), 0);
    app.FinishInit();
    app.SaveSettings();
    const std::string errors = testing::internal::GetCapturedStderr();
    const std::string expected = "the folder " + vrk::GetPathMacro("{AppPath}") + " cannot be written";
    EXPECT_NE(errors.find(expected), std::string::npos) << errors;
    EXPECT_EQ(errors.find(expected), errors.rfind(expected));
    EXPECT_EQ(CountLogged("cannot be written: nothing is saved"), 1);
    ASSERT_NE(app.GetPlayerList().GetActivePlayer(), nullptr);
}

TEST_F(MiddleTest, ReadOnlyDataFolder_IsReported)
{
    if (geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    std::filesystem::create_directories(AppFile("conf"));
    std::filesystem::create_directories(AppFile("profile"));
    ::chmod(vrk::GetPathMacro("{AppPath}").c_str(), 0555);
    test::PlainMiddle app;
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.Init(), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be written"), std::string::npos);
    ::chmod(vrk::GetPathMacro("{AppPath}").c_str(), 0755);
}

TEST_F(MiddleTest, FirstStart_LogsNoProfilesAndLogsOnANewEmptyProfile)
{
    test::PlainMiddle app;
    app.Init();
    app.FinishInit();
    EXPECT_TRUE(Logged("Loading complete. Finish game initialization..."));
    EXPECT_TRUE(Logged("Found 0 Player profiles"));
    EXPECT_TRUE(Logged("Switch to player ''"));
    cPlayerBase* player = app.GetPlayerList().GetActivePlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->GetId(), "plr000");
    EXPECT_EQ(player->GetName(), "");
}

TEST_F(MiddleTest, SaveSettings_WithoutPlayerWritesOnlySettingsThatReadBack)
{
    test::PlainMiddle app;
    app.Init();
    game->localeName = "de";
    app.SaveSettings();
    EXPECT_FALSE(std::filesystem::exists(AppFile("profile/info.dat")));
    const std::string text = test::TempFolder::Read(AppFile("conf/settings.lua"));
    EXPECT_EQ(text, "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=1.000000\ncurrentLocale='de'\n");

    ASSERT_EQ(vrk::cScript::RunFile("{AppPath}/conf/settings.lua"), 0);
    EXPECT_TRUE(vrk::GetRunWindowed());
    EXPECT_EQ(vrk::GetCurrentLocale("x"), "de");
    EXPECT_EQ(LuaNumber("soundVolume"), 1.0);
}

TEST_F(MiddleTest, SaveSettings_WithAPlayerSavesItAndTheList)
{
    test::PlainMiddle app;
    app.Init();
    app.FinishInit();
    app.SaveSettings();
    EXPECT_TRUE(std::filesystem::exists(AppFile("profile/info.dat")));
    EXPECT_TRUE(std::filesystem::exists(AppFile("profile/plr000/middle.dat")));
}

TEST_F(MiddleTest, Destruction_EmptiesTheSpriteDescriptionsAndClearsTheApplicationPointer)
{
    {
        test::PlainMiddle app;
        EXPECT_EQ(GetMiddle(), &app);
        EXPECT_EQ(GetAppServices(), &app);
        CreateTextureInfoEx("leaf");
    }
    EXPECT_TRUE(GetTextureInfoExMap().empty());
    EXPECT_EQ(GetMiddle(), nullptr);
    EXPECT_EQ(GetAppServices(), nullptr);
}

class GardenTest : public test::StartupTest {};

TEST_F(GardenTest, Init_RunsTheStagesInOrderAndFocusesTheSplash)
{
    WriteStatic("conf/splash.lua", "");
    cGarden app;
    EXPECT_EQ(app.Init(), 0);
    const int middle = IndexOf("Start game initialization...");
    const int garden = IndexOf("Start game initialization...", middle + 1);
    const int splash = IndexOf("Show splash screen...");
    ASSERT_GE(middle, 0);
    ASSERT_GT(garden, middle);
    EXPECT_NE(lines[middle].find("cMiddle"), std::string::npos);
    EXPECT_NE(lines[garden].find("cGarden"), std::string::npos);
    EXPECT_GT(splash, garden);
    ASSERT_NE(game->focused, nullptr);
    EXPECT_EQ(game->focused->GetName(), "splash");
    EXPECT_EQ(game->keepRunning, 1);
    EXPECT_EQ(app.GetLevelFiles().GetLevelCount(), 40u);
    EXPECT_EQ(app.GetAchievementCount(), 30u);
    EXPECT_EQ(app.FindAchievement("achieve_gravik"), 15u);
    EXPECT_EQ(app.GetAchievements()[15].descriptionKey, "achieve_gravik_d");
    EXPECT_EQ(app.GetAchievements()[23].value, 100u);
    EXPECT_EQ(app.FindAchievement("achieve_none"), 30u);
    EXPECT_EQ(GetGarden(), &app);
}

TEST_F(GardenTest, Init_AppliesTheSavedVolumesWhenTheyAreNumbers)
{
    WriteStatic("conf/splash.lua", "");
    RunLua("soundVolume = 0.25 musicVolume = '0.5'");
    cGarden app;
    app.Init();
    EXPECT_FLOAT_EQ(vrk::GetSoundVolume(), 0.25f);
    EXPECT_FLOAT_EQ(vrk::GetMusicVolume(), 1.0f);
}

TEST_F(GardenTest, SplashEnd_LoadsTheSystemPictureAndFocusesLoadingUntilFinished)
{
    WriteStatic("conf/splash.lua", "");
    WriteStatic("conf/loading.lua", "");
    WriteStatic("gui/game_loading.lua", "function FillWindow(w) end");
    WritePicture("texture/system/gui_system.png");
    cGarden app;
    app.Init();
    game->focused->Tick();  // the empty splash ends
    ASSERT_NE(game->focused, nullptr);
    EXPECT_EQ(game->focused->GetName(), "loading");
    EXPECT_NE(vrk::FindTexture("gui_system"), nullptr);
    game->focused->Update(0.01f);
    const int end = IndexOf("End splash screen");
    const int loading = IndexOf("Start loading...");
    const int finish = IndexOf("Loading complete. Finish game initialization...");
    ASSERT_GE(end, 0);
    EXPECT_GT(loading, end);
    EXPECT_GT(finish, loading);
}

}  // namespace
