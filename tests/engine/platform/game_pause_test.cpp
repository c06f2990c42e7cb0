// The pause counter pair: holding and releasing the engine core's `suspended`.
#include "engine/platform/game_pause.h"

#include <gtest/gtest.h>

#include "tests/engine/platform/platform_test_support.h"

namespace {

using GamePauseTest = test::CoreTest;

TEST_F(GamePauseTest, HoldAndRelease_CountAndNeverGoBelowZero)
{
    struct Case {
        int32_t before;
        int holds;
        int32_t released;
        int32_t after;
    };
    const Case cases[] = {
        {0, 1, 0, 1},   // one dialog pauses
        {0, 2, 0, 2},   // two boxes over each other
        {-3, 1, 0, 1},  // a negative value counts as none
        {2, 0, 1, 1},   // one pause given back of two
        {1, 0, 5, 0},   // more given back than held
        {2, 0, 0, 2},   // nothing to give back
        {2, 0, -1, 2},  // a negative count changes nothing
    };
    for (const Case& entry : cases) {
        game->suspended = entry.before;
        for (int i = 0; i < entry.holds; ++i) vrk::HoldPause();
        vrk::ReleasePauses(entry.released);
        EXPECT_EQ(game->suspended, entry.after) << entry.before << " " << entry.holds << " " << entry.released;
        EXPECT_EQ(vrk::GetPauseCount(), entry.after);
    }
}

TEST(GamePauseWithoutCoreTest, HoldAndRelease_DoNothingWithoutAnEngineCore)
{
    vrk::HoldPause();
    vrk::ReleasePauses(1);
    EXPECT_EQ(vrk::GetPauseCount(), 0);
}

}  // namespace
