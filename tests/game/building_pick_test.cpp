// A building's picture is the building's for the pointer: on every level, with every
// site and building raised in turn step by step, each solid point of its picture
// that no picture drawn in front covers picks the building or nothing, never what
// stands behind it (a roof passing the click to a bridge, a lamp to a tree). Also
// the red roof of level "000"'s first house, once built, taking the hover and the
// click through the level screen's own mouse events (and, with a worker inside,
// still hiding the bridge behind it), and a picture of the pointer resting there
// ("building_roof_screenshot.png" beside the build).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/level/level_table.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kLoadTicks = 30;
constexpr int kSettleTicks = 60;
// World units between the points tried over a picture.
constexpr float kSampleStep = 3.0f;
// Work ticks one building step may take at most (a special building pays its price
// in instalments): well past the slowest.
constexpr int kMostWorkTicks = 200000;
// Every kind of stock a site may ask for, plenty of each.
constexpr int32_t kPlenty = 1000000;
// Level "000": the first house and the broken bridge behind its roof, where the
// player saw the bridge take the pointer.
constexpr uint32_t kFirstLevel = 0;
constexpr const char* kFirstHouse = "house0";
constexpr const char* kBridgeBehind = "bridge1";
// Window pixels between the points tried when looking for the roof over the bridge.
constexpr int32_t kPixelStep = 2;
// The enemy's tower stands as the level puts it: nobody raises it.
constexpr const char* kEnemyTower = "tower_enemy00";

std::string Label(const cObject& object) { return object.GetName() + " (" + object.GetSprite() + ")"; }

void FillStock(cMagicWidget& screen)
{
    for (int32_t& amount : screen.Stock().amounts) amount = kPlenty;
}

// The building raised one level the way a worker raises it: set to work and its
// work timer run tick by tick, with the stock full.
bool RaiseOneStep(cMagicWidget& screen, cBuild& build)
{
    const int32_t before = build.GetLevel();
    build.SetState(kStateWorking);
    for (int tick = 0; tick < kMostWorkTicks && build.GetLevel() == before; ++tick) {
        FillStock(screen);
        build.UpdateTimer(cObject::kTickSeconds);
    }
    return build.GetLevel() > before;
}

// The objects the level screen draws after the one given, in front of it.
std::vector<const cObject*> DrawnAfter(cMagicWidget& screen, const cObject& object)
{
    ObjectList order;
    screen.FindObjectsOfKind(order, kTypeObject, -1);
    std::vector<const cObject*> inFront;
    bool behind = true;
    for (const cObject* drawn : order) {
        if (!behind) inFront.push_back(drawn);
        if (drawn == &object) behind = false;
    }
    return inFront;
}

// What the points of one building's picture picked.
struct PictureVerdict {
    int tried = 0;
    std::vector<std::string> leaks;
};

// Every solid point of the building's picture, on a grid, that nothing drawn in
// front of it shows at: the level screen's own pick there must be the building or
// nobody.
PictureVerdict TryPicture(cMagicWidget& screen, cBuild& build, const std::string& stage)
{
    PictureVerdict verdict;
    const std::vector<const cObject*> inFront = DrawnAfter(screen, build);
    Rect frame;
    build.GetFrameRect(frame, -1);
    for (float y = frame.y + kSampleStep * 0.5f; y < frame.y + frame.height; y += kSampleStep) {
        for (float x = frame.x + kSampleStep * 0.5f; x < frame.x + frame.width; x += kSampleStep) {
            const vec2 point{x, y};
            if (build.CoverAt(point) != vrk::kCoverSolid) continue;
            bool covered = false;
            for (const cObject* front : inFront) covered = covered || front->ShowsAt(point);
            if (covered) continue;
            ++verdict.tried;
            int32_t part = 0;
            const cObject* picked = screen.PickAt(point, part);
            if (picked == nullptr || picked == &build) continue;
            char where[48];
            std::snprintf(where, sizeof where, " at (%.0f, %.0f)", static_cast<double>(x), static_cast<double>(y));
            verdict.leaks.push_back(stage + ": " + Label(build) + " level " + std::to_string(build.GetLevel()) +
                                    where + " picks " + Label(*picked));
        }
    }
    return verdict;
}

template <class Tour>
class BuildingPicks : public Tour {
protected:
    // Trees sway from a random phase: each level starts from its own seed.
    cMagicWidget* LoadLevel(uint32_t index)
    {
        this->app->GetRandomGen().seed = index;
        return this->ShowLevel(index, kLoadTicks);
    }
    void LeaveLevel()
    {
        this->app->ShowComics("menu", "level");
        this->Frames(2);
    }

    // Level "000" in play with its talk over and its first house built.
    cBuild* FirstHouseBuilt()
    {
        this->StartGame();
        EXPECT_EQ(this->app->LogonPlayer(""), 0);
        screen_ = LoadLevel(kFirstLevel);
        if (screen_ == nullptr) return nullptr;
        screen_->EndTalk();
        auto* house = dynamic_cast<cBuild*>(screen_->FindObject(kFirstHouse, -1));
        if (house == nullptr || !RaiseOneStep(*screen_, *house)) return nullptr;
        // The finished picture fades in over the last work frame, and the talk's
        // bars leave the screen.
        this->Frames(kSettleTicks);
        return house;
    }
    vec2 PixelWorld(int32_t x, int32_t y) const
    {
        return screen_->ScreenToWorld(
            vec2{static_cast<float>(x), static_cast<float>(test::GameTour::kWindowHeight - y)});
    }
    // The window pixel nearest the middle of the part of the house's solid picture
    // that the bridge behind would answer at, with nothing drawn in front of the house.
    bool RoofOverTheBridge(const cBuild& house, cGameObject& bridge, int32_t& roofX, int32_t& roofY) const
    {
        const std::vector<const cObject*> inFront = DrawnAfter(*screen_, house);
        std::vector<std::pair<int32_t, int32_t>> found;
        for (int32_t y = 0; y < test::GameTour::kWindowHeight; y += kPixelStep) {
            for (int32_t x = 0; x < test::GameTour::kWindowWidth; x += kPixelStep) {
                const vec2 point = PixelWorld(x, y);
                if (house.CoverAt(point) != vrk::kCoverSolid || bridge.HitTest(point) == 0) continue;
                bool covered = false;
                for (const cObject* front : inFront) covered = covered || front->ShowsAt(point);
                if (!covered) found.emplace_back(x, y);
            }
        }
        if (found.empty()) return false;
        std::tie(roofX, roofY) = found[found.size() / 2];
        return true;
    }

    cMagicWidget* screen_ = nullptr;
};

using BuildingPickTest = BuildingPicks<test::GameTour>;

TEST_F(BuildingPickTest, EverySolidPointOfABuildingsPicture_PicksTheBuildingOrNothing_OnEveryLevelAsItRises)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    int tried = 0;
    for (uint32_t index = 0; index < kLevelCount; ++index) {
        char id[8];
        std::snprintf(id, sizeof id, "%03u", index);
        SCOPED_TRACE(std::string("level ") + id);
        cMagicWidget* screen = LoadLevel(index);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->GetLevelName(), id);
        FillStock(*screen);
        ObjectList builds;
        screen->FindObjectsOfKind(builds, kTypeBuild, -1);
        std::vector<std::string> leaks;
        const auto tryPicture = [&](cBuild& build, const char* stage) {
            const PictureVerdict verdict = TryPicture(*screen, build, std::string(id) + " " + stage);
            tried += verdict.tried;
            leaks.insert(leaks.end(), verdict.leaks.begin(), verdict.leaks.end());
        };
        for (cObject* object : builds) {
            auto* build = dynamic_cast<cBuild*>(object);
            ASSERT_NE(build, nullptr);
            tryPicture(*build, "as loaded");
            if (build->IsHomeBase() || build->GetSprite() == kEnemyTower) continue;
            while (build->GetLevel() < build->GetMaxLevel()) {
                ASSERT_TRUE(RaiseOneStep(*screen, *build)) << Label(*build) << " never rose";
                tryPicture(*build, "raised");
            }
        }
        LeaveLevel();
        // One line a building and stage is enough to see where.
        std::string last;
        for (const std::string& line : leaks) {
            const std::string head = line.substr(0, line.find(" at ("));
            if (head != last) ADD_FAILURE() << line;
            last = head;
        }
    }
    EXPECT_GT(tried, 0);
}

TEST_F(BuildingPickTest, RoofOfLevel000sFirstHouse_TakesTheHoverAndTheClickFromTheBridgeBehind)
{
    cBuild* house = FirstHouseBuilt();
    ASSERT_NE(house, nullptr);
    ASSERT_EQ(house->GetLevel(), 0);
    auto* bridge = dynamic_cast<cGameObject*>(screen_->FindObject(kBridgeBehind, -1));
    ASSERT_NE(bridge, nullptr);
    // The roof is the house's solid picture, drawn over the bridge, which answers a
    // click there on its own and could be ordered.
    int32_t roofX = 0, roofY = 0;
    ASSERT_TRUE(RoofOverTheBridge(*house, *bridge, roofX, roofY)) << "the house stands clear of the bridge";
    const vec2 roof = PixelWorld(roofX, roofY);
    ASSERT_EQ(house->CoverAt(roof), vrk::kCoverSolid);
    ASSERT_NE(bridge->HitTest(roof), 0);
    FillStock(*screen_);
    ASSERT_EQ(bridge->GetOrderState(), kOrderAllowed);
    // With a worker inside the house takes no click, and its roof still hides the
    // bridge: the pointer there picks nothing.
    ASSERT_TRUE(house->TakePlace());
    int32_t part = 0;
    EXPECT_EQ(screen_->PickAt(roof, part), nullptr) << "the roof let the pointer through to the bridge";
    EXPECT_TRUE(house->ReleasePlace());

    const int32_t bridgeState = bridge->GetState();
    MoveMouse(roofX, roofY);
    Frame();
    EXPECT_EQ(screen_->GetHoveredObject(), house) << "the roof let the pointer through";
    EXPECT_EQ(bridge->GetHintHandle(), nullptr) << "the bridge's price shows under the roof";
    PressMouse(0, roofX, roofY);
    ReleaseMouse(0, roofX, roofY);
    // The house stands at its top level: the click on it orders nothing, and
    // nothing behind it either.
    EXPECT_TRUE(screen_->Orders().empty());
    EXPECT_EQ(bridge->GetReservations(), 0u);
    Frame();
    EXPECT_TRUE(screen_->Orders().empty());
    EXPECT_EQ(bridge->GetState(), bridgeState);
}

class BuildingShotTest : public test::GameShot<BuildingPicks<test::GameTour>> {
protected:
    BuildingShotTest() : GameShot("building pick screenshot") {}
};

TEST_F(BuildingShotTest, PointerOnLevel000sFirstHousesRoof_HighlightsTheHouse)
{
    cBuild* house = FirstHouseBuilt();
    ASSERT_NE(house, nullptr);
    auto* bridge = dynamic_cast<cGameObject*>(screen_->FindObject(kBridgeBehind, -1));
    ASSERT_NE(bridge, nullptr);
    int32_t roofX = 0, roofY = 0;
    ASSERT_TRUE(RoofOverTheBridge(*house, *bridge, roofX, roofY));
    FillStock(*screen_);
    MoveMouse(roofX, roofY);
    Frame();
    ASSERT_EQ(screen_->GetHoveredObject(), house);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "building_roof_screenshot.png");
}

}  // namespace
