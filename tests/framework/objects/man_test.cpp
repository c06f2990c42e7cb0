// cMan: walking a path leg by leg at a constant speed per tick, arrival and target
// changes told to the screen, places at the target, the move restart and its speed,
// directional animation keys, the trail, editor mode and the level record.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "engine/files/byte_stream.h"
#include "framework/objects/man.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kNear = 1e-3f;

// A walker at 30 world units per second (one unit per tick) with a settable
// animation speed and a record of the 5106 it receives.
class Walker : public cMan {
public:
    using cMan::cMan;
    void StartMove() override { StartMoveAtSpeed(speed); }
    float GetAnimationSpeed() const override { return animationSpeed; }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code == kMessagePathFinished) ++finished;
        return cMan::OnMessage(code, data);
    }
    float speed = 30.0f;
    float animationSpeed = 1.0f;
    int finished = 0;
};

class ManTest : public ::testing::Test {
protected:
    // Events of one code, in order.
    std::vector<WalkEvent> Events(uint32_t code) const
    {
        std::vector<WalkEvent> out;
        for (const auto& event : owner_.screenEvents) {
            if (event.code == code) out.push_back(event.walk);
        }
        return out;
    }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i) walker_.Update();
    }

    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeLevelOwner owner_{40, 40};
    Walker walker_{&owner_};
    cGameObject house_{&owner_};
};

TEST_F(ManTest, Construction_SetsTypeKindSpeedAndDefaults)
{
    cMan man(&owner_);
    EXPECT_EQ(man.GetTypeId(), 12);
    EXPECT_TRUE(man.IsKindOf(12));
    EXPECT_TRUE(man.IsKindOf(10));
    EXPECT_TRUE(man.IsKindOf(1));
    EXPECT_FALSE(man.IsKindOf(17));
    EXPECT_EQ(man.GetLayer(), 5);
    EXPECT_EQ(man.Mover().speed, 100.0f);
    EXPECT_EQ(man.GetDirectionCount(), 4);
    EXPECT_EQ(man.GetTarget(), nullptr);
    EXPECT_EQ(man.GetState(), -1);
}

TEST_F(ManTest, HitTest_IsFalseEvenInsideTheFrame)
{
    test::RegisterTestSprite("man", 1, 10.0f, 40.0f, 40.0f, 20.0f, 0.0f);
    ASSERT_TRUE(walker_.AddAnimation("main", "man"));
    walker_.PlayAnimation("main", kPlayStopped);
    walker_.SetPosition(100.0f, 100.0f);
    EXPECT_EQ(walker_.HitTest(vec2{100.0f, 110.0f}), 0);
}

TEST_F(ManTest, WalkPath_FollowsEveryLegAtOneStepPerTickAndArrivesOnce)
{
    walker_.SetPosition(48.0f, 48.0f);
    house_.SetPlaces(2);
    walker_.WalkPath({{48.0f, 48.0f}, {58.0f, 48.0f}, {58.0f, 53.0f}}, &house_, 1);
    EXPECT_EQ(walker_.GetState(), kStateWalking);
    EXPECT_EQ(walker_.GetLeg(), 0);

    for (int tick = 1; tick <= 9; ++tick) {
        walker_.Update();
        ASSERT_NEAR(walker_.GetPosition().x, 48.0f + static_cast<float>(tick), kNear) << "tick " << tick;
        ASSERT_NEAR(walker_.GetPosition().y, 48.0f, kNear);
    }
    walker_.Update();  // the first leg ends exactly on its point
    EXPECT_NEAR(walker_.GetPosition().x, 58.0f, kNear);
    EXPECT_EQ(walker_.GetLeg(), 1);
    for (int tick = 1; tick <= 4; ++tick) {
        walker_.Update();
        ASSERT_NEAR(walker_.GetPosition().y, 48.0f + static_cast<float>(tick), kNear) << "tick " << tick;
    }
    EXPECT_TRUE(Events(kMessageArrived).empty());
    walker_.Update();
    EXPECT_EQ(walker_.GetPosition(), vec2(58.0f, 53.0f));
    EXPECT_EQ(walker_.GetState(), -1);
    EXPECT_EQ(walker_.finished, 1);
    const auto arrived = Events(kMessageArrived);
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].man, &walker_);
    EXPECT_EQ(arrived[0].target, &house_);
    EXPECT_EQ(arrived[0].kind, 1);

    Tick(10);  // standing: nothing more
    EXPECT_EQ(walker_.finished, 1);
    EXPECT_EQ(walker_.GetPosition(), vec2(58.0f, 53.0f));
}

TEST_F(ManTest, Update_ScalesTheStepByTheAnimationSpeed)
{
    walker_.animationSpeed = 2.0f;
    walker_.WalkPath({{0.0f, 0.0f}, {100.0f, 0.0f}}, nullptr, 2);
    Tick(5);
    EXPECT_NEAR(walker_.GetPosition().x, 10.0f, kNear);
}

TEST_F(ManTest, WalkPath_WithoutALegEndsOnTheFirstTickWhereTheWalkerStands)
{
    // Interrupt a walk half-way with a one-point path: the old move is not resumed
    // and the walker does not jump anywhere.
    walker_.WalkPath({{0.0f, 0.0f}, {100.0f, 0.0f}}, nullptr, 2);
    Tick(20);
    const vec2 stop = walker_.GetPosition();
    walker_.WalkPath({{300.0f, 300.0f}}, nullptr, 2);
    walker_.Update();
    EXPECT_EQ(walker_.GetPosition(), stop);
    EXPECT_EQ(walker_.GetState(), -1);
    EXPECT_EQ(Events(kMessageArrived).size(), 1u);

    cMan fresh(&owner_);
    fresh.SetPosition(200.0f, 120.0f);
    fresh.WalkPath({}, nullptr, 0);
    fresh.Update();
    EXPECT_EQ(fresh.GetPosition(), vec2(200.0f, 120.0f));
    EXPECT_EQ(Events(kMessageArrived).size(), 2u);
}

TEST_F(ManTest, HeldWalker_DoesNotStep)
{
    walker_.WalkPath({{0.0f, 0.0f}, {100.0f, 0.0f}}, nullptr, 2);
    Tick(3);
    walker_.SetState(kStateHeld);
    Tick(10);
    EXPECT_NEAR(walker_.GetPosition().x, 3.0f, kNear);
    walker_.SetState(kStateWalking);
    Tick(1);
    EXPECT_NEAR(walker_.GetPosition().x, 4.0f, kNear);
}

TEST_F(ManTest, EditorMode_AnimatesButDoesNotMove)
{
    test::RegisterTestSprite("man_walk", 4, 30.0f);
    ASSERT_TRUE(walker_.AddAnimation("walk0", "man_walk"));
    walker_.WalkPath({{0.0f, 0.0f}, {100.0f, 0.0f}}, nullptr, 2);
    walker_.PlayAnimation("walk0", kPlayLoopForward);
    owner_.editorMode = true;
    walker_.Update();
    EXPECT_EQ(walker_.GetFrame(), 1);
    EXPECT_EQ(walker_.GetPosition(), vec2(0.0f, 0.0f));
}

TEST_F(ManTest, SetTarget_TakesAndReleasesPlacesBelowKindTwoAndTellsTheScreen)
{
    cGameObject mill(&owner_);
    house_.SetPlaces(1);
    mill.SetPlaces(1);
    walker_.SetTarget(&house_, 0);
    EXPECT_EQ(house_.GetFreePlaces(), 0);
    walker_.SetTarget(&mill, 1);
    EXPECT_EQ(house_.GetFreePlaces(), 1);
    EXPECT_EQ(mill.GetFreePlaces(), 0);
    walker_.SetTarget(&house_, 2);  // kind 2 takes no place ...
    EXPECT_EQ(mill.GetFreePlaces(), 1);
    EXPECT_EQ(house_.GetFreePlaces(), 1);
    walker_.SetTarget(nullptr, 0);  // ... and gives none back
    EXPECT_EQ(house_.GetFreePlaces(), 1);

    const auto changed = Events(kMessageTargetChanged);
    ASSERT_EQ(changed.size(), 4u);
    EXPECT_EQ(changed[0].target, nullptr);
    EXPECT_EQ(changed[1].target, &house_);
    EXPECT_EQ(changed[1].kind, 0);
    EXPECT_EQ(changed[2].target, &mill);
    EXPECT_EQ(changed[2].kind, 1);
    EXPECT_EQ(changed[3].target, &house_);
    EXPECT_EQ(changed[3].kind, 2);
    EXPECT_EQ(changed[3].man, &walker_);
}

TEST_F(ManTest, StartMove_OwnSpeedIsOneAndZeroSpeedCountsAsOne)
{
    cMan man(&owner_);
    man.WalkPath({{0.0f, 0.0f}, {3.0f, 4.0f}}, nullptr, 2);
    EXPECT_EQ(man.Mover().speed, 1.0f);
    EXPECT_FLOAT_EQ(man.Mover().duration, 5.0f);

    walker_.speed = 0.0f;
    walker_.WalkPath({{0.0f, 0.0f}, {6.0f, 8.0f}}, nullptr, 2);
    EXPECT_EQ(walker_.Mover().speed, 1.0f);
    EXPECT_FLOAT_EQ(walker_.Mover().duration, 10.0f);
    EXPECT_EQ(walker_.Mover().elapsed, 0.0f);
}

TEST_F(ManTest, StartMove_RestartsFromTheCurrentPoint)
{
    walker_.WalkPath({{0.0f, 0.0f}, {90.0f, 0.0f}}, nullptr, 2);
    Tick(30);
    walker_.speed = 60.0f;  // twice as fast from here
    walker_.StartMove();
    EXPECT_EQ(walker_.Mover().start, walker_.Mover().current);
    EXPECT_NEAR(walker_.Mover().duration, 1.0f, kNear);
    Tick(15);
    EXPECT_NEAR(walker_.GetPosition().x, 60.0f, kNear);
}

TEST_F(ManTest, MoveDirection_IsTheLegOrTowardTheTargetWhileStanding)
{
    vec2 direction;
    walker_.GetMoveDirection(direction);
    EXPECT_EQ(direction, vec2(0.0f, 0.0f));

    walker_.WalkPath({{0.0f, 0.0f}, {0.0f, -50.0f}}, nullptr, 2);
    walker_.GetMoveDirection(direction);
    EXPECT_EQ(direction, vec2(0.0f, -1.0f));

    walker_.Mover().SetPosition(vec2{10.0f, 10.0f});
    walker_.SetPosition(10.0f, 10.0f);
    house_.SetPosition(13.0f, 14.0f);
    walker_.SetTarget(&house_, 2);
    walker_.GetMoveDirection(direction);
    EXPECT_NEAR(direction.x, 0.6f, kNear);
    EXPECT_NEAR(direction.y, 0.8f, kNear);
}

class ManAnimationTest : public ManTest {
protected:
    void SetUp() override
    {
        test::RegisterTestSprite("man_walk", 4, 10.0f);
        test::RegisterTestSprite("man_idle", 2, 10.0f);
        for (int i = 0; i < 8; ++i) walker_.AddAnimation("walk" + std::to_string(i), "man_walk");
        walker_.AddAnimation("walk", "man_walk");
        walker_.AddAnimation("idle", "man_idle");
    }
};

TEST_F(ManAnimationTest, TurnTo_PicksTheKeyOfTheDirectionForFourAndEightDirections)
{
    struct Case {
        int32_t count;
        vec2 direction;
        const char* key;
    };
    const Case cases[] = {
        {4, {1.0f, 0.0f}, "walk0"},  {4, {0.0f, 1.0f}, "walk1"},   {4, {-1.0f, 0.0f}, "walk2"},
        {4, {0.0f, -1.0f}, "walk3"}, {4, {1.0f, -0.9f}, "walk0"},  {8, {1.0f, 1.0f}, "walk1"},
        {8, {-1.0f, 1.0f}, "walk3"}, {8, {-1.0f, 0.0f}, "walk4"},  {8, {0.0f, -1.0f}, "walk6"},
        {8, {1.0f, -1.0f}, "walk7"},
    };
    walker_.PlayDirected("walk", vec2{1.0f, 0.0f}, kPlayLoopForward);
    for (const Case& c : cases) {
        walker_.SetDirectionCount(c.count);
        walker_.TurnTo(c.direction, kPlayLoopForward);
        EXPECT_EQ(walker_.GetAnimationKey(), c.key) << c.count << " (" << c.direction.x << ", " << c.direction.y << ")";
    }
}

TEST_F(ManAnimationTest, TurnTo_SameKeyRestartsOnlyAOnceForwardAnimation)
{
    walker_.PlayDirected("walk", vec2{1.0f, 0.0f}, kPlayLoopForward);
    walker_.SetFrame(2);
    walker_.SetPlayMode(kPlayLoopForward, false);
    walker_.TurnTo(vec2{1.0f, 0.1f}, kPlayLoopForward);
    EXPECT_EQ(walker_.GetFrame(), 2);
    walker_.TurnTo(vec2{1.0f, 0.1f}, kPlayOnceForward);
    EXPECT_EQ(walker_.GetFrame(), 0);
    EXPECT_EQ(walker_.GetPlayMode(), kPlayOnceForward);
}

TEST_F(ManAnimationTest, PlayDirected_WithoutDirectionPlaysThePlainNameAndKeepsTheBase)
{
    walker_.PlayDirected("walk", vec2{0.0f, 1.0f}, kPlayLoopForward);
    EXPECT_EQ(walker_.GetAnimationKey(), "walk1");
    walker_.PlayDirected("idle", vec2{0.0f, 0.0f}, kPlayLoopForward);
    EXPECT_EQ(walker_.GetAnimationKey(), "idle");
    EXPECT_EQ(walker_.GetBaseName(), "walk");
}

// Only "strike0" .. "strike3" name the strike: asked with no direction, it plays the
// way the walker faces, or the first way when it never turned, and a once-forward one
// restarts there. The plain key would name nothing and the walker would vanish.
TEST_F(ManAnimationTest, PlayDirected_WithoutDirectionPlaysADirectedAnimationInTheCurrentFacing)
{
    cMan fresh(&owner_);
    fresh.AddAnimation("strike0", "man_walk");
    fresh.PlayDirected("strike", vec2{}, kPlayOnceForward);
    EXPECT_EQ(fresh.GetAnimationKey(), "strike0");
    EXPECT_EQ(fresh.GetBaseName(), "strike");

    for (int i = 0; i < 4; ++i) walker_.AddAnimation("strike" + std::to_string(i), "man_walk");
    walker_.PlayDirected("walk", vec2{-1.0f, 0.0f}, kPlayLoopForward);
    ASSERT_EQ(walker_.GetAnimationKey(), "walk2");
    walker_.PlayDirected("strike", vec2{}, kPlayOnceForward);
    EXPECT_EQ(walker_.GetAnimationKey(), "strike2");
    EXPECT_NE(walker_.GetAnimation(), nullptr);
    EXPECT_EQ(walker_.GetBaseName(), "strike");
    walker_.SetFrame(1);
    walker_.PlayDirected("strike", vec2{}, kPlayOnceForward);
    EXPECT_EQ(walker_.GetFrame(), 0);
}

TEST_F(ManAnimationTest, StartLeg_TurnsToTheLegAndLoops)
{
    walker_.PlayDirected("walk", vec2{1.0f, 0.0f}, kPlayStopped);
    walker_.WalkPath({{0.0f, 0.0f}, {0.0f, 30.0f}, {-30.0f, 30.0f}}, nullptr, 2);
    EXPECT_EQ(walker_.GetAnimationKey(), "walk1");
    EXPECT_EQ(walker_.GetPlayMode(), kPlayLoopForward);
    Tick(31);
    EXPECT_EQ(walker_.GetLeg(), 1);
    EXPECT_EQ(walker_.GetAnimationKey(), "walk2");
}

TEST_F(ManAnimationTest, Trail_AddsAnImageEverySecondTickThatFadesInAboutSevenTenths)
{
    walker_.PlayAnimation("walk0", kPlayStopped);
    walker_.SetTrail(true);
    const size_t expected[] = {0, 1, 1, 2, 2, 3};
    for (size_t tick = 0; tick < std::size(expected); ++tick) {
        walker_.Update();
        ASSERT_EQ(walker_.GetAfterImages().size(), expected[tick]) << "tick " << tick + 1;
    }
    EXPECT_FLOAT_EQ(walker_.GetAfterImages().back().alpha, 0.7f);
    EXPECT_NEAR(walker_.GetAfterImages().front().alpha, 0.7f - 4.0f / 30.0f, kNear);
    walker_.SetTrail(false);
    EXPECT_TRUE(walker_.GetAfterImages().empty());

    // One image alone: alpha 0.7 less 1/30 per tick.
    walker_.AddTrailFrame();
    int ticks = 0;
    while (!walker_.GetAfterImages().empty() && ticks < 100) {
        walker_.Update();
        ++ticks;
    }
    EXPECT_NEAR(ticks, 21, 1);
}

TEST_F(ManTest, AddTrailFrame_WithoutAPictureAddsNothing)
{
    walker_.AddTrailFrame();
    EXPECT_TRUE(walker_.GetAfterImages().empty());
}

TEST_F(ManAnimationTest, DrawTrail_WritesTwoTrianglesPerImageWithItsAlpha)
{
    walker_.PlayAnimation("walk0", kPlayStopped);
    walker_.SetColor(0x80112233u, 0xFFFFFFFFu);
    walker_.AddTrailFrame();
    walker_.DrawTrail();
    ASSERT_EQ(owner_.batch.UsedVertices(), 6u);
    EXPECT_EQ(owner_.batch.vertices[0].color, (178u << 24) | 0x112233u);
}

TEST_F(ManTest, SetSprite_SetsUpTheShadowAndLoadRoundTrips)
{
    test::RegisterTestSprite("man_shadow", 1, 1.0f, 30.0f, 10.0f, 15.0f, 5.0f);
    walker_.SetName("worker1");
    walker_.SetSprite("worker");
    walker_.SetPosition(64.0f, 32.0f);
    EXPECT_TRUE(walker_.GetShadow().info.IsSprite());
    EXPECT_EQ(walker_.GetShadow().play.mode, kPlayStopped);

    vrk::cByteStream stream;
    ASSERT_TRUE(walker_.Save(stream));
    cMan copy(&owner_);
    ASSERT_TRUE(copy.Load(stream, 100));
    EXPECT_EQ(copy.GetName(), "worker1");
    EXPECT_EQ(copy.GetSprite(), "worker");
    EXPECT_EQ(copy.GetPosition(), vec2(64.0f, 32.0f));
    EXPECT_EQ(copy.GetLayer(), 5);
    EXPECT_TRUE(copy.GetShadow().info.IsSprite());
    EXPECT_EQ(stream.Cursor(), stream.Bytes().size());

    // The shadow is drawn under the figure, at the position less its hot spot.
    copy.Draw();
    ASSERT_EQ(owner_.batch.UsedVertices(), 6u);
    EXPECT_EQ(owner_.batch.vertices[0].x, 49.0f);
    EXPECT_EQ(owner_.batch.vertices[0].y, 27.0f);
}

}  // namespace
