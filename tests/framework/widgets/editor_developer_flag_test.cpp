// The developer flag read from the Lua global a developer sets in "cheats.lua".
#include <gtest/gtest.h>

#include <string>

#include "engine/script/script.h"
#include "framework/widgets/editor_developer_flag.h"
#include "tests/support/scenario_time_limit.h"

namespace {

struct FlagCase {
    std::string script;
    int32_t expected;
};

class DeveloperFlagTest : public ::testing::TestWithParam<FlagCase> {
protected:
    void SetUp() override { ASSERT_EQ(vrk::CreateScript(), 1); }
    void TearDown() override { vrk::DestroyScript(); }
};

TEST_P(DeveloperFlagTest, ReadDeveloperMode_IsOnOnlyForTrueOrANonZeroNumber)
{
    // A read that ran the globals' __index loop would never end.
    const test::ScenarioTimeLimit limit("reading the developer flag", test::kHangLimit);
    ASSERT_EQ(vrk::cScript::RunBuffer(GetParam().script), 0);
    EXPECT_EQ(ReadDeveloperMode(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, DeveloperFlagTest,
                         ::testing::Values(FlagCase{"", 0}, FlagCase{"developerMode = false", 0},
                                           FlagCase{"developerMode = 0", 0}, FlagCase{"developerMode = 1", 1},
                                           FlagCase{"developerMode = true", 1},
                                           FlagCase{"developerMode = 'yes'", 0},
                                           FlagCase{"developerMode = {}", 0},
                                           // The flag is read as it is, never through a
                                           // script's metamethods on the globals.
                                           FlagCase{"setmetatable(_G, {__index = function() error('no such global') end})", 0},
                                           FlagCase{"setmetatable(_G, {__index = function() while true do end end})", 0},
                                           FlagCase{"developerMode = 1 setmetatable(_G, {__index = function() return 0 end})", 1},
                                           FlagCase{"setmetatable(_G, {__index = function() return 1 end})", 0}));

TEST(DeveloperFlagWithoutScript, ReadDeveloperMode_IsOff) { EXPECT_EQ(ReadDeveloperMode(), 0); }

}  // namespace
