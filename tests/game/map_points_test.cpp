// The level map's points on its picture and under the pointer: every point and
// every path dot, for any number of open levels, lies wholly on the open parchment
// (never on the lake, the mountains, the parchment's edge or the land beyond it);
// and the pointer hovers and picks the point drawn under it, with the map opened
// and scrolled to its top.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "framework/objects/map_path.h"
#include "framework/objects/map_point.h"
#include "game/screens/map_widget.h"
#include "tests/game/support/back_picture.h"
#include "tests/game/support/game_tour.h"

namespace {

// How far the painted pictures reach round their position: a point's disc of 19.5
// with its outline, a dot's of 5 with its outline.
constexpr float kPointRadius = 21.0f;
constexpr float kDotRadius = 6.0f;
// Summed RGB difference within which a pixel is one of the named colours.
constexpr int kColourReach = 24;
// The cursor resting here neither scrolls the map nor covers a point.
constexpr int32_t kRestX = 512;
constexpr int32_t kRestY = 384;

struct NamedColour {
    const char* name;
    test::BackRgb rgb;
};

// The map scene's colours as tools/art_tool/art_back.lua paints them: the parchment
// (and its green speckles, half see-through) is the open land.
constexpr test::BackRgb kParchment{0xD8, 0xC8, 0xA0};
constexpr test::BackRgb kSpeckle{0x6A, 0x9A, 0x4A};
constexpr float kSpeckleAlpha = 128.0f / 255.0f;
constexpr NamedColour kClosedColours[] = {
    {"lake", {0x6A, 0xA8, 0xE0}},      {"lake shore", {0x3A, 0x6A, 0x9A}},
    {"rock", {0x9A, 0xA0, 0xA8}},      {"light rock", {0xB0, 0xB8, 0xC0}},
    {"rock edge", {0x5A, 0x60, 0x68}}, {"parchment edge", {0x8A, 0x74, 0x50}},
    {"sky", {0x8A, 0xB8, 0xE0}},       {"pale sky", {0xE8, 0xF4, 0xFF}},
    {"meadow", {0x8A, 0xB8, 0x60}},    {"far meadow", {0xA0, 0xC8, 0x78}},
};

int Distance(const test::BackRgb& a, const test::BackRgb& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// "open" for the parchment and its speckles (any cover between none and full, as a
// speckle's soft rim gives), else the nearest closed colour's name ("mixed" when
// the pixel is none of them).
std::string LandAt(const test::BackRgb& pixel)
{
    constexpr int kSteps = 16;
    int open = std::numeric_limits<int>::max();
    for (int step = 0; step <= kSteps; ++step) {
        const float cover = kSpeckleAlpha * static_cast<float>(step) / kSteps;
        const auto mix = [cover](int under, int over) {
            return static_cast<int>(std::lround(static_cast<float>(under) + (over - under) * cover));
        };
        open = std::min(open, Distance(pixel, {mix(kParchment.r, kSpeckle.r), mix(kParchment.g, kSpeckle.g),
                                               mix(kParchment.b, kSpeckle.b)}));
    }
    if (open <= kColourReach) return "open";
    const NamedColour* nearest = nullptr;
    for (const NamedColour& colour : kClosedColours) {
        if (nearest == nullptr || Distance(pixel, colour.rgb) < Distance(pixel, nearest->rgb)) nearest = &colour;
    }
    return nearest != nullptr && Distance(pixel, nearest->rgb) <= kColourReach ? nearest->name : "mixed";
}

// What the disc round a scene point covers that is not open land, as "lake 120,
// rock 4"; empty when it all is.
std::string ClosedUnder(const test::BackPicture& picture, const vec2& centre, float radius)
{
    std::map<std::string, int> counts;
    const int reach = static_cast<int>(std::ceil(radius));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (static_cast<float>(dx * dx + dy * dy) > radius * radius) continue;
            const vec2 at{centre.x + static_cast<float>(dx), centre.y + static_cast<float>(dy)};
            const std::string land = picture.Contains(at) ? LandAt(picture.At(at)) : "off the picture";
            if (land != "open") ++counts[land];
        }
    }
    std::string text;
    for (const auto& [land, count] : counts) text += (text.empty() ? "" : ", ") + land + " " + std::to_string(count);
    return text;
}

std::string Where(const vec2& point)
{
    return "(" + std::to_string(static_cast<int>(point.x)) + ", " + std::to_string(static_cast<int>(point.y)) + ")";
}

class MapPointsTest : public test::GameTour {
protected:
    // The map opened for a player whose first `open` levels are open, the cursor
    // resting mid-screen.
    cMapWidget* OpenMap(size_t open)
    {
        StartGame();
        if (app->LogonPlayer("") != 0) return nullptr;
        SetOpenLevels(open);
        MoveMouse(kRestX, kRestY);
        app->ShowComics("map", "menu");
        Frames(test::kSceneTicks);
        return Screen<cMapWidget>("map");
    }
    void SetOpenLevels(size_t open)
    {
        cPlayerBase* player = app->GetActivePlayer();
        for (size_t level = 0; level < player->levelRecords.size(); ++level)
            player->levelRecords[level].state = level < open ? kLevelOpen : kLevelClosed;
    }
    static cMapPoint* Point(cMapWidget& map, int32_t index)
    {
        ObjectList found;
        map.FindObjectsByName(found, std::to_string(index), -1);
        return found.size() == 1 ? dynamic_cast<cMapPoint*>(found.front()) : nullptr;
    }
};

TEST_F(MapPointsTest, EveryPointAndPathDotLiesOnOpenParchment)
{
    cMapWidget* map = OpenMap(0);
    ASSERT_NE(map, nullptr);
    test::BackPicture picture;
    ASSERT_TRUE(picture.Read("map"));
    // The picture must still be the one these colours describe.
    EXPECT_EQ(LandAt(picture.At(vec2{512.0f, 348.0f})), "open");
    EXPECT_EQ(LandAt(picture.At(vec2{260.0f, 208.0f})), "lake");
    EXPECT_EQ(LandAt(picture.At(vec2{830.0f, 480.0f})), "light rock");

    const size_t levels = app->GetLevelCount();
    ObjectList points;
    map->FindObjectsOfKind(points, kTypeMapPoint, -1);
    EXPECT_EQ(points.size(), levels);
    for (cObject* point : points) {
        EXPECT_EQ(ClosedUnder(picture, point->GetPosition(), kPointRadius), "")
            << "point \"" << point->GetName() << "\" at " << Where(point->GetPosition());
    }

    // Levels open one after another; the spline's end spans bend differently for
    // each number of open points, so every number is drawn.
    ObjectList paths;
    map->FindObjectsOfKind(paths, kTypeMapPath, -1);
    ASSERT_EQ(paths.size(), 1u);
    auto* path = dynamic_cast<cMapPath*>(paths.front());
    ASSERT_NE(path, nullptr);
    std::set<std::pair<int, int>> checked;
    for (size_t open = 2; open <= levels; ++open) {
        SetOpenLevels(open);
        map->LinkObjects();
        ASSERT_EQ(path->GetPoints().size(), cMapPath::kDotsPerSpan * (open - 1));
        for (const vec2& dot : path->GetPoints()) {
            if (!checked.insert({static_cast<int>(dot.x), static_cast<int>(dot.y)}).second) continue;
            EXPECT_EQ(ClosedUnder(picture, dot, kDotRadius), "")
                << "path dot at " << Where(dot) << " with " << open << " levels open";
        }
    }
}

TEST_F(MapPointsTest, Pointer_HoversAndPicksThePointDrawnUnderIt)
{
    cMapWidget* map = OpenMap(0);
    ASSERT_NE(map, nullptr);
    SetOpenLevels(app->GetLevelCount());
    map->LinkObjects();
    // The window is the virtual screen's size, so a window pixel is a screen unit
    // (y down); the view shows the scene from its bottom-left corner up.
    const auto pick = [&](int32_t index, float viewBottom) {
        SCOPED_TRACE("point " + std::to_string(index));
        cMapPoint* point = Point(*map, index);
        ASSERT_NE(point, nullptr);
        const vec2 at = point->GetPosition();
        const auto x = static_cast<int32_t>(at.x);
        const auto y = static_cast<int32_t>(kWindowHeight - (at.y - viewBottom));
        MoveMouse(x, y);
        Frame();
        EXPECT_EQ(map->GetHoveredObject(), point);
        Click(x, y);
        EXPECT_EQ(app->GetActivePlayer()->currentLevel, static_cast<uint32_t>(index));
        EXPECT_EQ(point->IsSelected(), 1);
        MoveMouse(kRestX, kRestY);
        Frame();
    };

    // The map opens on its bottom, where the picture starts.
    ASSERT_EQ(map->GetViewCenter().y, kWindowHeight / 2.0f);
    pick(3, 0.0f);
    pick(20, 0.0f);

    // The cursor at the window's top edge scrolls the view up as far as it goes.
    MoveMouse(kRestX, 1);
    Frames(200);
    MoveMouse(kRestX, kRestY);
    Frames(30);
    const float top = cMapWidget::kSceneHeight - kWindowHeight;
    ASSERT_EQ(map->GetViewCenter().y, top + kWindowHeight / 2.0f);
    pick(36, top);
    pick(28, top);
}

}  // namespace
