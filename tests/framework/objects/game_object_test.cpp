// cGameObject: the work timer, the order verdict, reservations and places, the hint
// pop-up and the notices it holds, the footprint on the grid, the radius and hit
// test, and its level record.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/files/byte_stream.h"
#include "framework/objects/game_object.h"
#include "framework/objects/node.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kTick = 1.0f / 30.0f;

// A game object whose cost and hint the test sets, and that notes state changes and
// may refuse them.
class ProbeObject : public cGameObject {
public:
    using cGameObject::cGameObject;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override
    {
        changes.push_back({oldState, newState});
        return refuse;
    }
    ResourceVector GetCost() override { return cost; }
    std::string GetHintText() override { return hint; }

    std::vector<StateChange> changes;
    int32_t refuse = 0;
    ResourceVector cost;
    std::string hint;
};

class GameObjectTest : public ::testing::Test {
protected:
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeLevelOwner owner_;
    ProbeObject object_{&owner_};
};

TEST_F(GameObjectTest, Construction_SetsLayerTypeAndDefaults)
{
    EXPECT_EQ(object_.GetLayer(), 5);
    EXPECT_EQ(object_.GetTypeId(), 10);
    EXPECT_TRUE(object_.IsKindOf(10));
    EXPECT_TRUE(object_.IsKindOf(1));
    EXPECT_FALSE(object_.IsKindOf(12));
    EXPECT_TRUE(object_.IsInteractive());
    EXPECT_EQ(object_.GetState(), -1);
    EXPECT_EQ(object_.GetReservations(), 0u);
    EXPECT_EQ(object_.GetZoneWidth(), 1);
    EXPECT_EQ(object_.GetZoneHeight(), 1);
    EXPECT_EQ(object_.cGameObject::GetHintText(), "");
    EXPECT_EQ(object_.cGameObject::GetCost().Size(), 4u);
    EXPECT_TRUE(object_.cGameObject::GetYield().IsZero());
}

TEST_F(GameObjectTest, UpdateTimer_RestartsRunsDownAndSendsOneWorkTimerMessage)
{
    object_.SetTimerPeriod(2.0f);
    EXPECT_EQ(object_.UpdateTimer(kTick), kTimerRestarted);
    int running = 0;
    int32_t answer = kTimerRunning;
    while ((answer = object_.UpdateTimer(kTick)) == kTimerRunning && running < 1000) ++running;
    EXPECT_EQ(answer, kTimerIdle);
    // 2.0 s in steps of 1/30: the 60th step (give or take float rounding) ends it.
    EXPECT_NEAR(running, 59, 1);
    ASSERT_EQ(object_.changes.size(), 1u);
    EXPECT_EQ(object_.changes[0].newState, 1);
    EXPECT_EQ(object_.GetState(), 1);
    EXPECT_EQ(object_.GetTimerRemaining(), 0.0f);
    EXPECT_EQ(object_.UpdateTimer(kTick), kTimerRestarted);
    EXPECT_EQ(object_.changes.size(), 1u);
}

TEST_F(GameObjectTest, UpdateTimer_RunsDownByTheWorkersSpeed)
{
    // A worker twice as fast hands in twice the step: half the ticks.
    object_.SetTimerPeriod(1.0f);
    ASSERT_EQ(object_.UpdateTimer(2.0f * kTick), kTimerRestarted);
    int calls = 0;
    while (object_.UpdateTimer(2.0f * kTick) == kTimerRunning && calls < 1000) ++calls;
    EXPECT_NEAR(calls + 1, 15, 1);
    EXPECT_EQ(object_.GetState(), 1);
}

TEST_F(GameObjectTest, UpdateTimer_WithoutPeriodStaysIdle)
{
    EXPECT_EQ(object_.UpdateTimer(kTick), kTimerIdle);
    EXPECT_EQ(object_.GetTimerProgress(), 0.0f);
    EXPECT_TRUE(object_.changes.empty());
}

TEST_F(GameObjectTest, TimerProgress_IsTheUsedShareOfThePeriod)
{
    object_.SetTimerPeriod(2.0f);
    object_.SetTimerRemaining(0.5f);
    EXPECT_FLOAT_EQ(object_.GetTimerProgress(), 0.75f);
    // Setting the period leaves the running time alone.
    object_.SetTimerPeriod(4.0f);
    EXPECT_EQ(object_.GetTimerRemaining(), 0.5f);
}

TEST_F(GameObjectTest, StateChange_RefusedByOnStateChangeKeepsTheOldState)
{
    object_.refuse = 7;
    EXPECT_EQ(object_.SetState(0), 7);
    EXPECT_EQ(object_.GetState(), -1);
    object_.refuse = 0;
    EXPECT_EQ(object_.SetState(0), 0);
    EXPECT_EQ(object_.GetState(), 0);
}

struct OrderCase {
    const char* name;
    bool interactive;
    int32_t places;
    int32_t taken;         // places taken before asking
    uint32_t reservations;
    int32_t workersAt;     // the screen's count of workers at work there
    int32_t state;
    int32_t costWood;
    bool canPay;
    int32_t expected;
};

class GameObjectOrderTest : public GameObjectTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(GameObjectOrderTest, GetOrderState_FollowsTheRulesInOrder)
{
    const OrderCase& c = GetParam();
    object_.SetInteractive(c.interactive);
    object_.SetPlaces(c.places);
    for (int32_t i = 0; i < c.taken; ++i) object_.TakePlace();
    for (uint32_t i = 0; i < c.reservations; ++i) object_.AddReservation();
    owner_.workersAt = c.workersAt;
    object_.SetState(c.state);
    object_.cost.amounts[0] = c.costWood;
    owner_.hasResources = c.canPay;
    EXPECT_EQ(object_.GetOrderState(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameObjectOrderTest,
    ::testing::Values(
        OrderCase{"NotInteractive", false, 0, 0, 5, 0, -1, 10, false, 1},
        OrderCase{"NoFreePlace", true, 1, 1, 0, 0, -1, 0, true, -3},
        OrderCase{"NegativeCapacityHasNoPlace", true, -2, 0, 0, 0, -1, 0, true, -3},
        OrderCase{"OnePlaceReserved", true, 1, 0, 1, 0, -1, 0, true, -2},
        OrderCase{"ManyPlacesFilledByWorkersAndReservations", true, 3, 0, 1, 2, -1, 0, true, -2},
        OrderCase{"ManyPlacesWithRoomLeft", true, 3, 0, 1, 1, -1, 0, true, 0},
        OrderCase{"WorkUnderWayIgnoresTheCost", true, 1, 0, 0, 0, 0, 10, false, 0},
        OrderCase{"FreeOfCost", true, 1, 0, 0, 0, -1, 0, false, 0},
        OrderCase{"CostThatCanBePaid", true, 1, 0, 0, 0, -1, 10, true, 0},
        OrderCase{"CostThatCannotBePaid", true, 1, 0, 0, 0, 1, 10, false, 2}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

TEST_F(GameObjectTest, GetOrderState_WithoutOwnerCannotPayACost)
{
    ProbeObject lonely(nullptr);
    lonely.cost.amounts[1] = 3;
    EXPECT_EQ(lonely.GetOrderState(), 2);
}

TEST_F(GameObjectTest, Reservations_CountUpDownNeverBelowZeroAndClear)
{
    EXPECT_EQ(object_.RemoveReservation(), 0u);
    object_.AddReservation();
    object_.AddReservation();
    object_.AddReservation();
    EXPECT_EQ(object_.RemoveReservation(), 2u);
    object_.ClearReservations();
    EXPECT_EQ(object_.GetReservations(), 0u);
    EXPECT_EQ(object_.RemoveReservation(), 0u);
}

TEST_F(GameObjectTest, Places_TakeAndReleaseWithinTheCapacity)
{
    object_.SetPlaces(2);
    EXPECT_TRUE(object_.TakePlace());
    EXPECT_TRUE(object_.TakePlace());
    EXPECT_FALSE(object_.TakePlace());
    EXPECT_EQ(object_.GetUsedPlaces(), 2);
    EXPECT_TRUE(object_.ReleasePlace());
    EXPECT_TRUE(object_.ReleasePlace());
    EXPECT_FALSE(object_.ReleasePlace());
    EXPECT_EQ(object_.GetFreePlaces(), 2);
}

TEST_F(GameObjectTest, Hint_OpensOnHoverRefreshesEveryFifteenthTickAndClosesOnLeave)
{
    object_.hint = "Chop the log";
    EXPECT_EQ(object_.OnMessage(kMessageMouseHover, 0), 0);
    ASSERT_EQ(owner_.hintCalls.size(), 1u);
    EXPECT_EQ(owner_.hintCalls[0].object, &object_);
    EXPECT_EQ(owner_.hintCalls[0].text, "");
    CaptionHandle* handle = object_.GetHintHandle();
    ASSERT_NE(handle, nullptr);

    for (int tick = 1; tick <= 45; ++tick) {
        object_.Update();
        const size_t expected = static_cast<size_t>(tick / 15);
        ASSERT_EQ(owner_.captionTexts.size(), expected) << "tick " << tick;
    }
    EXPECT_EQ(owner_.captionTexts[2].first, handle);
    EXPECT_EQ(owner_.captionTexts[2].second, "Chop the log");

    object_.OnMessage(kMessageMouseLeave, 0);
    ASSERT_EQ(owner_.releasedCaptions.size(), 1u);
    EXPECT_EQ(owner_.releasedCaptions[0], handle);
    EXPECT_EQ(object_.GetHintHandle(), nullptr);
    // Nothing open: leaving again releases nothing, and no refresh is sent.
    object_.OnMessage(kMessageMouseLeave, 0);
    for (int tick = 0; tick < 15; ++tick) object_.Update();
    EXPECT_EQ(owner_.releasedCaptions.size(), 1u);
    EXPECT_EQ(owner_.captionTexts.size(), 3u);
}

TEST_F(GameObjectTest, Notice_HoldsThePopupItsTimeThenGivesItBackToTheHintOrCloses)
{
    object_.hint = "Mend the bridge";
    owner_.hovered = &object_;
    object_.OnMessage(kMessageMouseHover, 0);
    // A refused order: the screen shows its notice and the object holds it.
    owner_.ShowHint(&object_, "Not enough: 20", 0.0f);
    object_.HoldNotice();
    ASSERT_EQ(owner_.hintCalls.size(), 2u);
    for (int tick = 1; tick < cGameObject::kNoticeTicks; ++tick) {
        object_.Update();
        // Neither the refresh, a new hover nor the pointer leaving touches it.
        object_.OnMessage(kMessageMouseHover, 0);
        if (tick == 20) object_.OnMessage(kMessageMouseLeave, 0);
        if (tick == 21) object_.OnMessage(kMessageMouseHover, 0);
    }
    EXPECT_TRUE(object_.IsNoticeShown());
    EXPECT_TRUE(owner_.captionTexts.empty());
    EXPECT_TRUE(owner_.releasedCaptions.empty());
    EXPECT_EQ(owner_.hintCalls.size(), 2u);
    // Its time over with the pointer still here: the hint text comes back.
    object_.Update();
    EXPECT_FALSE(object_.IsNoticeShown());
    ASSERT_EQ(owner_.hintCalls.size(), 3u);
    EXPECT_EQ(owner_.hintCalls[2].text, "");
    for (int tick = 0; tick < cGameObject::kHintRefreshTicks; ++tick) object_.Update();
    EXPECT_EQ(owner_.captionTexts.size(), 1u);

    // With the pointer gone by then, the notice closes.
    owner_.ShowHint(&object_, "Not enough: 20", 0.0f);
    object_.HoldNotice();
    CaptionHandle* notice = object_.GetHintHandle();
    owner_.hovered = nullptr;
    object_.OnMessage(kMessageMouseLeave, 0);
    for (int tick = 0; tick < cGameObject::kNoticeTicks; ++tick) object_.Update();
    ASSERT_EQ(owner_.releasedCaptions.size(), 1u);
    EXPECT_EQ(owner_.releasedCaptions[0], notice);
    EXPECT_EQ(object_.GetHintHandle(), nullptr);
    EXPECT_EQ(owner_.hintCalls.size(), 4u);
}

TEST_F(GameObjectTest, Destruction_HandsAnOpenHintBack)
{
    CaptionHandle* handle = nullptr;
    {
        cGameObject doomed(&owner_);
        doomed.OnMessage(kMessageMouseHover, 0);
        handle = doomed.GetHintHandle();
    }
    ASSERT_EQ(owner_.releasedCaptions.size(), 1u);
    EXPECT_EQ(owner_.releasedCaptions[0], handle);
}

TEST_F(GameObjectTest, WorkTimerMessage_SetsStateOne)
{
    EXPECT_EQ(object_.OnMessage(kMessageWorkTimer, 0), 0);
    EXPECT_EQ(object_.GetState(), 1);
    EXPECT_EQ(object_.OnMessage(9999, 0), 0);
}

TEST_F(GameObjectTest, MarkZone_WritesEveryFootprintCell)
{
    object_.SetPosition(48.0f * 3.5f, 48.0f * 4.5f);
    object_.SetZoneSize(3, 2);
    object_.MarkZone(1);
    EXPECT_EQ(owner_.markedCells.size(), 6u);
    for (int32_t x = 2; x <= 4; ++x) {
        for (int32_t y = 3; y <= 4; ++y) EXPECT_TRUE(owner_.IsBlocked(x, y)) << x << "," << y;
    }
    EXPECT_EQ(owner_.GetCellCostAt({3, 4}), -2);
    object_.MarkZone(0);
    EXPECT_FALSE(owner_.IsBlocked(3, 4));
}

TEST_F(GameObjectTest, MarkZone_ChangesNothingWithoutFootprintOrOutsideTheGrid)
{
    object_.SetPosition(100.0f, 100.0f);
    object_.SetZoneSize(0, 2);
    object_.MarkZone(1);
    object_.SetZoneSize(2, 2);
    object_.SetPosition(-100.0f, 100.0f);
    object_.MarkZone(1);
    EXPECT_TRUE(owner_.markedCells.empty());
}

TEST_F(GameObjectTest, ZoneRect_SurroundsTheFootprintWithAFlatRing)
{
    object_.SetPosition(200.0f, 100.0f);
    object_.SetZoneSize(2, 1);
    Rect rect;
    object_.GetZoneRect(rect);
    // W = 96, H = 48, A = 38.4, B = 15.36.
    EXPECT_FLOAT_EQ(rect.x, 200.0f - 48.0f - 38.4f);
    EXPECT_FLOAT_EQ(rect.y, 100.0f - 24.0f - 15.36f);
    EXPECT_FLOAT_EQ(rect.width, 96.0f + 76.8f);
    EXPECT_FLOAT_EQ(rect.height, 48.0f + 30.72f);
    // A zero footprint counts as one cell.
    object_.SetZoneSize(0, 0);
    object_.GetZoneRect(rect);
    EXPECT_FLOAT_EQ(rect.width, 48.0f * 1.8f);
}

TEST_F(GameObjectTest, RadiusAndHitTest_UseTheCurrentFrame)
{
    EXPECT_EQ(object_.HitTest(vec2{0.0f, 0.0f}), 0);  // no animation
    test::RegisterTestSprite("hut", 1, 10.0f, 40.0f, 20.0f, 20.0f, 0.0f);
    ASSERT_TRUE(object_.AddAnimation("main", "hut"));
    object_.PlayAnimation("main", kPlayStopped);
    object_.SetPosition(100.0f, 100.0f);
    EXPECT_FLOAT_EQ(object_.GetRadius(), 20.0f);
    EXPECT_NE(object_.HitTest(vec2{101.0f, 110.0f}), 0);
    EXPECT_EQ(object_.HitTest(vec2{80.0f, 110.0f}), 0);   // on the left edge
    EXPECT_EQ(object_.HitTest(vec2{101.0f, 120.0f}), 0);  // on the top edge
    Rect rect;
    object_.GetRect(rect, 7);
    EXPECT_EQ(rect.x, 80.0f);
    EXPECT_EQ(rect.width, 40.0f);

    cNode node(&owner_);
    object_.Attach(&node);
    EXPECT_EQ(object_.GetRadius(), 0.0f);
    object_.DetachAll();
}

TEST_F(GameObjectTest, SaveLoad_RoundTripKeepsTheRecordAndAddsNothing)
{
    object_.SetName("log00");
    object_.SetText("a;b");
    object_.SetLinkId(3);
    object_.SetPosition(10.0f, 20.0f);
    vrk::cByteStream stream;
    ASSERT_TRUE(object_.Save(stream));
    cObject plain(&owner_);
    vrk::cByteStream plainStream;
    plain.Save(plainStream);

    ProbeObject copy(&owner_);
    ASSERT_TRUE(copy.Load(stream, 100));
    EXPECT_EQ(copy.GetLayer(), 5);
    EXPECT_EQ(copy.GetName(), "log00");
    EXPECT_EQ(copy.GetText(), "a;b");
    EXPECT_EQ(copy.GetLinkId(), 3);
    EXPECT_EQ(copy.GetPosition(), vec2(10.0f, 20.0f));
    EXPECT_EQ(stream.Cursor(), stream.Bytes().size());
    // The record is cObject's, byte for byte apart from the strings and values.
    EXPECT_EQ(stream.Bytes().size(), plainStream.Bytes().size() + 5u + 3u);
}

}  // namespace
