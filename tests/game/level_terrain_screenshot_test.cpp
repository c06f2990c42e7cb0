// Three play levels as the real game draws them on an OpenGL device from the real
// data: "002" (green summer), "010" (under snow) and "000" (two brooks under their
// bridges, a rock wall). The frames are written beside the build
// (terrain_NNN.png) for a look; at every grid cell's centre that no object, HUD
// control or sprite covers, the frame shows an obstacle's colours where the level's
// grid blocks the cell and open ground's where it is walkable.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "framework/app/player_base.h"
#include "framework/objects/object.h"
#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/terrain_colours.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr const char* kLevelFolder = KELVARA_SOURCE_DIR "/data/level/";
constexpr int kLoadTicks = 30;
// The share of the checked cells that must show their family: snowflakes and rain
// drift over a few centres.
constexpr float kRightShare = 0.9f;

struct Checked {
    int cells = 0;
    int right = 0;
    int obstacles = 0;
};

class LevelTerrainScreenshotTest : public test::GameShot<test::GameTour> {
protected:
    LevelTerrainScreenshotTest() : GameShot("terrain screenshot") {}

    cMagicWidget* LoadLevel(size_t index)
    {
        cMagicWidget* screen = ShowLevel(static_cast<uint32_t>(index), kLoadTicks);
        if (screen == nullptr) return nullptr;
        // The opening talk's bars and windows would hide the ground.
        screen->EndTalk();
        Frames(kLoadTicks);
        return screen;
    }

    // Whether an object's picture or a usable HUD control lies over the point.
    bool Covered(cMagicWidget& screen, const vec2& point)
    {
        ObjectList all;
        screen.FindObjectsOfKind(all, kTypeObject, -1);
        for (cObject* object : all) {
            if (object->GetTypeId() == kTypeBack) continue;
            Rect frame;
            object->GetFrameRect(frame, -1);
            if (point.x >= frame.x && point.x <= frame.x + frame.width && point.y >= frame.y &&
                point.y <= frame.y + frame.height) {
                return true;
            }
        }
        vrk::cWindow* window = game->gui->FindWindow("level");
        if (window == nullptr) return false;
        const vec2 at = screen.WorldToScreen(point);
        for (const auto& control : window->Controls()) {
            if (!control->IsUsable()) continue;
            const vrk::GuiRect rect = control->GetRect();
            if (at.x >= rect.x && at.x <= rect.x + rect.width && at.y >= rect.y && at.y <= rect.y + rect.height) {
                return true;
            }
        }
        return false;
    }

    Checked CheckFrame(size_t index, cMagicWidget& screen)
    {
        const std::string id = test::LevelNumber(index);
        test::TerrainLevel level;
        EXPECT_TRUE(test::ReadTerrainLevel(kLevelFolder + std::string("level") + id + ".lvl", level));
        const std::vector<test::ColourFamily> families = test::ReadFamilies(test::SeasonOfLevel(index));
        const GridGeometry grid = test::TerrainGrid();
        Checked checked;
        std::string wrong;
        for (int32_t x = 0; x < test::kTerrainGridWidth; ++x) {
            for (int32_t y = 0; y < test::kTerrainGridHeight; ++y) {
                const vec2 centre = GridCellCentre(grid, GridCell{x, y});
                if (!test::CentreInArea(centre) || Covered(screen, centre)) continue;
                const int px = std::clamp(static_cast<int>(centre.x), 0, kWidth - 1);
                const int py = std::clamp(static_cast<int>(centre.y), 0, kHeight - 1);
                const test::ShotRgb shot = At(px, py);
                const int family = test::NearestFamily(families, test::TerrainRgb{shot.r, shot.g, shot.b});
                const bool obstacle = level.Cost(x, y) < 0.0f;
                ++checked.cells;
                checked.obstacles += obstacle ? 1 : 0;
                if (family >= 0 && families[static_cast<size_t>(family)].obstacle == obstacle) {
                    ++checked.right;
                } else {
                    wrong += " " + std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
        EXPECT_GE(static_cast<float>(checked.right), kRightShare * static_cast<float>(checked.cells))
            << "level " << id << " cells showing the other side's colours:" << wrong;
        return checked;
    }
};

TEST_F(LevelTerrainScreenshotTest, GreenSnowAndWaterLevels_ShowTheirGridsGroundUnderTheObjects)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    for (size_t index : {size_t{2}, size_t{10}, size_t{0}}) {
        const std::string id = test::LevelNumber(index);
        SCOPED_TRACE("level " + id);
        cMagicWidget* screen = LoadLevel(index);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->GetLevelName(), id);
        DrawGame();
        test::SaveShotPng(image_, kWidth, kHeight, "terrain_" + id + ".png");
        const Checked checked = CheckFrame(index, *screen);
        EXPECT_GT(checked.cells, 100);
        EXPECT_GT(checked.obstacles, index == 0 ? 20 : 5);
        app->ShowComics("menu", "level");
        Frames(2);
    }
}

}  // namespace
