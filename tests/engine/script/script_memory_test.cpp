// The memory cap of the game's Lua states and their end at an unprotected error.
#include "engine/script/script_memory.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/script/script.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/support/scenario_time_limit.h"
#include "tests/support/temp_folder.h"

namespace {

using vrk::cScript;

constexpr size_t kMegabyte = 1024 * 1024;

class ScriptMemoryTest : public testing::Test {
protected:
    ScriptMemoryTest() { logger_->SetConsole(std::make_unique<test::RecordingConsole>(&lines_)); }
    void SetUp() override
    {
        ASSERT_EQ(vrk::CreateScript(), 1);
        lines_.clear();
    }
    void TearDown() override { vrk::DestroyScript(); }

    bool LoggedContaining(const std::string& piece) const
    {
        for (const std::string& logged : lines_) {
            if (logged.find(piece) != std::string::npos) return true;
        }
        return false;
    }

    test::TempAppPath app_;
    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_ = std::make_unique<vrk::Logger>();
};

const std::string kAtTheLimit = "stopped at the memory limit of 256 MB a script may hold";

// A script that asks for gigabytes, at once or bit by bit, fails at the cap with a
// warning naming it, having held no more than the cap; the memory comes back, and
// the next script runs as before.
TEST_F(ScriptMemoryTest, RunawayScriptsStopAtTheCapWithAWarningNamingThem)
{
    const test::ScenarioTimeLimit limit("scripts asking for gigabytes", test::kHangLimit);
    test::TempFolder folder;
    const std::string runaways[] = {
        "local s = string.rep('xx', 2 ^ 30)",
        "local s = ('x'):rep(2 ^ 20) local t = {} for i = 1, 2048 do t[i] = s .. i end",
        "local s = 'xx' while true do s = s .. s end",
    };
    for (const std::string& runaway : runaways) {
        SCOPED_TRACE(runaway);
        lines_.clear();
        const std::string script = folder.Write("conf/cheats.lua", "before = 'set'\n" + runaway + "\n");
        EXPECT_EQ(cScript::RunFile(script), LUA_ERRMEM);
        EXPECT_TRUE(LoggedContaining("^5" + script + ": " + kAtTheLimit)) << testing::PrintToString(lines_);
        EXPECT_TRUE(LoggedContaining("not enough memory"));
        lua_State* state = vrk::GetLuaState();
        lua_gc(state, LUA_GCCOLLECT, 0);
        EXPECT_LT(vrk::ScriptMemoryUsed(state), 64 * kMegabyte);
        lines_.clear();
        EXPECT_EQ(cScript::RunBuffer("after = string.rep('y', 2 ^ 20) .. before"), 0);
        EXPECT_TRUE(lines_.empty()) << testing::PrintToString(lines_);
    }
}

// Outside a run the host keeps room of its own: a script that left the state full
// does not keep the host from reading and setting values.
TEST_F(ScriptMemoryTest, HostKeepsRoomAfterAScriptFilledTheState)
{
    const test::ScenarioTimeLimit limit("filling the state", test::kHangLimit);
    EXPECT_EQ(cScript::RunBuffer("kept = {} local s = ('x'):rep(2 ^ 20) local i = 0 "
                                 "while true do i = i + 1 kept[i] = s .. i end"),
              LUA_ERRMEM);
    lua_State* state = vrk::GetLuaState();
    EXPECT_GT(vrk::ScriptMemoryUsed(state), vrk::kScriptMemoryLimit - 4 * kMegabyte);
    lua_pushstring(state, std::string(kMegabyte, 'z').c_str());
    vrk::SetGlobalRaw(state, "fromHost");
    vrk::PushGlobalRaw(state, "fromHost");
    EXPECT_EQ(lua_objlen(state, -1), kMegabyte);
    lua_pop(state, 1);
    EXPECT_EQ(cScript::RunBuffer("kept = nil"), 0);
}

// Lua's error with no protected call around it ends the program with a line saying
// so and the panic code, not with an abort.
TEST(ScriptStatePanic, UnprotectedErrorEndsTheProgramWithItsCode)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            const vrk::ScriptStatePtr state = vrk::NewScriptState();
            lua_pushstring(state.get(), "raised outside");
            lua_error(state.get());
        },
        testing::ExitedWithCode(vrk::kScriptPanicExitCode),
        "Lua error outside any script run, the program ends: raised outside");
}

}  // namespace
