// The level screen's life: the stock, the order queue and its reservations, the
// level file with its grid tail (also hostile ones), the objects it makes itself,
// clearing, the play tick's draw order and the progress bar.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "engine/files/byte_stream.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/animal.h"
#include "framework/objects/man.h"
#include "framework/objects/render_highlight.h"
#include "tests/framework/widgets/level_fixtures.h"
#include "tests/framework/widgets/widget_fixtures.h"

namespace {

using test::LevelTest;

ResourceVector Amounts(std::vector<int32_t> values) { return ResourceVector(values); }

TEST_F(LevelTest, Stock_StartsAtZeroPerResourceKind)
{
    ASSERT_EQ(level.Stock().Size(), 4u);
    EXPECT_TRUE(level.Stock().IsZero());
}

TEST_F(LevelTest, Stock_SpendingShortChangesNothing)
{
    level.AddResources(Amounts({10, 5, 3, 0}));
    EXPECT_TRUE(level.HasResources(Amounts({10, 5, 0, 0})));
    EXPECT_FALSE(level.SpendResources(Amounts({1, 6, 0, 0})));
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{10, 5, 3, 0}));
    EXPECT_TRUE(level.SpendResources(Amounts({4, 5, 1, 0})));
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{6, 0, 2, 0}));
}

TEST_F(LevelTest, Stock_AddingSaturatesInsteadOfWrapping)
{
    level.AddResources(Amounts({std::numeric_limits<int32_t>::max(), 0, 0, 0}));
    level.AddResources(Amounts({5, 0, 0, 0}));
    EXPECT_EQ(level.Stock().amounts[0], std::numeric_limits<int32_t>::max());
}

TEST(LevelStockTest, EmptyStockHasEverything)
{
    test::FakeAppServices app;
    app.resourceCount = 0;
    test::TestLevel level;
    EXPECT_EQ(level.Stock().Size(), 0u);
    EXPECT_TRUE(level.HasResources(ResourceVector()));
}

TEST_F(LevelTest, QueueOrder_ReservesForPartsZeroAndOne)
{
    cGameObject* target = level.AddAt(GridCell{1, 1});
    EXPECT_TRUE(level.QueueOrder(target, 0));
    EXPECT_TRUE(level.QueueOrder(target, 1));
    EXPECT_TRUE(level.QueueOrder(target, 2));
    EXPECT_TRUE(level.QueueOrder(target, -1));
    EXPECT_FALSE(level.QueueOrder(nullptr, 0));
    EXPECT_EQ(target->GetReservations(), 2u);
    EXPECT_EQ(level.Orders().size(), 4u);
    // With its one place reserved the object refuses another order.
    EXPECT_EQ(target->GetOrderState(), kOrderPlacesReserved);
    level.ClearOrders();
    EXPECT_TRUE(level.Orders().empty());
    EXPECT_EQ(target->GetReservations(), 0u);
    EXPECT_EQ(target->GetOrderState(), kOrderAllowed);
}

TEST_F(LevelTest, ArrivalAndTargetChange_TakeTheMatchingOrderOut)
{
    level.ForceMode(kModePlay);
    cGameObject* target = level.AddAt(GridCell{1, 1});
    cGameObject* other = level.AddAt(GridCell{2, 1});
    cMan worker(&level);
    level.QueueOrder(target, 0);
    level.QueueOrder(target, 2);
    level.QueueOrder(other, 1);
    level.Orders().front().worker = &worker;
    std::next(level.Orders().begin())->worker = &worker;

    WalkEvent arrived{&worker, target, 0};
    level.OnEvent(kMessageArrived, reinterpret_cast<intptr_t>(&arrived));
    ASSERT_EQ(level.Orders().size(), 2u);
    EXPECT_EQ(level.Orders().front().part, 2);
    EXPECT_EQ(target->GetReservations(), 0u);

    level.OnEvent(kMessageTargetChanged, reinterpret_cast<intptr_t>(&arrived));
    ASSERT_EQ(level.Orders().size(), 1u);
    EXPECT_EQ(level.Orders().front().target, other);
    EXPECT_EQ(other->GetReservations(), 1u);

    // No worker on the remaining order: an event of this worker leaves it alone.
    WalkEvent elsewhere{&worker, other, 0};
    level.OnEvent(kMessageArrived, reinterpret_cast<intptr_t>(&elsewhere));
    EXPECT_EQ(level.Orders().size(), 1u);
    level.OnEvent(kMessageArrived, 0);  // no data: nothing
    EXPECT_EQ(level.Orders().size(), 1u);
}

TEST_F(LevelTest, ClearLevel_ForgetsOrdersWhoseTargetsGo)
{
    cGameObject* target = level.AddAt(GridCell{1, 1});
    level.QueueOrder(target, 0);
    level.ClearLevel();
    EXPECT_TRUE(level.Orders().empty());
    level.ClearOrders();  // touches no deleted target
}

TEST_F(LevelTest, CreateObject_MakesTheLevelsOwnTypesOnTheirLayers)
{
    cObject* area = level.CreateObject(kTypeRenderArea, 0);
    cObject* highlight = level.CreateObject(kTypeRenderHighlight, 0);
    cObject* animal = level.CreateObject(kTypeAnimal, 0);
    ASSERT_NE(area, nullptr);
    ASSERT_NE(highlight, nullptr);
    ASSERT_NE(animal, nullptr);
    EXPECT_EQ(area->GetLayer(), 4);
    EXPECT_EQ(highlight->GetLayer(), 3);
    EXPECT_EQ(animal->GetLayer(), 6);
    EXPECT_EQ(level.GetRenderArea(), area);
    EXPECT_EQ(level.GetHighlight(), highlight);
    EXPECT_EQ(level.CreateObject(105, 0), nullptr);
    area->Draw();
    EXPECT_EQ(level.areaDraws, 1);
}

// A level stream with no objects and the given tail words.
vrk::cByteStream LevelStream(const std::vector<uint32_t>& tail, const std::string& name = "level000")
{
    vrk::cByteStream stream;
    test::WriteFrame(stream, 100, name, 0, 0);
    for (uint32_t word : tail) stream.WriteInt32(word);
    return stream;
}

uint32_t Bits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST_F(LevelTest, SaveAndLoad_KeepTheGridCostsAndExtraWords)
{
    level.Paint({"12#.",
                 "...."});
    level.SetCellExtra(3, 1, 77);
    level.SetCellBlocked(0, 0, true);  // object marks are not saved
    vrk::cByteStream stream;
    level.SaveLevel(stream, 100);

    test::TestLevel loaded;
    loaded.SetLevelSize(4 * 48.0f, 2 * 48.0f);
    ASSERT_TRUE(loaded.LoadLevel(stream, 100));
    EXPECT_EQ(loaded.GetCellCost(0, 1), 1);
    EXPECT_EQ(loaded.GetCellCost(1, 1), 2);
    EXPECT_EQ(loaded.GetCellCost(2, 1), -1);
    EXPECT_EQ(loaded.GetCellCost(0, 0), 0);
    EXPECT_EQ(loaded.GetCellExtra(3, 1), 77u);
    EXPECT_NE(loaded.GetRenderArea(), nullptr);
    EXPECT_NE(loaded.GetHighlight(), nullptr);
}

TEST_F(LevelTest, LoadLevel_KeepsOnlyCellsInsideTheCurrentGrid)
{
    level.SetLevelSize(2 * 48.0f, 2 * 48.0f);
    // A 3 x 1 file grid: x = 0, 1, 2 at y = 0.
    vrk::cByteStream stream = LevelStream({3, 1, Bits(0.7f), 1, Bits(10.0f), 2, Bits(0.7f), 3});
    ASSERT_TRUE(level.LoadLevel(stream, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 1);
    EXPECT_EQ(level.GetCellCost(1, 0), 2);
    EXPECT_EQ(level.GetCellExtra(1, 0), 2u);
    EXPECT_EQ(level.GetCellCost(0, 1), 0);  // not in the file: as the clearing left it
    EXPECT_EQ(level.GetGridWidth(), 2);
}

TEST_F(LevelTest, LoadLevel_StopsAtTruncatedGridTail)
{
    level.SetLevelSize(2 * 48.0f, 2 * 48.0f);
    // 2 x 2 announced, one and a half cells present.
    vrk::cByteStream stream = LevelStream({2, 2, Bits(0.7f), 5, Bits(10.0f)});
    ASSERT_TRUE(level.LoadLevel(stream, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 1);
    EXPECT_EQ(level.GetCellExtra(0, 0), 5u);
    EXPECT_EQ(level.GetCellCost(0, 1), 0);
}

TEST_F(LevelTest, LoadLevel_HugeGridTailReadsNoMoreThanTheBytes)
{
    vrk::cByteStream stream = LevelStream({0xFFFFFFFFu, 0xFFFFFFFFu, Bits(10.0f), 9});
    ASSERT_TRUE(level.LoadLevel(stream, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 2);
    EXPECT_EQ(level.GetCellExtra(0, 0), 9u);
    EXPECT_EQ(level.GetGridWidth(), 22);
}

TEST_F(LevelTest, LoadLevel_ZeroHeightOrMissingTailReadsNoCells)
{
    vrk::cByteStream zero = LevelStream({5, 0, Bits(10.0f), 1});
    ASSERT_TRUE(level.LoadLevel(zero, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 0);
    vrk::cByteStream none = LevelStream({});
    ASSERT_TRUE(level.LoadLevel(none, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 0);
    EXPECT_NE(level.GetHighlight(), nullptr);
}

TEST_F(LevelTest, LoadLevel_BrokenObjectSectionSkipsTheTail)
{
    vrk::cByteStream stream;
    test::WriteFrame(stream, 100, "broken", 0, 1);
    stream.WriteInt32(999);  // a type nobody makes
    stream.WriteInt32(0);
    for (uint32_t word : {1u, 1u, Bits(10.0f), 4u}) stream.WriteInt32(word);
    EXPECT_FALSE(level.LoadLevel(stream, 100));
    EXPECT_EQ(level.GetCellCost(0, 0), 0);
    EXPECT_EQ(level.GetCellExtra(0, 0), 0u);
    EXPECT_NE(level.GetRenderArea(), nullptr);
}

TEST_F(LevelTest, LoadLevel_ClearsTheLevelBefore)
{
    level.SetCellCost(1, 1, 2);
    level.SetCellBlocked(2, 2, true);
    level.AddTalk(0, "speech_hero", "Talk000_0");
    level.Tasks().Add(0, "money", 10, "icon", "Money_10");
    level.LinkObjects();
    vrk::cByteStream stream = LevelStream({});
    ASSERT_TRUE(level.LoadLevel(stream, 100));
    EXPECT_EQ(level.GetCellCost(1, 1), 0);
    EXPECT_FALSE(level.IsCellBlockedXY(2, 2));
    EXPECT_TRUE(level.GetTalks().empty());
    EXPECT_TRUE(level.Tasks().records.empty());
    EXPECT_TRUE(level.GetDestinationCells().empty());
    EXPECT_EQ(level.GetLevelName(), "level000");
}

TEST_F(LevelTest, TickPlay_SortsTheWalkersLayerHighestFirstAndStable)
{
    level.ForceMode(kModePlay);
    std::vector<cGameObject*> objects;
    for (float y : {10.0f, 50.0f, 10.0f, 30.0f}) {
        auto* object = new cGameObject(&level);
        object->SetPosition(0.0f, y);
        object->SetLayerField(6);
        level.AddObject(object, 0);
        objects.push_back(object);
    }
    level.Tick();
    const ObjectList& layer = level.GetLayers()[6];
    ASSERT_EQ(layer.size(), 4u);
    EXPECT_EQ(layer[0], objects[1]);
    EXPECT_EQ(layer[1], objects[3]);
    EXPECT_EQ(layer[2], objects[0]);
    EXPECT_EQ(layer[3], objects[2]);
}

TEST_F(LevelTest, EditorOnLoad_CountsAsEditorAndEntersItWhenLoadingEnds)
{
    vrk::GetTextureMap().clear();
    level.SetEditorOnLoad(true);
    EXPECT_TRUE(level.IsEditorMode());
    level.OnFocus();
    level.Tick();
    EXPECT_EQ(level.GetMode(), kModeEditor);
    EXPECT_FALSE(level.IsEditorOnLoad());
    EXPECT_TRUE(level.IsEditorMode());
}

TEST_F(LevelTest, InitLevel_TakesTheMarkerAndBarSprites)
{
    test::RegisterTestSprite("target", 3, 10.0f, 16.0f, 16.0f);
    test::RegisterTestSprite("progress", 2, 0.0f, 40.0f, 8.0f);
    level.InitLevel("level001");
    EXPECT_EQ(level.GetReservationMark()->play.frameCount, 3);
    EXPECT_EQ(level.GetReservationMark()->play.mode, kPlayStopped);
    EXPECT_EQ(level.GetReservationMark()->play.frame, 0);
    EXPECT_TRUE(level.GetProgressSprite().IsSprite());
}

TEST_F(LevelTest, WorkTimerAndReservations_DrawTheBarAndOneMarkEach)
{
    test::RegisterTestSprite("target", 1, 0.0f, 16.0f, 16.0f);
    test::RegisterTestSprite("progress", 2, 0.0f, 40.0f, 8.0f);
    vrk::VertexBatch batch;
    app.batch = &batch;
    level.InitLevel("level001");
    cGameObject* target = level.AddAt(GridCell{2, 2});
    target->SetTimerPeriod(4.0f);
    target->SetTimerRemaining(1.0f);
    level.QueueOrder(target, 0);
    level.QueueOrder(target, 1);
    target->DrawOverlay();
    // Bar background and fill, then two marks.
    EXPECT_EQ(batch.UsedVertices(), 4u * 6u);
    float left = 1e9f;
    for (uint32_t i = 0; i < 6; ++i) left = std::min(left, batch.vertices[i].x);
    EXPECT_FLOAT_EQ(left, target->GetPosition().x - 20.0f);
}

TEST_F(LevelTest, DrawProgress_FillIsCutToTheFraction)
{
    test::RegisterTestSprite("progress", 2, 0.0f, 40.0f, 8.0f);
    vrk::VertexBatch batch;
    app.batch = &batch;
    level.InitLevel("level001");
    level.DrawProgress(vec2{100.0f, 100.0f}, 0.25f);
    ASSERT_EQ(batch.UsedVertices(), 12u);
    float minX = 1e9f;
    float maxX = -1e9f;
    for (uint32_t i = 6; i < 12; ++i) {
        minX = std::min(minX, batch.vertices[i].x);
        maxX = std::max(maxX, batch.vertices[i].x);
    }
    EXPECT_FLOAT_EQ(minX, 80.0f);
    EXPECT_FLOAT_EQ(maxX, 90.0f);
    batch.Clear();
    level.DrawProgress(vec2{100.0f, 100.0f}, NAN);  // an empty fill, no garbage
    EXPECT_EQ(batch.UsedVertices(), 12u);
}

// What a scene object could still reach of its level when it was deleted.
struct LevelSeen {
    bool level = false;
    int32_t gridWidth = 0;
    size_t talks = 0;
    size_t orders = 0;
};

// A scene object that notes, when deleted, the level round it.
class LevelProbe : public cGameObject {
public:
    LevelProbe(cObjectOwner* owner, LevelSeen* seen) : cGameObject(owner), seen_(seen) {}
    ~LevelProbe() override
    {
        // Still the level screen only while the screen's own destructor runs.
        const auto* level = dynamic_cast<const cLevelWidget*>(GetOwner());
        seen_->level = level != nullptr;
        if (level == nullptr) return;
        seen_->gridWidth = level->GetGridWidth();
        seen_->talks = level->GetTalks().size();
        seen_->orders = level->Orders().size();
    }

private:
    LevelSeen* seen_;
};

TEST_F(LevelTest, Destructor_ClearsTheLevelWhileItsPartsExist)
{
    auto* other = new test::TestLevel();
    other->CreateObject(kTypeAnimal, 0)->SetSprite("chip");
    LevelSeen seen;
    auto* target = new LevelProbe(other, &seen);
    other->AddObject(target, 0);
    ASSERT_TRUE(other->QueueOrder(target, 0));
    other->AddTalk(0, "speech_hero", "Talk000_0");
    const int32_t gridWidth = other->GetGridWidth();
    ASSERT_GT(gridWidth, 0);
    delete other;
    // The objects went first, with the grid and the talks still there, and after
    // the order queue that pointed at them.
    EXPECT_TRUE(seen.level);
    EXPECT_EQ(seen.gridWidth, gridWidth);
    EXPECT_EQ(seen.talks, 1u);
    EXPECT_EQ(seen.orders, 0u);
}

}  // namespace
