// Every Lua script of the shipped data tree run inside the started game, where the
// engine's and the game's bindings exist: texture and font descriptions, the conf
// scripts and the window scripts (through the application's window filling, plus
// their FillWindow called in protected mode so its error is seen). No script may
// leave an error line in the log.
#include <gtest/gtest.h>

#include <lua.hpp>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "engine/script/script.h"
#include "framework/app/garden.h"
#include "tests/framework/app/tour_test_support.h"

namespace {

namespace fs = std::filesystem;

using DataScriptsTest = test::GameTourTest;

const std::string kDataFolder = std::string(KELVARA_SOURCE_DIR) + "/data";
constexpr const char* kScriptSender = "cScript";
constexpr const char* kFillWindowFunction = "FillWindow";
constexpr const char* kWindowFolder = "gui/";

// Scripts that are not run here:
// - level/src/: sources of the level tool, which compiles them into .lvl files; they
//   call the tool's `level` and `object`, which the game does not have.
// - conf/loading.lua: it queues the whole loading list again (every texture folder,
//   the sounds and the music streams) on the loading screen, which is gone once the
//   menu shows; the start test already runs it through the real loading screen.
bool Skipped(const std::string& relative)
{
    return relative.rfind("level/src/", 0) == 0 || relative == "conf/loading.lua";
}

std::vector<std::string> LuaFiles(const std::string& folder)
{
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fs::path(kDataFolder) / folder))
        if (entry.is_regular_file() && entry.path().extension() == ".lua")
            files.push_back(fs::relative(entry.path(), kDataFolder).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

// Calls the global FillWindow the last window script left on a fresh window; the
// game drops this error by design, so the test reads it itself.
std::string CallFillWindow(vrk::cWindow* window)
{
    lua_State* state = vrk::GetLuaState();
    if (state == nullptr) return "no Lua state";
    const int top = lua_gettop(state);
    lua_getglobal(state, kFillWindowFunction);
    std::string error;
    if (!lua_isfunction(state, -1)) {
        error = "defines no FillWindow";
    } else {
        lua_pushlightuserdata(state, window);
        if (lua_pcall(state, 1, 0, 0) != 0) {
            const char* text = lua_tostring(state, -1);
            error = text != nullptr ? text : "error without text";
        }
    }
    lua_settop(state, top);
    return error;
}

class ScriptLog {
public:
    explicit ScriptLog(const std::vector<std::string>& lines) : lines_(lines), mark_(lines.size()) {}
    // The script host's lines since the mark, which are only written for failures.
    std::vector<std::string> Errors() const
    {
        std::vector<std::string> found;
        for (size_t i = mark_; i < lines_.size(); ++i)
            if (lines_[i].find(kScriptSender) != std::string::npos || lines_[i].find("error") != std::string::npos)
                found.push_back(lines_[i]);
        return found;
    }

private:
    const std::vector<std::string>& lines_;
    size_t mark_;
};

TEST_F(DataScriptsTest, DescriptionAndConfScripts_RunWithoutErrorLines)
{
    Start();
    int run = 0;
    for (const std::string& file : LuaFiles(".")) {
        if (Skipped(file) || file.rfind(kWindowFolder, 0) == 0) continue;
        const ScriptLog log(lines);
        EXPECT_EQ(vrk::cScript::RunFile(kDataFolder + "/" + file), 0) << file;
        EXPECT_TRUE(log.Errors().empty()) << file << ":\n" << Joined(log.Errors());
        ++run;
    }
    EXPECT_GT(run, 0);
    EXPECT_EQ(Focused(), "menu");
}

TEST_F(DataScriptsTest, WindowScripts_FillTheirWindowsWithoutErrorLines)
{
    Start();
    vrk::cGUI* gui = game->gui.get();
    ASSERT_NE(gui, nullptr);
    const std::vector<std::string> files = LuaFiles(kWindowFolder);
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        // Fresh names, so the game's own windows stay as they are.
        const std::string name = "tour_" + fs::path(file).stem().string();
        const ScriptLog log(lines);
        EXPECT_NE(app->FillWindow(name, "{StaticPath}/" + file, nullptr), nullptr) << file;
        EXPECT_EQ(CallFillWindow(gui->AddWindow(name + "_again")), "") << file;
        EXPECT_TRUE(log.Errors().empty()) << file << ":\n" << Joined(log.Errors());
    }
}

}  // namespace
