// The player's orders against the shipped data tree, in the started game: the
// calls of the hero and the wife sent out and the texts of refused orders are
// there.
#include <gtest/gtest.h>

#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "tests/game/support/game_tour.h"

namespace {

using OrdersData = test::GameTour;

TEST_F(OrdersData, EverySoundAndTextAnOrderUsesIsInTheDataTree)
{
    StartGame();
    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    for (const char* name : {"hero_out0", "hero_out1", "wife_out0", "wife_out1", "worker_out", "alarm"}) {
        EXPECT_NE(sounds->FindSoundBuffer(name), 0) << "sound " << name;
    }
    for (const char* key : {"PathIsBlocked", "NeedMore", "NoHero"}) {
        const auto found = vrk::TextTable().find(key);
        EXPECT_TRUE(found != vrk::TextTable().end() && !found->second.empty()) << "text " << key;
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
