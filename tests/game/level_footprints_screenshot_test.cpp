// Five play levels with even-sided buildings ("003" a mill, "021" a lighthouse and a
// sawmill, "023" the advisor towers, "034" the spring and the gold mill, "038" a
// lighthouse, a sawmill and the prison) as the real game draws them on an OpenGL
// device, at the start and with every building site finished: the frames are
// written beside the build (footprints_NNN_start.png, footprints_NNN_built.png) for
// a look, and the pointer on the middle of each finished building's picture, moved
// there through the level screen's own mouse events, finds that building.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gui/gui.h"
#include "framework/objects/game_object.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/terrain_colours.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kLoadTicks = 30;
constexpr int kBuiltTicks = 30;

class LevelFootprintsScreenshotTest : public test::GameShot<test::GameTour> {
protected:
    LevelFootprintsScreenshotTest() : GameShot("footprints screenshot") {}

    // The 2 x 2 and larger buildings (the houses aside: finishing them would end most
    // levels), in the order the level holds them.
    static std::vector<cBuild*> EvenSidedBuildings(cMagicWidget& screen)
    {
        ObjectList all;
        screen.FindObjectsOfKind(all, kTypeBuild, -1);
        std::vector<cBuild*> found;
        for (cObject* object : all) {
            auto* build = dynamic_cast<cBuild*>(object);
            if (build == nullptr || build->IsHomeBase() || build->GetSprite() == "house00") continue;
            if (build->GetZoneWidth() % 2 == 0 && build->GetZoneHeight() % 2 == 0) found.push_back(build);
        }
        return found;
    }

};

TEST_F(LevelFootprintsScreenshotTest, FinishedEvenSidedBuildingsAnswerThePointerOnTheirMiddle)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    int finished = 0;
    int found = 0;
    for (uint32_t index : {3u, 21u, 23u, 34u, 38u}) {
        const std::string id = test::LevelNumber(index);
        SCOPED_TRACE("level " + id);
        cMagicWidget* screen = ShowLevel(index, kLoadTicks);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->GetLevelName(), id);
        screen->EndTalk();
        Frames(kLoadTicks);
        DrawGame();
        test::SaveShotPng(image_, kWidth, kHeight, "footprints_" + id + "_start.png");

        const std::vector<cBuild*> buildings = EvenSidedBuildings(*screen);
        EXPECT_FALSE(buildings.empty());
        // Each site's work done at once, as a worker's finished work ends it with the
        // picture's last frame up, and the pointer tried on it before the next one
        // (the last one may end the level, whose window then covers the scene).
        for (cBuild* build : buildings) {
            if (build->GetLevel() != cBuild::kNotBuilt) continue;
            build->OnMessage(kMessageWorkTimer, 0);
            if (build->GetFrameCount() > 0) build->SetFrame(build->GetFrameCount() - 1);
            Frames(kBuiltTicks);
            // The won level's results cover the scene from here on.
            if (game->gui->IsWindowOpen("finish")) break;
            if (build->GetLevel() == cBuild::kNotBuilt || build->GetUsedPlaces() != 0) continue;
            ++finished;
            cObject* hovered = PointAt(*screen, build->GetPosition());
            if (hovered == build) {
                ++found;
            } else if (hovered == nullptr || !hovered->IsKindOf(kTypeMan)) {
                ADD_FAILURE() << build->GetName() << " (" << build->GetSprite() << "): the pointer on its middle finds "
                              << (hovered != nullptr ? hovered->GetName() : std::string("nothing"));
            }
        }
        DrawGame();
        test::SaveShotPng(image_, kWidth, kHeight, "footprints_" + id + "_built.png");
        app->ShowComics("menu", "level");
        Frames(2);
    }
    EXPECT_GT(finished, 0);
    EXPECT_GT(found, 0);
}

}  // namespace
