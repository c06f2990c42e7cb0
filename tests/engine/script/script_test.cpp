// The script host: state lifetime, running text and files, the print and error hooks
// and the two settings globals.
#include "engine/script/script.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/script/bounded_patterns.h"
#include "port/window/quit_signal.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/support/scenario_time_limit.h"
#include "tests/support/temp_folder.h"

namespace {

using vrk::cScript;

// A logger with a recording console and a script state for each test.
class ScriptTest : public testing::Test {
protected:
    ScriptTest()
    {
        auto console = std::make_unique<test::RecordingConsole>(&lines_);
        logger_->SetConsole(std::move(console));
    }
    void SetUp() override
    {
        ASSERT_EQ(vrk::CreateScript(), 1);
        lines_.clear();
    }
    void TearDown() override
    {
        if (vrk::GetLuaState()) {
            EXPECT_EQ(lua_gettop(vrk::GetLuaState()), 0) << "the host left values on the stack";
        }
        vrk::DestroyScript();
    }

    // The Lua global `name` as a string ("<nil>" when it is not a string).
    static std::string Global(const char* name)
    {
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, name);
        const std::string value = lua_type(state, -1) == LUA_TSTRING ? lua_tostring(state, -1) : "<nil>";
        lua_pop(state, 1);
        return value;
    }

    bool Logged(const std::string& line) const
    {
        for (const std::string& logged : lines_) {
            if (logged == line)
                return true;
        }
        return false;
    }
    bool LoggedContaining(const std::string& piece) const
    {
        for (const std::string& logged : lines_) {
            if (logged.find(piece) != std::string::npos)
                return true;
        }
        return false;
    }

    test::TempAppPath app_;
    std::vector<std::string> lines_;
    std::unique_ptr<vrk::Logger> logger_ = std::make_unique<vrk::Logger>();
};

TEST_F(ScriptTest, Print_TwoStringsGiveFourLogPieces)
{
    ASSERT_EQ(cScript::RunBuffer("print('a', 'b')"), 0);
    EXPECT_EQ(lines_, (std::vector<std::string>{"a", "\t", "b", "\n"}));
}

TEST_F(ScriptTest, Print_NonStringArgumentsGoThroughTostring)
{
    ASSERT_EQ(cScript::RunBuffer("print(1, nil, true)"), 0);
    EXPECT_EQ(lines_, (std::vector<std::string>{"1", "\t", "nil", "\t", "true", "\n"}));
}

TEST_F(ScriptTest, Print_CustomHookReceivesEveryPieceInsteadOfTheLog)
{
    ASSERT_EQ(cScript::RunBuffer("got = '' _VRK_PRINT = function(s) got = got .. '[' .. s .. ']' end "
                                 "print('a', 'b') print()"),
              0);
    EXPECT_EQ(Global("got"), "[a][\t][b][\n][\n]");
    EXPECT_TRUE(lines_.empty());
}

TEST_F(ScriptTest, Print_HookThatIsNoFunctionWritesToStandardOutput)
{
    testing::internal::CaptureStdout();
    const int status = cScript::RunBuffer("_VRK_PRINT = 5 print('x', 'y')");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "x\ty\n");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(lines_.empty());
}

TEST_F(ScriptTest, Print_TostringNotReturningAStringIsARuntimeError)
{
    EXPECT_EQ(cScript::RunBuffer("tostring = function() return {} end print(1)"), LUA_ERRRUN);
    EXPECT_TRUE(LoggedContaining("'tostring' must return a string to 'print'"));
}

TEST_F(ScriptTest, Print_PercentTextIsAFormatWithoutArgument)
{
    ASSERT_EQ(cScript::RunBuffer("print('100%') print('%s and %d')"), 0);
    ASSERT_EQ(lines_.size(), 4u);
    EXPECT_EQ(lines_[0], "100");
    EXPECT_EQ(lines_[2], " and ");
}

// Values without a text form must not reach the log as a null text.
TEST_F(ScriptTest, Hooks_ValueWithoutTextLogsNull)
{
    struct Case {
        const char* script;
        const char* line;
    };
    const Case cases[] = {
        {"_VRK_PRINT(nil)", "(null)"},
        {"_VRK_PRINT({})", "(null)"},
        {"_VRK_PRINT()", "(null)"},
        {"_VRK_PRINT(12)", "12"},
        {"_ALERT(nil)", "^7cScript^6: ^5(null)\n"},
        {"_ERROR({})", "^7cScript^6: ^5(null)\n"},
        {"_ALERT('bad thing')", "^7cScript^6: ^5bad thing\n"},
    };
    for (const Case& c : cases) {
        lines_.clear();
        EXPECT_EQ(cScript::RunBuffer(c.script), 0) << c.script;
        EXPECT_EQ(lines_, std::vector<std::string>{c.line}) << c.script;
    }
}

TEST_F(ScriptTest, RunWindowed_OnlyTheBooleanTrueCounts)
{
    struct Case {
        const char* script;
        bool windowed;
    };
    const Case cases[] = {
        {"runWindowed = nil", false},   {"runWindowed = true", true}, {"runWindowed = false", false},
        {"runWindowed = 1", false},     {"runWindowed = 'true'", false},
        {"runWindowed = {}", false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(cScript::RunBuffer(c.script), 0);
        EXPECT_EQ(vrk::GetRunWindowed(), c.windowed) << c.script;
    }
}

TEST_F(ScriptTest, CurrentLocale_StringOrNumberElseDefault)
{
    struct Case {
        const char* script;
        const char* locale;
    };
    const Case cases[] = {
        {"currentLocale = nil", "en"}, {"currentLocale = 'de'", "de"}, {"currentLocale = 7", "7"},
        {"currentLocale = 1.5", "1.5"}, {"currentLocale = {}", "en"}, {"currentLocale = true", "en"},
        {"currentLocale = ''", ""},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(cScript::RunBuffer(c.script), 0);
        EXPECT_EQ(vrk::GetCurrentLocale("en"), c.locale) << c.script;
    }
}

TEST_F(ScriptTest, CurrentLocale_ReadingANumberLeavesTheGlobalANumber)
{
    ASSERT_EQ(cScript::RunBuffer("currentLocale = 7"), 0);
    EXPECT_EQ(vrk::GetCurrentLocale("en"), "7");
    ASSERT_EQ(cScript::RunBuffer("kind = type(currentLocale)"), 0);
    EXPECT_EQ(Global("kind"), "number");
}

TEST_F(ScriptTest, RunBuffer_EmptyTextSucceedsWithoutRunning)
{
    EXPECT_EQ(cScript::RunBuffer(""), 0);
    EXPECT_TRUE(lines_.empty());
}

TEST_F(ScriptTest, RunBuffer_CompileErrorLogsFirstLineAndLuaMessageWithLine)
{
    const std::string text = "x = 1\ny = = 2";
    EXPECT_EQ(cScript::RunBuffer(text), LUA_ERRSYNTAX);
    ASSERT_EQ(lines_.size(), 2u);
    EXPECT_EQ(lines_[0], "^7cScript^6: ^5Invalid buffer: x = 1\n");
    EXPECT_NE(lines_[1].find(":2:"), std::string::npos) << lines_[1];
}

TEST_F(ScriptTest, RunBuffer_RuntimeErrorLogsMessageAndKeepsEarlierEffects)
{
    EXPECT_EQ(cScript::RunBuffer("done = 'yes'\nerror('broken')"), LUA_ERRRUN);
    ASSERT_EQ(lines_.size(), 1u);
    EXPECT_NE(lines_[0].find(":2: broken"), std::string::npos) << lines_[0];
    EXPECT_EQ(Global("done"), "yes");
}

TEST_F(ScriptTest, RunBuffer_ErrorValueWithoutTextLogsNull)
{
    EXPECT_EQ(cScript::RunBuffer("error({})"), LUA_ERRRUN);
    EXPECT_EQ(lines_, std::vector<std::string>{"^7cScript^6: ^5(null)\n"});
}

TEST_F(ScriptTest, RunBuffer_PrecompiledChunkIsRefused)
{
    lua_State* state = vrk::GetLuaState();
    ASSERT_EQ(luaL_dostring(state, "return string.dump(function() ran = true end)"), 0);
    size_t length = 0;
    const char* bytes = lua_tolstring(state, -1, &length);
    const std::string chunk(bytes, length);
    lua_pop(state, 1);

    EXPECT_EQ(cScript::RunBuffer(chunk), LUA_ERRSYNTAX);
    EXPECT_EQ(Global("ran"), "<nil>");
    EXPECT_TRUE(LoggedContaining("precompiled chunks are not accepted"));
}

TEST_F(ScriptTest, RunBuffer_NulByteIsASyntaxErrorNotAnEarlyEnd)
{
    const std::string text("a = 1\0b = 2", 11);
    EXPECT_EQ(cScript::RunBuffer(text), LUA_ERRSYNTAX);
}

// A data tree's script (a cheats file given one more line) cannot start programs,
// touch files or load other files: each such call is a logged run-time error, and
// the game's own libraries are all there.
TEST_F(ScriptTest, RunFile_ScriptReachingOutsideFailsCleanly)
{
    test::TempFolder folder;
    const std::string marker = folder.Str() + "/marker";
    const std::string other = folder.Write("other.lua", "ranOther = true\n");
    const std::string calls[] = {
        "os.execute('touch " + marker + "')",
        "io.open('" + marker + "', 'w'):write('x')",
        "dofile('" + other + "')",
        "loadfile('" + other + "')()",
        "loadstring('ranOther = true')()",
        "load(function() return nil end)",
        "require('other')",
    };
    for (const std::string& call : calls) {
        SCOPED_TRACE(call);
        lines_.clear();
        const std::string script = folder.Write("conf/cheats.lua", "before = 'set'\n" + call + "\n");
        EXPECT_EQ(cScript::RunFile(script), LUA_ERRRUN);
        EXPECT_TRUE(LoggedContaining("a nil value")) << (lines_.empty() ? "" : lines_[0]);
        EXPECT_EQ(Global("before"), "set");
    }
    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_EQ(Global("ranOther"), "<nil>");
    EXPECT_EQ(cScript::RunBuffer("assert(os == nil and io == nil and package == nil and debug == nil)\n"
                                 "result = string.format('%d', math.floor(2.5)) .. table.concat({'a', 'b'})\n"
                                 "for word in ('x y'):gmatch('%a') do result = result .. word end\n"
                                 "result = result .. select('#', 1, 2) .. tostring(pcall(error, 'e'))\n"
                                 "local co = coroutine.create(function() end) assert(coroutine.resume(co))"),
              0);
    EXPECT_EQ(Global("result"), "2abxy2false");
}

TEST_F(ScriptTest, RunFile_MissingFileLogsAndReturnsOne)
{
    test::TempFolder folder;
    const std::string name = folder.Str() + "/nothing.lua";
    EXPECT_EQ(cScript::RunFile(name), cScript::kFileNotReadable);
    EXPECT_TRUE(Logged("^7cScript^6: ^5luafile: error in file " + name + "\n"));
}

TEST_F(ScriptTest, RunFile_ReadsUtf8WithSignatureAndUtf16)
{
    test::TempFolder folder;
    const std::string utf8 = folder.Write("a.lua", "\xEF\xBB\xBFplain = 'caf\xC3\xA9'");
    // "wide = 'é'" as UTF-16LE with its byte-order mark.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("wide = '\xE9'")) {
        utf16 += c;
        utf16 += '\0';
    }
    const std::string wide = folder.Write("w.lua", utf16);

    EXPECT_EQ(cScript::RunFile(utf8), 0);
    EXPECT_EQ(cScript::RunFile(wide), 0);
    EXPECT_EQ(Global("plain"), "caf\xC3\xA9");
    EXPECT_EQ(Global("wide"), "\xC3\xA9");
}

TEST_F(ScriptTest, RunFile_ErrorStatusOfTheScriptIsPassedOn)
{
    test::TempFolder folder;
    EXPECT_EQ(cScript::RunFile(folder.Write("bad.lua", "error('x')")), LUA_ERRRUN);
    EXPECT_EQ(cScript::RunFile(folder.Write("worse.lua", "if then")), LUA_ERRSYNTAX);
}

TEST_F(ScriptTest, RunFile_BrokenUtf16NeverThrows)
{
    test::TempFolder folder;
    // "x=" followed by a lone high surrogate.
    const std::string name = folder.Write("broken.lua", std::string("\xFF\xFEx\0=\0\0\xD8", 8));
    int status = 0;
    EXPECT_NO_THROW(status = cScript::RunFile(name));
    EXPECT_NE(status, 0);
}

TEST_F(ScriptTest, CreateAndDestroy_SecondCallOfEachIsRefused)
{
    EXPECT_EQ(vrk::CreateScript(), 0);
    EXPECT_TRUE(Logged("^7CreateScript^6: ^5Script system already exists\n"));
    EXPECT_EQ(vrk::DestroyScript(), 1);
    EXPECT_EQ(vrk::GetLuaState(), nullptr);
    EXPECT_TRUE(Logged("^7DestroyScript^6: ^6Ok\n"));
    EXPECT_EQ(vrk::DestroyScript(), 0);
    EXPECT_TRUE(Logged("^7DestroyScript^6: ^5Script system does not exist\n"));
    EXPECT_EQ(vrk::CreateScript(), 1);
    EXPECT_TRUE(Logged("^7cScript^6: ^6CreateScript: Ok\n"));
}

TEST_F(ScriptTest, WithoutState_CallsFailSafely)
{
    vrk::DestroyScript();
    lines_.clear();
    EXPECT_NE(cScript::RunBuffer("x = 1"), 0);
    EXPECT_FALSE(lines_.empty());
    EXPECT_FALSE(vrk::GetRunWindowed());
    EXPECT_EQ(vrk::GetCurrentLocale("fr"), "fr");
}

TEST(ScriptWithoutLogger, PrintIsDroppedQuietly)
{
    ASSERT_EQ(vrk::GetLogger(), nullptr);
    ASSERT_EQ(vrk::CreateScript(), 1);
    EXPECT_EQ(cScript::RunBuffer("print('nobody', nil) _ALERT(nil)"), 0);
    EXPECT_EQ(vrk::DestroyScript(), 1);
}

// --- Bounds of a run ---

// Whether a warning of the host names the script and says why it stopped.
std::string StopWarning(const std::string& source, const std::string& why)
{
    return "^7cScript^6: ^5" + source + ": " + why + "\n";
}

const std::string kOverBudget = "stopped after " + std::to_string(vrk::kScriptInstructionBudget) +
                                " Lua instructions and matching steps, the most one script may run";
constexpr const char* kQuitting = "stopped, the game is quitting";

// Runs the text given to it as a nested script, as a native function that loads
// textures runs their description scripts.
int RunNested(lua_State* state)
{
    lua_pushinteger(state, cScript::RunBuffer(luaL_checkstring(state, 1)));
    return 1;
}

// Asks the game to quit the way the system does.
int RaiseTerm(lua_State* /*state*/)
{
    std::raise(SIGTERM);
    return 0;
}

// A script that never ends, however it hides its loop, is stopped at the budget with a
// warning naming it, and fails like any script error; the real data's largest run
// (some 10,300 instructions) is far inside the budget, and the next run starts afresh.
TEST_F(ScriptTest, Budget_ScriptsThatNeverEndAreStoppedWithAWarningNamingThem)
{
    // Without the budget these loops would run for ever: the limit makes that a failure.
    const test::ScenarioTimeLimit limit("Budget_ScriptsThatNeverEndAreStoppedWithAWarningNamingThem", test::kHangLimit);
    test::TempFolder folder;
    const std::string loops[] = {
        "while true do end",
        // Its own pcall catches the stop each time round.
        "while true do pcall(function() while true do end end) end",
        "local co = coroutine.wrap(function() while true do end end) while true do pcall(co) end",
        // Each look at the budget comes with a string method in between.
        "local s = '' while true do s = ('x'):rep(3) end",
    };
    for (const std::string& loop : loops) {
        SCOPED_TRACE(loop);
        lines_.clear();
        const std::string script = folder.Write("conf/cheats.lua", "before = 'set'\n" + loop + "\n");
        EXPECT_EQ(cScript::RunFile(script), LUA_ERRRUN);
        EXPECT_TRUE(Logged(StopWarning(script, kOverBudget))) << testing::PrintToString(lines_);
        EXPECT_TRUE(LoggedContaining("script stopped: instruction limit reached"));
        EXPECT_EQ(Global("before"), "set");
        lines_.clear();
        EXPECT_EQ(cScript::RunBuffer("after = 'ran'"), 0);
        EXPECT_EQ(Global("after"), "ran");
        EXPECT_TRUE(lines_.empty());
    }
    // Lua would run these with the count hook off.
    EXPECT_EQ(cScript::RunBuffer("assert(xpcall == nil and newproxy == nil)"), 0);
    // A hundred times the largest run of the game's own data.
    EXPECT_EQ(cScript::RunBuffer("local n = 0 for i = 1, 1030000 / 3 do n = n + 1 end counted = tostring(n)"), 0);
    EXPECT_EQ(Global("counted"), "343333");
}

// Scripts a script starts share its budget, and a script's function called by the
// host (a window's FillWindow) has one of its own, named after its script.
TEST_F(ScriptTest, Budget_CoversNestedRunsAndTheCallsOfScriptFunctions)
{
    const test::ScenarioTimeLimit limit("Budget_CoversNestedRunsAndTheCallsOfScriptFunctions", test::kHangLimit);
    lua_State* state = vrk::GetLuaState();
    lua_register(state, "runNested", RunNested);
    // Each nested run is short, but together they never end.
    EXPECT_EQ(cScript::RunBuffer("while true do runNested('for i = 1, 100 do end') end"), LUA_ERRRUN);
    EXPECT_TRUE(Logged(StopWarning("while true do runNested('for i = 1, 100 do end') end", kOverBudget)));

    lines_.clear();
    ASSERT_EQ(cScript::RunBuffer("function FillWindow(window) while true do end end"), 0);
    lua_getglobal(state, "FillWindow");
    lua_pushnil(state);
    EXPECT_EQ(cScript::Call(state, 1, "{StaticPath}/gui/main.lua"), LUA_ERRRUN);
    lua_pop(state, 1);
    EXPECT_TRUE(Logged(StopWarning("{StaticPath}/gui/main.lua", kOverBudget))) << testing::PrintToString(lines_);

    lua_getglobal(state, "tostring");
    lua_pushinteger(state, 1);
    EXPECT_EQ(cScript::Call(state, 1, "any"), 0);
}

// Pattern searches that each stop at the matcher's own limit, caught by the script's
// pcall, still spend the run's budget: a loop of them, in whatever form it calls the
// matcher, is stopped like any loop that never ends, after no more rounds than the
// budget holds such searches, with the warning naming the script.
TEST_F(ScriptTest, Budget_CountsTheStepsOfPatternSearchesAScriptCatches)
{
    // Without the count each loop would run for hours, some 13 ms a round.
    const test::ScenarioTimeLimit limit("Budget_CountsTheStepsOfPatternSearchesAScriptCatches", test::kHangLimit);
    test::TempFolder folder;
    const std::string costly = "local s, costly = ('a'):rep(30), ('a*'):rep(30) .. 'b'\n"
                               "local long, needle = ('a'):rep(1000000), ('a'):rep(10000) .. 'b'\nrounds = 0\n";
    const std::string loops[] = {
        "while true do rounds = rounds + 1 pcall(string.find, s, costly) end",
        "while true do rounds = rounds + 1 pcall(s.match, s, costly) end",
        "while true do rounds = rounds + 1 pcall(string.gmatch(s, costly)) end",
        "while true do rounds = rounds + 1 pcall(string.gsub, s, costly, '') end",
        "while true do rounds = rounds + 1 pcall(string.find, long, needle, 1, true) end",
        // A search for a byte the text lacks passes over it all at each call.
        "long = long .. long while true do rounds = rounds + 1 pcall(string.find, long, 'b', 1, true) end",
    };
    for (const std::string& loop : loops) {
        SCOPED_TRACE(loop);
        lines_.clear();
        const std::string script = folder.Write("conf/cheats.lua", costly + loop + "\n");
        EXPECT_EQ(cScript::RunFile(script), LUA_ERRRUN);
        EXPECT_TRUE(Logged(StopWarning(script, kOverBudget))) << testing::PrintToString(lines_);
        EXPECT_TRUE(LoggedContaining("script stopped: instruction limit reached"));
        lua_getglobal(vrk::GetLuaState(), "rounds");
        const double rounds = lua_tonumber(vrk::GetLuaState(), -1);
        lua_pop(vrk::GetLuaState(), 1);
        // The first searches fail as too complex and the loop goes on.
        EXPECT_GE(rounds, 2);
        EXPECT_LE(rounds, vrk::kScriptInstructionBudget / vrk::kPatternStepLimit + 1);
    }
}

// SIGTERM (or SIGINT) while a script runs stops it at once, long before its budget,
// and every script after it too while the game is quitting.
TEST_F(ScriptTest, QuitSignal_StopsTheRunningScriptAndTheScriptsAfterIt)
{
    port::InstallQuitSignals();
    lua_register(vrk::GetLuaState(), "raiseTerm", RaiseTerm);
    test::TempFolder folder;
    // A budget's worth of loop after the signal would leave `left` far below zero.
    const std::string script = folder.Write("gui/main.lua", "left = 1000000 raiseTerm() while true do left = left - 1 end");
    const int status = cScript::RunFile(script);
    const bool requested = port::QuitRequested();
    port::ClearQuitRequest();
    EXPECT_TRUE(requested);
    EXPECT_EQ(status, LUA_ERRRUN);
    EXPECT_TRUE(Logged(StopWarning(script, kQuitting))) << testing::PrintToString(lines_);
    lua_getglobal(vrk::GetLuaState(), "left");
    EXPECT_GT(lua_tonumber(vrk::GetLuaState(), -1), 1000000 - vrk::kScriptHookInterval);
    lua_pop(vrk::GetLuaState(), 1);

    std::raise(SIGINT);
    lines_.clear();
    EXPECT_EQ(cScript::RunBuffer("for i = 1, 2000 do end"), LUA_ERRRUN);
    EXPECT_TRUE(LoggedContaining(kQuitting));
    port::ClearQuitRequest();
    EXPECT_EQ(cScript::RunBuffer("for i = 1, 2000 do end"), 0);
}

// A quit request also stops a loop whose every round is one costly library call
// (a string of 40 MB a round): the next such call fails, instead of a thousand more
// running before the instruction count next looks.
TEST_F(ScriptTest, QuitSignal_StopsALoopOfCostlyStringCallsAtTheNextCall)
{
    const test::ScenarioTimeLimit limit("a loop of costly string calls after SIGTERM", test::kHangLimit);
    port::InstallQuitSignals();
    lua_register(vrk::GetLuaState(), "raiseTerm", RaiseTerm);
    const std::string script = "rounds = 0 raiseTerm() while true do local s = ('x'):rep(40000000) rounds = rounds + 1 end";
    const int status = cScript::RunBuffer(script);
    port::ClearQuitRequest();
    EXPECT_NE(status, 0);
    EXPECT_TRUE(LoggedContaining(kQuitting)) << testing::PrintToString(lines_);
    lua_getglobal(vrk::GetLuaState(), "rounds");
    EXPECT_EQ(lua_tonumber(vrk::GetLuaState(), -1), 0);
    lua_pop(vrk::GetLuaState(), 1);
}

// The host reads and sets its globals as they are: a script's __index or __newindex
// on the globals (one that fails, one that never ends) never runs outside a run, where
// nothing would catch its error or stop its loop.
TEST_F(ScriptTest, HostGlobals_AreReadAndSetWithoutTheScriptsMetamethods)
{
    const test::ScenarioTimeLimit limit("host reads past a looping __index", test::kHangLimit);
    const std::string metatables[] = {
        "setmetatable(_G, {__index = function() error('no such global') end,\n"
        "                  __newindex = function() error('no new globals') end})",
        "setmetatable(_G, {__index = function() while true do end end,\n"
        "                  __newindex = function() while true do end end})",
    };
    for (const std::string& metatable : metatables) {
        SCOPED_TRACE(metatable);
        ASSERT_EQ(vrk::DestroyScript(), 1);
        ASSERT_EQ(vrk::CreateScript(), 1);
        lines_.clear();
        ASSERT_EQ(cScript::RunBuffer("currentLocale = 'de'\n" + metatable), 0);
        EXPECT_TRUE(LoggedContaining("currentLocale = 'de': set a metatable on the globals")) << testing::PrintToString(lines_);
        EXPECT_FALSE(vrk::GetRunWindowed());
        EXPECT_EQ(vrk::GetCurrentLocale("en"), "de");
        lua_State* state = vrk::GetLuaState();
        lua_pushboolean(state, 1);
        vrk::SetGlobalRaw(state, "runWindowed");
        EXPECT_TRUE(vrk::GetRunWindowed());
        // A script's own read still goes through its metatable, within the budget.
        lines_.clear();
        EXPECT_EQ(cScript::RunBuffer("local x = undefinedGlobal"), LUA_ERRRUN);
        EXPECT_FALSE(lines_.empty());
    }
}

}  // namespace
