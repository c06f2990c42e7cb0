// The real program with start-up scripts that would once hang it, fill the machine's
// memory or abort it: each fails as a script error with a line naming it, the game
// goes on to its main menu, and SIGTERM ends it the normal way (exit code 0, the
// settings written).
#include <gtest/gtest.h>
#include <signal.h>

#include <optional>
#include <string>

#include "tests/support/game_process.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kMenuFocused = "Set focus to widget with name &#39;menu&#39;.";
const std::string kSavedSettings = "runWindowed=true\nsoundVolume=1.000000\nmusicVolume=1.000000\ncurrentLocale='en'\n";

struct StartupScript {
    const char* name;
    const char* cheats;
    // What the log must say of it.
    const char* logged;
};

void PrintTo(const StartupScript& script, std::ostream* out) { *out << script.name; }

class ShellScriptBoundsTest : public testing::TestWithParam<StartupScript> {
protected:
    test::TempFolder folder;
};

TEST_P(ShellScriptBoundsTest, StartupScriptFailsWithinBoundsAndTheGameEndsOnSigterm)
{
    test::Program program(folder.Str(), folder.Str() + "/run");
    program.SetBinary(test::ProgramWithCheats(folder, std::string("print('cheats: started')\n") + GetParam().cheats));
    folder.Write("data/OstrandEntertainment/tervol/Kelvara2/conf/settings.lua", "runWindowed=true\n");
    program.Start();
    ASSERT_TRUE(program.WaitForLog(kMenuFocused, test::kStartupTimeout)) << program.Log();
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitExit(), std::optional<int>(0));

    const std::string log = program.Log();
    const size_t started = log.find("cheats: started");
    ASSERT_NE(started, std::string::npos);
    EXPECT_NE(log.find(GetParam().logged, started), std::string::npos) << log.substr(started);
    EXPECT_NE(log.find("DestroyScript"), std::string::npos);
    EXPECT_EQ(test::TempFolder::Read(program.AppFolder() + "/conf/settings.lua"), kSavedSettings);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ShellScriptBoundsTest,
    testing::Values(
        StartupScript{"pattern", "string.find(string.rep('a', 30), string.rep('a*', 30) .. 'b')\n",
                      "pattern too complex"},
        // Each search caught and the next one started: the run's budget ends the loop.
        StartupScript{"pattern_loop",
                      "local s, costly = string.rep('a', 30), string.rep('a*', 30) .. 'b'\n"
                      "while true do pcall(string.find, s, costly) end\n",
                      "{StaticPath}/conf/cheats.lua: stopped after 10000000 Lua instructions and matching steps"},
        StartupScript{"two_gigabytes", "local s = string.rep('xx', 2 ^ 30)\n",
                      "{StaticPath}/conf/cheats.lua: stopped at the memory limit of 256 MB a script may hold"},
        StartupScript{"index_error", "setmetatable(_G, {__index = function(_, name) error('no global ' .. tostring(name)) end})\n",
                      "{StaticPath}/conf/cheats.lua: set a metatable on the globals"},
        StartupScript{"index_loop", "setmetatable(_G, {__index = function() while true do end end})\n",
                      "{StaticPath}/conf/cheats.lua: set a metatable on the globals"}),
    [](const testing::TestParamInfo<StartupScript>& info) { return std::string(info.param.name); });

}  // namespace
