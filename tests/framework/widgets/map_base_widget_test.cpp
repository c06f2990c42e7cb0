// The map screen: point states and medals from the player's records, the path
// through the open points, choosing the current level, the hover caption and the
// editor's numbering tool.
#include "framework/widgets/map_base_widget.h"

#include <gtest/gtest.h>

#include "framework/app/player_base.h"
#include "framework/objects/map_path.h"
#include "framework/objects/map_point.h"
#include "tests/framework/widgets/screen_fixtures.h"

namespace {

class TestMapWidget : public cMapBaseWidget {
public:
    vec2 GetMouseWorldPos() override { return mouseWorld; }
    void SetPending(int32_t type) { pendingType_ = type; }
    void Select(cObject* object) { selection_.assign(1, object); }
    vec2 mouseWorld{0.0f, 0.0f};
};

class MapBaseWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        StartGame();
        SetText("MapHintReady", "Level %i");
        SetText("MapHintReplay", "Level %i, %i plays, last %s %i, best %s %i");
    }

    // A map of points "0" .. count - 1 and one path, loaded by a focus.
    void FocusMap(int32_t count)
    {
        std::vector<std::pair<int32_t, std::string>> objects{{kTypeMapPath, ""}};
        for (int32_t i = 0; i < count; ++i) objects.emplace_back(kTypeMapPoint, std::to_string(i));
        WriteScene(*middle_.GetLevelFiles().GetMapStream(), "map", objects);
        // Spread out so the spline has room.
        widget_.OnFocus();
        for (int32_t i = 0; i < count; ++i) Point(i)->SetPosition(100.0f * static_cast<float>(i), 50.0f);
    }
    void SetStates(const std::vector<uint32_t>& states)
    {
        for (size_t i = 0; i < states.size(); ++i) Player()->levelRecords[i].state = states[i];
    }
    cMapPoint* Point(int32_t index)
    {
        ObjectList found;
        widget_.FindObjectsByName(found, std::to_string(index), -1);
        return found.empty() ? nullptr : dynamic_cast<cMapPoint*>(found.front());
    }
    cMapPath* Path()
    {
        ObjectList found;
        widget_.FindObjectsOfKind(found, kTypeMapPath, -1);
        return found.empty() ? nullptr : dynamic_cast<cMapPath*>(found.front());
    }

    TestMapWidget widget_;
};

TEST_F(MapBaseWidgetTest, LinkObjects_PointsShowTheRecordsStatesAndSelectTheCurrentLevel)
{
    FocusMap(5);
    SetStates({4, 3, 2, 1, 0});
    Player()->SetCurrentLevel(3);
    widget_.LinkObjects();
    const char* expected[] = {"gold", "silver", "bronze", "ready"};
    for (int32_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Point(i)->GetState(), 4 - i);
        EXPECT_EQ(Point(i)->GetAnimationKey(), expected[i]);
        EXPECT_EQ(Point(i)->IsSelected(), i == 3 ? 1 : 0);
    }
    EXPECT_EQ(Point(4)->GetState(), 0);
    EXPECT_EQ(Point(4)->GetAnimation(), nullptr);
}

TEST_F(MapBaseWidgetTest, LinkObjects_OnlyTheFirstLevelReadyLeavesThePathEmpty)
{
    FocusMap(3);
    EXPECT_EQ(Point(0)->GetState(), 1);
    EXPECT_EQ(Point(0)->GetAnimationKey(), "ready");
    EXPECT_EQ(Point(1)->GetAnimation(), nullptr);
    EXPECT_EQ(Point(2)->GetAnimation(), nullptr);
    ASSERT_NE(Path(), nullptr);
    EXPECT_TRUE(Path()->GetPoints().empty());
}

TEST_F(MapBaseWidgetTest, BuildPath_ThreeOpenPointsGiveTenDotsFromTheFirstPoint)
{
    FocusMap(4);
    SetStates({2, 3, 1, 0});
    widget_.LinkObjects();
    const std::vector<vec2>& dots = Path()->GetPoints();
    ASSERT_EQ(dots.size(), 10u);
    EXPECT_FLOAT_EQ(dots.front().x, 0.0f);
    EXPECT_FLOAT_EQ(dots[5].x, 100.0f);
    EXPECT_FLOAT_EQ(dots.back().y, 50.0f);
}

TEST_F(MapBaseWidgetTest, LinkObjects_PointsWithoutARecordOrNameStayClosed)
{
    std::vector<std::pair<int32_t, std::string>> objects{{kTypeMapPoint, "7"}, {kTypeMapPoint, ""}};
    WriteScene(*middle_.GetLevelFiles().GetMapStream(), "map", objects);
    SetStates({1, 1, 1, 1, 1});
    widget_.OnFocus();
    ObjectList points;
    ASSERT_EQ(widget_.FindObjectsOfKind(points, kTypeMapPoint, -1), 2u);
    for (cObject* point : points) EXPECT_EQ(point->GetState(), 0) << point->GetName();
}

TEST_F(MapBaseWidgetTest, OnObjectClick_SelectsThePointAndMakesItTheCurrentLevel)
{
    FocusMap(3);
    SetStates({2, 1, 0});
    widget_.LinkObjects();
    widget_.OnObjectClick(Point(1));
    EXPECT_EQ(Player()->currentLevel, 1u);
    EXPECT_EQ(Point(0)->IsSelected(), 0);
    EXPECT_EQ(Point(1)->IsSelected(), 1);
    // Nothing clicked: every point is let go and the level stays.
    widget_.OnObjectClick(nullptr);
    EXPECT_EQ(Point(1)->IsSelected(), 0);
    EXPECT_EQ(Player()->currentLevel, 1u);
}

TEST_F(MapBaseWidgetTest, Hover_ClosedPointIsNotHitAndShowsNoCaption)
{
    FocusMap(2);
    cMapPoint* closed = Point(1);
    EXPECT_EQ(closed->HitTest(closed->GetPosition()), 0);
    EXPECT_EQ(closed->GetHintText(), "");
    closed->OnMessage(kMessageMouseEnter, 0);
    EXPECT_FALSE(closed->HasCaption());
    EXPECT_EQ(Point(0)->HitTest(Point(0)->GetPosition()), 1);
}

TEST_F(MapBaseWidgetTest, Hover_FinishedLevelShowsTheResultsAtTheMouse)
{
    FocusMap(2);
    PlayerLevelRecord& record = Player()->levelRecords[0];
    record = PlayerLevelRecord{};
    record.state = 3;
    record.plays = 4;
    record.lastTime = 75.5f;
    record.lastScore = 900;
    record.bestTime = 59.9f;
    record.bestScore = 1200;
    widget_.LinkObjects();
    EXPECT_EQ(Point(0)->GetHintText(), "Level 1, 4 plays, last 1:15 900, best 0:59 1200");

    widget_.mouseWorld = vec2{300.0f, 200.0f};
    Point(0)->OnMessage(kMessageMouseEnter, 0);
    ASSERT_TRUE(Point(0)->HasCaption());
    ASSERT_EQ(widget_.GetCaptions().size(), 1u);
    EXPECT_FLOAT_EQ(widget_.GetCaptions().front().box.x, 325.0f);
    EXPECT_FLOAT_EQ(widget_.GetCaptions().front().box.y, 225.0f);
    Point(0)->OnMessage(kMessageMouseLeave, 0);
    EXPECT_FALSE(Point(0)->HasCaption());
}

TEST_F(MapBaseWidgetTest, GetHintText_OpenLevelUsesTheReadyText)
{
    FocusMap(1);
    EXPECT_EQ(Point(0)->GetHintText(), "Level 1");
}

TEST(MapPointTest, FormatTime_WholeMinutesAndSeconds)
{
    const std::pair<float, const char*> cases[] = {{0.0f, "0:00"}, {75.5f, "1:15"}, {59.99f, "0:59"}, {600.0f, "10:00"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(cMapPoint::FormatTime(seconds), text) << seconds;
}

TEST(MapPointTest, GetIndex_ReadsTheNameAsADecimalNumber)
{
    cMapPoint point(nullptr);
    const std::pair<const char*, int32_t> cases[] = {{"12", 12}, {"", 0}, {"7x", 7}, {"x7", 0}, {"-3", -3}};
    for (const auto& [name, index] : cases) {
        point.SetName(name);
        EXPECT_EQ(point.GetIndex(), index) << name;
    }
    point.SetIndex(5);
    EXPECT_EQ(point.GetName(), "5");
}

TEST_F(MapBaseWidgetTest, Update_GlowStopsAtItsLimitAndFallsBackAfterLeaving)
{
    FocusMap(1);
    cMapPoint* point = Point(0);
    point->OnMessage(kMessageMouseEnter, 0);
    // Three ticks come within rounding of the limit, the fourth stops there.
    for (int i = 0; i < 4; ++i) point->Update();
    EXPECT_EQ(point->GetHighlight(), cMapPoint::kMaxHighlight);
    EXPECT_EQ(point->GetHighlightSpeed(), 0.0f);
    point->OnMessage(kMessageMouseLeave, 0);
    for (int i = 0; i < 8; ++i) point->Update();
    EXPECT_EQ(point->GetHighlight(), 0.0f);
    EXPECT_EQ(point->GetHighlightSpeed(), 0.0f);
}

TEST_F(MapBaseWidgetTest, EditorTool7_NewPointTakesTheLowestFreeIndex)
{
    std::vector<std::pair<int32_t, std::string>> objects{{kTypeMapPoint, "0"}, {kTypeMapPoint, "1"},
                                                         {kTypeMapPoint, "3"}};
    WriteScene(*middle_.GetLevelFiles().GetMapStream(), "map", objects);
    widget_.OnFocus();
    widget_.SetPending(cMapBaseWidget::kIndexTool);
    widget_.OnMouseDown(0);
    ObjectList named;
    EXPECT_EQ(widget_.FindObjectsByName(named, "2", -1), 1u);
}

TEST_F(MapBaseWidgetTest, EditorTool7_ChangesNothingWithEveryIndexTakenOrOnOtherObjects)
{
    FocusMap(2);
    middle_.levelCount = 2;
    widget_.SetPending(cMapBaseWidget::kIndexTool);
    widget_.OnMouseDown(0);
    ObjectList points;
    widget_.FindObjectsOfKind(points, kTypeMapPoint, -1);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points.back()->GetName(), "");

    // Another tool leaves a selected point alone.
    cObject* plain = widget_.CreateObject(kTypeObject, 0);
    widget_.SetPending(kTypeObject);
    widget_.Select(plain);
    widget_.OnMouseDown(0);
    EXPECT_EQ(points.back()->GetName(), "");
}

TEST_F(MapBaseWidgetTest, FocusAndUnfocus_SceneGoesBackIntoTheStream)
{
    FocusMap(2);
    Point(1)->SetName("9");
    widget_.OnUnfocus();
    TestMapWidget second;
    second.OnFocus();
    ObjectList found;
    EXPECT_EQ(second.FindObjectsByName(found, "9", -1), 1u);
    EXPECT_EQ(widget_.GetMode(), kModeLoading);
}

TEST_F(MapBaseWidgetTest, ShowGuiAndSave_OpenTheMapWindowAndWriteTheFile)
{
    FocusMap(1);
    widget_.ShowGui();
    ASSERT_FALSE(middle_.windows.empty());
    EXPECT_EQ(middle_.windows.back().first, "map");
    widget_.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
}

TEST_F(MapBaseWidgetTest, EditorEntry_ShowsEveryPointAsReady)
{
    FocusMap(3);
    ModeChange change{kModePlay, kModeEditor};
    widget_.OnEditorEvent(kEventModeEntered, reinterpret_cast<uintptr_t>(&change));
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(Point(i)->GetState(), 1) << i;
    widget_.OnEditorEvent(kEventLeaveMode, reinterpret_cast<uintptr_t>(&change));
    EXPECT_EQ(Point(1)->GetState(), 0);
}

TEST(MapDataTest, CommittedMapHasFortyNumberedPointsAndAPath)
{
    RegisterFrameworkObjectTypes();
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(KELVARA_SOURCE_DIR "/data/level/map.lvl"), 0);
    cLevelFile level;
    ASSERT_TRUE(level.Load(stream));
    std::vector<std::string> names;
    int paths = 0;
    for (cObject* object : level.Objects()) {
        if (object->GetTypeId() == kTypeMapPoint) names.push_back(object->GetName());
        if (object->GetTypeId() == kTypeMapPath) ++paths;
    }
    ASSERT_EQ(names.size(), 40u);
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], std::to_string(i));
    EXPECT_EQ(paths, 1);
}

}  // namespace
