// The real program, started headless: start-up and shutdown by its log, the exit codes of
// the failure paths, the single-instance rule and the end by SIGTERM / SIGINT.
#include "engine/platform/shell.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "engine/files/path_macros.h"
#include "tests/support/game_process.h"
#include "tests/support/temp_folder.h"

namespace {

using test::Clock;
using test::kStartTimeout;
using test::kStartupTimeout;
using test::Program;
using test::ProgramWithCheats;

const std::string kMenuFocused = "Set focus to widget with name &#39;menu&#39;.";

// True when each text is found after the one before it.
bool InOrder(const std::string& log, const std::vector<std::string>& texts)
{
    size_t at = 0;
    for (const std::string& text : texts) {
        const size_t found = log.find(text, at);
        if (found == std::string::npos) {
            ADD_FAILURE() << "missing or out of order: " << text;
            return false;
        }
        at = found + text.size();
    }
    return true;
}

class ShellProgramTest : public testing::Test {
protected:
    std::string Runtime() const { return folder.Str() + "/run"; }
    test::TempFolder folder;
};

TEST_F(ShellProgramTest, RunsHeadlessAndEndsCleanlyOnSigterm)
{
    Program program(folder.Str(), Runtime());
    program.Start();
    ASSERT_TRUE(program.WaitForLog("Change viewport. Ok"));
    std::this_thread::sleep_for(std::chrono::seconds(1));  // let it draw and update a while
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));

    const std::string log = program.Log();
    EXPECT_TRUE(InOrder(log, {"System paths:", "{AppPath} = " + folder.Str() + "/data/OstrandEntertainment/tervol/Kelvara2",
                              "CreateScript: Ok", "CreateRender", "CreateSoundManager", "settings.lua",
                              "CreateWindow Started...", "CreateWindowEx... Ok",
                              "Resizing and Updating Window... Ok", "Attempt #0 to create Direct3D device",
                              "Change viewport. Ok", "Render is Free", "DestroyWindow... Ok",
                              "Clear message&#39;s queue... Ok", "Destroyed.", "DestroyRender",
                              "DestroyScript", "DestroySoundManager"}));
}

TEST_F(ShellProgramTest, StartsTheGamePastSplashAndLoadingAndSavesAtExit)
{
    Program program(folder.Str(), Runtime());
    // A window rather than the whole screen: fewer pixels for a software renderer.
    folder.Write("data/OstrandEntertainment/tervol/Kelvara2/conf/settings.lua", "runWindowed=true\n");
    program.Start();
    // The main menu gets the focus right before "OnGameStart" is sent.
    ASSERT_TRUE(program.WaitForLog(kMenuFocused, kStartupTimeout)) << program.Log();
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));

    const std::string log = program.Log();
    EXPECT_TRUE(InOrder(log, {"Change viewport. Ok", "cMiddle", "Start game initialization...", "cGarden",
                              "Start game initialization...", "Show splash screen...", "End splash screen",
                              "Start loading...", "Loading complete. Finish game initialization...",
                              "Found 0 Player profiles", "Switch to player &#39;&#39;",
                              "Logon player with id &#39;plr000&#39;", kMenuFocused, "Render is Free"}));
    EXPECT_EQ(log.find("not all data was loaded"), std::string::npos);
    // A clean start writes no error line; the first one is shown with its line.
    const size_t error = log.find("class='error'");
    EXPECT_EQ(error, std::string::npos) << log.substr(log.rfind('\n', error) + 1, log.find('\n', error) - log.rfind('\n', error));
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/conf/settings.lua"),
              "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=1.000000\ncurrentLocale='en'\n");
    // Next number 1, one entry plr000 with an empty name, plr000 active.
    const std::string list("\x01\0\0\0\x01\0\0\0\x06\0plr000\0\0\x06\0plr000", 26);
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/profile/info.dat"), list);
    const std::string player = test::TempFolder::Read(program.AppFolder() + "/profile/plr000/middle.dat");
    ASSERT_GE(player.size(), 2u);
    EXPECT_EQ(player.substr(0, 2), std::string("\0\0", 2));  // the fresh profile's empty name
}

TEST_F(ShellProgramTest, RunsWithoutAnySoundDevice)
{
    Program program(folder.Str(), Runtime());
    program.SetAudioDriver("no-such-driver");
    program.Start();
    ASSERT_TRUE(program.WaitForLog("Change viewport. Ok"));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));
    EXPECT_TRUE(InOrder(program.Log(), {"CreateSoundManager", "Change viewport. Ok", "DestroySoundManager"}));
}

TEST_F(ShellProgramTest, SigintEndsLikeClosingTheWindow)
{
    Program program(folder.Str(), Runtime());
    program.Start();
    ASSERT_TRUE(program.WaitForLog("Change viewport. Ok"));
    program.Signal(SIGINT);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));
    EXPECT_NE(program.Log().find("DestroyWindow... Ok"), std::string::npos);
}

TEST_F(ShellProgramTest, SecondInstanceExitsZeroAtOnceShowingNothing)
{
    Program first(folder.Str() + "/first", Runtime());
    first.Start();
    ASSERT_TRUE(first.WaitForLog("Change viewport. Ok"));

    Program second(folder.Str() + "/second", Runtime());
    second.Start();
    EXPECT_EQ(second.WaitExit(), std::optional<int>(0));
    EXPECT_EQ(second.Log(), "");  // it never got as far as a log

    first.Signal(SIGTERM);
    EXPECT_EQ(first.WaitExit(), std::optional<int>(0));
}

// SIGTERM while a start-up script runs for ever (each round busy in the string
// library, so that on its own it would outlast every wait here by far) stops the
// script, and the game ends the normal way with its settings written.
TEST_F(ShellProgramTest, SigtermStopsAScriptThatNeverEndsAndTheGameEndsNormally)
{
    Program program(folder.Str(), Runtime());
    program.SetBinary(ProgramWithCheats(folder, "print('cheats: looping')\n"
                                                "while true do local s = ('x'):rep(4000000) end\n"));
    folder.Write("data/OstrandEntertainment/tervol/Kelvara2/conf/settings.lua", "runWindowed=true\n");
    program.Start();
    ASSERT_TRUE(program.WaitForLog("cheats: looping", kStartupTimeout)) << program.Log();
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));

    EXPECT_TRUE(InOrder(program.Log(), {"cheats: looping", "{StaticPath}/conf/cheats.lua: stopped, the game is quitting",
                                        "Render is Free", "DestroyScript"}));
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/conf/settings.lua"),
              "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=1.000000\ncurrentLocale='en'\n");
}

// A settings file that does what only a program could: the game reaches its splash
// screen (the start-up calls after the file included), ends on SIGTERM, and keeps the
// file aside. The first line is the one the file was last saved with.
class HostileSettingsTest : public ShellProgramTest, public testing::WithParamInterface<const char*> {};

TEST_P(HostileSettingsTest, GameStartsEndsOnSigtermAndKeepsTheFileAside)
{
    Program program(folder.Str(), Runtime());
    const std::string marker = folder.Str() + "/marker";
    std::string text = std::string("runWindowed=true\n") + GetParam();
    text.replace(text.find("MARKER"), 6, marker);
    folder.Write("data/OstrandEntertainment/tervol/Kelvara2/conf/settings.lua", text);
    program.Start();
    ASSERT_TRUE(program.WaitForLog("Show splash screen...")) << program.Log();
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));

    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/conf/settings.lua.bad"), text);
    // Not the file's choice: the defaults were used and saved.
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/conf/settings.lua").rfind("runWindowed=false\n", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSettingsTest,
    testing::Values("os.execute('touch MARKER')\nwhile true do end\n",
                    "setmetatable(_G, {__index = function() error('MARKER') end,\n"
                    "                  __newindex = function() error('MARKER') end})\n"));

struct FailureCase {
    const char* step;
    int exitCode;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.step; }

class ShellFailureTest : public ShellProgramTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ShellFailureTest, StartupFailureEndsWithItsCode)
{
    Program program(folder.Str(), Runtime(), GetParam().step);
    program.Start();
    EXPECT_EQ(program.WaitExit(), std::optional<int>(GetParam().exitCode));
}

INSTANTIATE_TEST_SUITE_P(Steps, ShellFailureTest,
                         testing::Values(FailureCase{"video", 1}, FailureCase{"gl", 2}, FailureCase{"window", 3}),
                         [](const testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.step);
                         });

TEST_F(ShellProgramTest, WindowFailureIsLoggedBeforeExitCode3)
{
    Program program(folder.Str(), Runtime(), "window");
    program.Start();
    EXPECT_EQ(program.WaitExit(), std::optional<int>(3));
    EXPECT_TRUE(InOrder(program.Log(), {"CreateWindow Started...", "CreateWindowEx failed!"}));
}

// Sets an environment variable for the scope of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedVariable()
    {
        if (old_) ::setenv(name_.c_str(), old_->c_str(), 1);
        else ::unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

TEST(SystemPaths, FollowTheDataHomeTheHomeAndTheExecutable)
{
    const std::string oldApp = vrk::GetPathMacro("{AppPath}");
    {
        ScopedVariable data("XDG_DATA_HOME", "/tmp/kelvara-data");
        ScopedVariable home("HOME", "/tmp/kelvara-home");
        EXPECT_EQ(vrk::InitSystemPaths(), 1);
        EXPECT_EQ(vrk::GetPathMacro("{AppPath}"), "/tmp/kelvara-data/OstrandEntertainment/tervol/Kelvara2");
        EXPECT_EQ(vrk::GetPathMacro("{UserPath}"), "/tmp/kelvara-home");
        EXPECT_EQ(vrk::GetPathMacro("{StaticPath}"), vrk::GetPathMacro("{ExePath}") + "/data");
        EXPECT_FALSE(vrk::GetPathMacro("{ExePath}").empty());
    }
    {
        // A relative data home is not a base directory: the home's one is used.
        ScopedVariable data("XDG_DATA_HOME", "relative/data");
        ScopedVariable home("HOME", "/tmp/kelvara-home");
        vrk::InitSystemPaths();
        EXPECT_EQ(vrk::GetPathMacro("{AppPath}"),
                  "/tmp/kelvara-home/.local/share/OstrandEntertainment/tervol/Kelvara2");
    }
    vrk::SetPathMacro("{AppPath}", oldApp);
}

}  // namespace
