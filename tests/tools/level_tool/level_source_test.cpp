// The level tool runs a level source with the game's script libraries and a require
// of its own: a source that reaches for programs, files or modules outside its
// folders stops the compile with a message and writes nothing, while modules beside
// the source, in a --lib folder and in the shared level library load, once each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

const std::string kTool = std::string(KELVARA_BINARY_DIR) + "/tools/level_tool/level_tool";

class LevelSourceTest : public testing::Test {
protected:
    // Compiles src/level.lua (the text) with --lib lib; the tool's exit code, and its
    // standard error in errors_.
    int Compile(const std::string& text)
    {
        const std::string source = folder_.Write("src/level.lua", text);
        std::filesystem::remove(Out());
        const std::string command = kTool + " compile --lib " + folder_.Str() + "/lib " + source + " " + Out() +
                                    " 2>" + folder_.Str() + "/errors.txt";
        const int status = std::system(command.c_str());
        errors_ = test::TempFolder::Read(folder_.Path() / "errors.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out() const { return folder_.Str() + "/out.lvl"; }

    test::TempFolder folder_;
    std::string errors_;
};

TEST_F(LevelSourceTest, Compile_SourceReachingOutsideFailsWithoutEffect)
{
    const std::string marker = folder_.Str() + "/marker";
    const std::string other = folder_.Write("src/other.lua", "io.open('" + marker + "', 'w')\n");
    folder_.Write("outside.lua", "return {}\n");
    folder_.Write("lib/loop_a.lua", "return require('loop_b')\n");
    folder_.Write("lib/loop_b.lua", "return require('loop_a')\n");
    const struct {
        std::string call;
        std::string message;
    } cases[] = {
        {"os.execute('touch " + marker + "')", "attempt to call field 'execute' (a nil value)"},
        {"io.open('" + marker + "', 'w')", "attempt to call field 'open' (a nil value)"},
        {"dofile('" + other + "')", "attempt to call global 'dofile' (a nil value)"},
        {"loadfile('" + other + "')()", "attempt to call global 'loadfile' (a nil value)"},
        {"loadstring('x = 1')()", "attempt to call global 'loadstring' (a nil value)"},
        {"package.loadlib('libc.so.6', 'system')", "attempt to index global 'package' (a nil value)"},
        {"require('../outside')", "module name '../outside' is not a plain name"},
        {"require('outside')", "module 'outside' not found"},
        {"require('loop_a')", "loop or previous error loading module 'loop_a'"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.call);
        EXPECT_EQ(Compile("level { name = 'x', version = 100 }\n" + entry.call + "\n"), 1);
        EXPECT_NE(errors_.find(entry.message), std::string::npos) << errors_;
        EXPECT_FALSE(std::filesystem::exists(Out()));
    }
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(LevelSourceTest, Compile_RequireFindsModulesBesideTheSourceInLibAndTheLevelLibrary)
{
    folder_.Write("src/beside.lua", "runs = (runs or 0) + 1\nreturn { value = 1 }\n");
    folder_.Write("lib/from_lib.lua", "return { value = 2 }\n");
    // A module beside the source comes before one of the same name in --lib.
    folder_.Write("lib/beside.lua", "error('the --lib copy was taken')\n");
    EXPECT_EQ(Compile("local a = require('beside')\n"
                      "assert(require('beside') == a and runs == 1)\n"
                      "assert(require('from_lib').value == 2)\n"
                      "local L = require('level_lib')\n"
                      "assert(type(L.begin) == 'function')\n"
                      "assert(os.getenv('HOME') and io.stderr and os.remove == nil and io.write == nil)\n"
                      "assert(string.format('%03d', 7) == '007' and math.floor(1.5) == 1 and table.concat)\n"
                      "level { name = 'x', version = 100 }\n"),
              0)
        << errors_;
    EXPECT_TRUE(std::filesystem::exists(Out()));
}

}  // namespace
