// Language switching: locale scripts, the fallback to "en", the Asian-locale flag, the
// localised texture folders and the broadcast to windows and screens.
#include "engine/platform/change_locale.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/script/script.h"
#include "engine/text/text_table.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

class ChangeLocaleTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        oldStatic_ = vrk::GetPathMacro("{StaticPath}");
        vrk::SetPathMacro("{StaticPath}", data.Str());
        // Each locale file leaves its name in the text table; updateTextures records its
        // folders in a Lua global.
        for (const char* locale : {"en", "de", "ja_JP", "ko"})
            data.Write(std::string("conf/locale_") + locale + ".lua",
                       std::string("setText('Lang', '") + locale + "')\n");
        ASSERT_EQ(vrk::cScript::RunBuffer(
                      "function setText(k, v) _TEXT = (_TEXT or '') .. k .. '=' .. v .. ';' end\n"
                      "function updateTextures(p) _FOLDERS = (_FOLDERS or '') .. p .. ';' end"),
                  0);
    }
    void TearDown() override
    {
        vrk::SetPathMacro("{StaticPath}", oldStatic_);
        CoreTest::TearDown();
    }
    // A Lua global's text; empty when it is no string.
    static std::string Global(const char* name)
    {
        lua_State* state = vrk::GetLuaState();
        lua_getfield(state, LUA_GLOBALSINDEX, name);
        const char* text = lua_isstring(state, -1) ? lua_tostring(state, -1) : "";
        std::string value = text;
        lua_pop(state, 1);
        return value;
    }
    void Reset() { vrk::cScript::RunBuffer("_TEXT = nil; _FOLDERS = nil"); }

    test::TempFolder data;
    std::vector<std::string> calls;

private:
    std::string oldStatic_;
};

TEST_F(ChangeLocaleTest, KnownLocaleRunsItsScriptAndUsesItsFoldersWhenPresent)
{
    std::filesystem::create_directories(data.Path() / "font" / "de");
    vrk::ChangeLocale("de");
    EXPECT_EQ(game->localeName, "de");
    EXPECT_EQ(game->localeFlag, 0);
    EXPECT_EQ(Global("_TEXT"), "Lang=de;");
    EXPECT_EQ(Global("_FOLDERS"), "{StaticPath}/font/de;{StaticPath}/texture/locale/en;");
}

TEST_F(ChangeLocaleTest, MissingLocaleFallsBackToEnglish)
{
    vrk::ChangeLocale("fr");
    EXPECT_EQ(game->localeName, "en");
    EXPECT_TRUE(Logged("Locale with name fr not found, change to en"));
    EXPECT_EQ(Global("_TEXT"), "Lang=en;");
}

TEST_F(ChangeLocaleTest, AsianFlagOnlyForTheFirstTwoLettersOfALoadedLocale)
{
    vrk::ChangeLocale("ja_JP");
    EXPECT_EQ(game->localeFlag, 1);
    vrk::ChangeLocale("ko");
    EXPECT_EQ(game->localeFlag, 1);
    vrk::ChangeLocale("de");
    EXPECT_EQ(game->localeFlag, 0);
    vrk::ChangeLocale("zh");  // no file: falls back to en, no flag
    EXPECT_EQ(game->localeFlag, 0);
    data.Write("conf/locale_xja.lua", "");
    vrk::ChangeLocale("xja");
    EXPECT_EQ(game->localeFlag, 0);
}

TEST_F(ChangeLocaleTest, UnsafeNamesNeverReachAFileNameOrLua)
{
    const char* unsafe[] = {"", "../../etc/passwd", "en'); os.exit(1) --", "de/x", "a b",
                            "0123456789012345678901234567890123"};
    for (const char* name : unsafe) {
        Reset();
        vrk::ChangeLocale(name);
        EXPECT_EQ(game->localeName, "en") << name;
        EXPECT_EQ(Global("_TEXT"), "Lang=en;") << name;
        EXPECT_EQ(Global("_FOLDERS"), "{StaticPath}/font/en;{StaticPath}/texture/locale/en;") << name;
    }
    EXPECT_TRUE(vrk::IsSafeLocaleName("pt-BR_x9"));
}

TEST_F(ChangeLocaleTest, EveryWindowAndEveryScreenHearsOfTheChange)
{
    struct Recorder : vrk::cWindowFunction {
        explicit Recorder(int* count) : count_(count) {}
        int32_t OnEvent(vrk::cWindow*, int32_t code, intptr_t, intptr_t) override
        {
            if (code == vrk::kWndLocaleChanged) ++*count_;
            return 0;
        }
        int* count_;
    };
    int windowEvents = 0;
    game->gui->AddWindow("closed", std::make_unique<Recorder>(&windowEvents));
    new test::RecordingWidget("a", &calls);
    new test::RecordingWidget("b", &calls);
    vrk::ChangeLocale("en");
    EXPECT_EQ(windowEvents, 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"a event 8 0", "b event 8 0"}));
}

}  // namespace
