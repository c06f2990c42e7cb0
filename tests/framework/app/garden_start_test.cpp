// The game's start-up once loading is done: language, profile, the 21 windows and
// their handlers, the screens in order, the start-up scripts and the developer flag,
// the cursor, the main menu and the title that "OnGameStart" sets.
#include <gtest/gtest.h>

#include <lua.hpp>

#include <cstdlib>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/widget.h"
#include "framework/app/garden.h"
#include "framework/app/locale_choice.h"
#include "framework/app/player_base.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/comics_base_widget.h"
#include "framework/widgets/message_box_wf.h"
#include "tests/framework/app/garden_test_support.h"

namespace {

const char* const kWindowNames[] = {
    "editor", "freeze",         "object", "name",  "messagebox", "menu",          "options",
    "map",    "profile_add",    "profile_new",     "profile_select",              "escape",
    "level",  "hint",           "achieve",         "talk",       "finish",        "level_achieve",
    "level_task",               "game_over",       "train",
};

// Sets (or clears, for null) an environment variable for the scope of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The user's language as the system reports it, for one test.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const char* lang) : all_("LC_ALL", nullptr), messages_("LC_MESSAGES", nullptr), lang_("LANG", lang) {}

private:
    ScopedVariable all_;
    ScopedVariable messages_;
    ScopedVariable lang_;
};

class GardenStartTest : public test::GardenStartTest {
protected:
    std::vector<std::string> ScreenNames() const
    {
        std::vector<std::string> names;
        for (const auto& widget : game->Widgets()) names.push_back(widget->GetName());
        return names;
    }
    vrk::cWindowFunction* Function(const std::string& window) const
    {
        vrk::cWindow* found = game->gui->FindWindow(window);
        return found != nullptr ? found->GetFunction() : nullptr;
    }
    std::string LuaString(const std::string& global) const
    {
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, global.c_str());
        const char* text = lua_tostring(state, -1);
        std::string value = text != nullptr ? text : "";
        lua_pop(state, 1);
        return value;
    }
};

TEST_F(GardenStartTest, FinishInit_RegistersTheWindowsWithTheirHandlers)
{
    cGarden& garden = Start();
    EXPECT_EQ(game->gui->Windows().size(), std::size(kWindowNames));
    for (const char* name : kWindowNames) EXPECT_NE(Function(name), nullptr) << name;

    // The editor keeps the plain default handler; every other window a game dialog's.
    EXPECT_EQ(typeid(*Function("editor")), typeid(vrk::cWindowFunction));
    EXPECT_NE(dynamic_cast<cBaseWF*>(Function("hint")), nullptr);
    ASSERT_NE(garden.messageBox, nullptr);
    EXPECT_EQ(Function("messagebox"), garden.messageBox);
    EXPECT_NE(Function("profile_add"), Function("profile_new"));
    // A window whose script is not there is reported by the script host and stays empty.
    EXPECT_TRUE(Logged("train.lua"));
    EXPECT_TRUE(game->gui->FindWindow("train")->Controls().empty());
}

TEST_F(GardenStartTest, FinishInit_CreatesTheScreensInOrderAndOpensTheMenu)
{
    cGarden& garden = Start();
    const std::vector<std::string> expected = {"splash", "menu", "map", "level", "achieve", "comics"};
    EXPECT_EQ(ScreenNames(), expected);
    ASSERT_NE(game->focused, nullptr);
    EXPECT_EQ(game->focused->GetName(), "menu");
    ASSERT_NE(garden.GetComicsScreen(), nullptr);
    EXPECT_EQ(garden.GetComicsScreen()->GetName(), "comics");
    EXPECT_EQ(game->keepRunning, 0);
}

TEST_F(GardenStartTest, FinishInit_LogsOnAFreshProfileAndSendsOnGameStart)
{
    cGarden& garden = Start();
    ASSERT_NE(garden.GetActivePlayer(), nullptr);
    EXPECT_EQ(garden.GetActivePlayer()->GetId(), "plr000");
    EXPECT_EQ(garden.GetActivePlayer()->achievementProgress.size(), 30u);
    EXPECT_EQ(vrk::Shell().title, "Title en");
    const int profile = IndexOf("Switch to player");
    ASSERT_GE(profile, 0);
    EXPECT_GT(IndexOf("train.lua", profile), profile);
}

TEST_F(GardenStartTest, FinishInit_SetsTheCursor)
{
    Start();
    const vrk::cGUI& gui = *game->gui;
    EXPECT_TRUE(gui.cursorShown);
    EXPECT_EQ(gui.cursor.width, 32.0f);
    EXPECT_EQ(gui.cursor.height, 32.0f);
    EXPECT_EQ(gui.cursor.align, 9u);
}

TEST_F(GardenStartTest, FinishInit_RunsCheatsAfterAutoexecAndReadsTheDeveloperFlag)
{
    WriteStatic("conf/cheats.lua", "startOrder = startOrder .. 'cheats;' developerMode = true");
    cGarden& garden = Start();
    EXPECT_EQ(LuaString("startOrder"), "autoexec;cheats;");
    EXPECT_EQ(garden.developerFlag, 1);
}

TEST_F(GardenStartTest, FinishInit_WithoutCheatsLeavesTheDeveloperFlagOff)
{
    cGarden& garden = Start();
    EXPECT_EQ(LuaString("startOrder"), "autoexec;");
    EXPECT_EQ(garden.developerFlag, 0);
    EXPECT_FALSE(Logged("cheats.lua"));
}

TEST_F(GardenStartTest, FinishInit_LoadsTheStoredLocale)
{
    WriteStatic("conf/locale_fr.lua", "setLocale('GameTitle', 'Title fr')");
    ScopedLanguage system("de_DE.UTF-8");
    RunLua("currentLocale = 'fr'");
    Start();
    EXPECT_EQ(game->localeName, "fr");
    EXPECT_EQ(vrk::Shell().title, "Title fr");
}

TEST_F(GardenStartTest, FinishInit_WithoutAStoredLocaleUsesTheSystemLanguage)
{
    WriteStatic("conf/locale_de.lua", "setLocale('GameTitle', 'Title de')");
    ScopedLanguage system("de_DE.UTF-8");
    RunLua("currentLocale = ''");
    Start();
    EXPECT_EQ(game->localeName, "de");
    EXPECT_EQ(vrk::Shell().title, "Title de");
}

TEST_F(GardenStartTest, FinishInit_RefusesAHostileStoredLocale)
{
    ScopedLanguage system("de_DE.UTF-8");
    RunLua("currentLocale = \"en'..os.exit()\"");
    Start();
    EXPECT_EQ(game->localeName, "en");
    EXPECT_TRUE(Logged("refused, change to en"));
}

TEST_F(GardenStartTest, FinishInit_TakesTheRegisteredFactories)
{
    struct OptionsHandler : cBaseWF {};
    cGarden& garden = Make();
    garden.GetRegistry().SetWindowFunction("options", [] { return std::make_unique<OptionsHandler>(); });
    garden.GetRegistry().SetScreen("achieve", nullptr);
    Start();
    EXPECT_NE(dynamic_cast<OptionsHandler*>(Function("options")), nullptr);
    const std::vector<std::string> expected = {"splash", "menu", "map", "level", "comics"};
    EXPECT_EQ(ScreenNames(), expected);
    EXPECT_TRUE(Logged("Screen 'achieve' is not registered"));
}

struct LocaleCase {
    const char* stored;
    const char* system;
    const char* chosen;
};

TEST(ChooseLocaleName, PrefersTheStoredNameAndAcceptsOnlyPlainTags)
{
    const LocaleCase cases[] = {
        {"fr", "de", "fr"},      {"", "de", "de"},         {"pt_BR", "de", "pt_BR"},
        {"zh-Hant", "", "zh-Hant"}, {"../x", "de", "en"},  {"", "", "en"},
        {"", "de\n", "en"},      {"a'b", "de", "en"},      {"fr fr", "de", "en"},
    };
    for (const LocaleCase& entry : cases)
        EXPECT_EQ(ChooseLocaleName(entry.stored, entry.system), entry.chosen) << entry.stored << "|" << entry.system;
}

}  // namespace
