// The forty play levels as the started game loads them: every object with an even
// side (the 2 x 2 mills, lighthouses, towers, altars and the prison, the 3 x 2
// houses, the 4 x 3 ruins and ice castle, the 4 x 4 spring) stands on the middle of
// the cells the level screen counts under it, so its picture, drawn centred on its
// position, covers its footprint; and the middle of its picture answers the pointer
// moved there through the level screen's own mouse events.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr size_t kLevelCount = 40;
constexpr int kLoadTicks = 30;
// How far (world units) the middle of the footprint may lie from the position: the
// float rounding of the level file, far below the half cell (24 units) of a
// footprint standing off its picture.
constexpr float kMiddleTolerance = 0.5f;

std::string LevelId(size_t index)
{
    char id[8];
    std::snprintf(id, sizeof id, "%03zu", index);
    return id;
}

bool HasEvenSide(const cGameObject& object)
{
    return object.GetZoneWidth() % 2 == 0 || object.GetZoneHeight() % 2 == 0;
}

class LevelFootprintsTest : public test::GameTour {};

TEST_F(LevelFootprintsTest, EveryEvenSidedObjectStandsOnTheMiddleOfItsCellsAndAnswersThePointerThere)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    int checked = 0;
    int pointed = 0;
    for (size_t index = 0; index < kLevelCount; ++index) {
        SCOPED_TRACE("level " + LevelId(index));
        cMagicWidget* screen = ShowLevel(static_cast<uint32_t>(index), kLoadTicks);
        ASSERT_NE(screen, nullptr);
        screen->EndTalk();
        Frames(2);
        ObjectList objects;
        screen->FindObjectsOfKind(objects, kTypeGameObject, -1);
        for (cObject* object : objects) {
            auto* gameObject = dynamic_cast<cGameObject*>(object);
            if (gameObject == nullptr || !HasEvenSide(*gameObject)) continue;
            const std::string name = object->GetName() + " (" + object->GetSprite() + ")";
            GridCell first;
            GridCell last;
            ASSERT_TRUE(screen->GetObjectCells(object, first, last)) << name;
            EXPECT_EQ(last.x - first.x + 1, gameObject->GetZoneWidth()) << name;
            EXPECT_EQ(last.y - first.y + 1, gameObject->GetZoneHeight()) << name;
            const vec2 middle = (screen->CellToPoint(first) + screen->CellToPoint(last)) * 0.5f;
            const vec2 position = object->GetPosition();
            EXPECT_LE((middle - position).Length(), kMiddleTolerance)
                << name << " at " << position.x << "," << position.y << " has the middle of cells " << first.x << ","
                << first.y << " to " << last.x << "," << last.y << " at " << middle.x << "," << middle.y;
            ++checked;
            // The pointer on the picture's middle finds the object, unless a figure
            // walking there stands in front of it.
            cObject* hovered = PointAt(*screen, position);
            if (hovered != nullptr && hovered != object && !hovered->IsKindOf(kTypeMan)) {
                ADD_FAILURE() << name << ": the pointer on its middle finds " << hovered->GetName();
            } else if (hovered == object) {
                ++pointed;
            } else if (hovered == nullptr && object->HitTest(position) == 0) {
                ADD_FAILURE() << name << ": its middle answers no pointer";
            }
        }
        app->ShowComics("menu", "level");
        Frames(2);
    }
    // The levels' even-sided objects, each of them found by the pointer where it is
    // clickable at all.
    EXPECT_GE(checked, 175);
    EXPECT_GT(pointed, 0);
}

}  // namespace
