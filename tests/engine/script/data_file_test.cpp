// Data files run as data: known fields taken over by type, hostile files refused and
// kept aside, the shared state left as it was, and short log lines.
#include "engine/script/data_file.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "engine/script/script.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr vrk::DataField kFields[] = {
    {"runWindowed", vrk::kDataBoolean},
    {"soundVolume", vrk::kDataNumber},
    {"musicVolume", vrk::kDataNumber},
    {"currentLocale", vrk::kDataString | vrk::kDataNumber},
};

class DataFileTest : public testing::Test {
protected:
    DataFileTest() { logger_->SetConsole(std::make_unique<test::RecordingConsole>(&lines_)); }
    void SetUp() override { ASSERT_EQ(vrk::CreateScript(), 1); }
    void TearDown() override
    {
        EXPECT_EQ(lua_gettop(vrk::GetLuaState()), 0) << "values left on the stack";
        vrk::DestroyScript();
    }

    int Run(const std::string& text)
    {
        path_ = folder_.Write("conf/settings.lua", text);
        return vrk::RunDataFile(path_, kFields);
    }
    // The global's type name, with its text form for strings and numbers.
    static std::string Global(const char* name)
    {
        lua_State* state = vrk::GetLuaState();
        lua_getglobal(state, name);
        std::string value = lua_typename(state, lua_type(state, -1));
        if (lua_isstring(state, -1)) value += std::string(" ") + lua_tostring(state, -1);
        lua_pop(state, 1);
        return value;
    }
    bool Logged(const std::string& piece) const
    {
        for (const std::string& line : lines_)
            if (line.find(piece) != std::string::npos) return true;
        return false;
    }

    test::TempFolder folder_;
    std::string path_;
    std::vector<std::string> lines_;
    test::TempAppPath app_;
    std::unique_ptr<vrk::Logger> logger_ = std::make_unique<vrk::Logger>();
};

TEST_F(DataFileTest, RunDataFile_TakesOverKnownFieldsOfTheirTypesOnly)
{
    EXPECT_EQ(Run("runWindowed = true\nsoundVolume = 0.5\nmusicVolume = 'loud'\n"
                  "currentLocale = 7\ndeveloperMode = true\n"),
              vrk::kDataFileRead);
    EXPECT_TRUE(vrk::GetRunWindowed());
    EXPECT_EQ(Global("soundVolume"), "number 0.5");
    EXPECT_EQ(Global("musicVolume"), "nil");
    EXPECT_TRUE(Logged("value of 'musicVolume' ignored (wrong type)"));
    EXPECT_EQ(vrk::GetCurrentLocale("xx"), "7");
    EXPECT_EQ(Global("developerMode"), "nil");
    EXPECT_FALSE(std::filesystem::exists(path_ + ".bad"));

    // What the game writes reads back whole.
    EXPECT_EQ(Run("runWindowed=false\nsoundVolume=1.000000\nmusicVolume=0.250000\ncurrentLocale='de'\n"),
              vrk::kDataFileRead);
    EXPECT_FALSE(vrk::GetRunWindowed());
    EXPECT_EQ(Global("musicVolume"), "number 0.25");
    EXPECT_EQ(vrk::GetCurrentLocale("xx"), "de");
}

TEST_F(DataFileTest, RunDataFile_MissingFileKeepsDefaultsWithoutBadCopy)
{
    EXPECT_EQ(vrk::RunDataFile(folder_.Str() + "/settings.lua", kFields), vrk::kDataFileMissing);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "settings.lua.bad"));
    EXPECT_EQ(Global("runWindowed"), "nil");
}

// Each file sets runWindowed first, then does something a data file must not.
class HostileDataFile : public DataFileTest, public testing::WithParamInterface<const char*> {};

TEST_P(HostileDataFile, RunDataFile_RefusesKeepsAsideAndLeavesStateIntact)
{
    const std::string marker = folder_.Str() + "/marker";
    std::string text = std::string("runWindowed = true\n") + GetParam();
    text.replace(text.find("MARKER"), 6, marker);
    EXPECT_EQ(Run(text), vrk::kDataFileBad);

    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_EQ(Global("runWindowed"), "nil");
    EXPECT_EQ(test::TempFolder::Read(path_ + ".bad"), text);
    EXPECT_TRUE(Logged("Kept as " + path_ + ".bad"));
    // The game's own scripts still have their libraries and no limits: string
    // methods, a loop and an allocation past the budgets, and _G without a metatable.
    EXPECT_EQ(vrk::cScript::RunBuffer("local s = ('x'):rep(9 * 1024 * 1024)\n"
                                      "for i = 1, 1100000 do end\n"
                                      "assert(getmetatable(_G) == nil and noSuchGlobal == nil)\n"
                                      "assert(table.concat and math.floor and string.format)"),
              0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileDataFile,
    testing::Values("os.execute('touch MARKER')", "local f = io.open('MARKER', 'w') f:write('x')",
                    "while true do end -- MARKER",
                    "setmetatable(_G, {__index = function() error('MARKER') end})",
                    "x = 'MARKER' while true do x = x .. x end",
                    "x = ('MARKER'):rep(10)",
                    "x = = 'MARKER'"));

TEST_F(DataFileTest, RunDataFile_LogsOnlyTheCutFirstLineOfABadFile)
{
    const std::string longLine = "x = '" + std::string(300, 'y') + "'";
    EXPECT_EQ(Run(longLine + " +\nsecret = 1\n"), vrk::kDataFileBad);
    for (const std::string& line : lines_) {
        EXPECT_EQ(line.find("secret"), std::string::npos) << line;
        EXPECT_LT(line.size(), 400u) << line;
    }
    EXPECT_TRUE(Logged("Invalid buffer: " + longLine.substr(0, 197) + "...\n"));

    // Cut by characters, never inside one.
    std::string twoByteChars(150, 'a');
    for (int i = 0; i < 100; ++i) twoByteChars += "\xC3\xA5";
    EXPECT_EQ(vrk::BufferExcerpt(twoByteChars), twoByteChars.substr(0, 150 + 23 * 2) + "...");
    EXPECT_EQ(vrk::BufferExcerpt("short\r\nrest"), "short");
    EXPECT_LE(vrk::BufferExcerpt(std::string(5000, '\xA5')).size(), 200u);
}

TEST_F(DataFileTest, RunDataFile_RefusesAFileLongerThanTheLimit)
{
    EXPECT_EQ(Run("x = 1\n" + std::string(vrk::kMaxDataFileBytes, '-')), vrk::kDataFileBad);
    EXPECT_TRUE(std::filesystem::exists(path_ + ".bad"));
}

}  // namespace
