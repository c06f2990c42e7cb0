// cGameObject's overlay and selection: the work-timer bar, the reservation marks
// spaced along the frame's right edge, and the lines to attached route nodes.
#include <gtest/gtest.h>

#include "engine/render/vertex_batch.h"
#include "framework/objects/game_object.h"
#include "framework/objects/node.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr uint32_t kQuadVertices = 6;

class GameObjectDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The object: one frame 40 x 20 with hot spot (20, 0); the mark: 10 x 10,
        // hot spot (0, 0).
        test::RegisterTestSprite("hut", 1, 10.0f, 40.0f, 20.0f, 20.0f, 0.0f);
        test::RegisterTestSprite("target", 2, 10.0f, 10.0f, 10.0f);
        object_.AddAnimation("main", "hut");
        object_.PlayAnimation("main", kPlayStopped);
        object_.SetPosition(100.0f, 50.0f);
        mark_.SetSprite("target", kPlayStopped, false);
    }
    // Lowest x of the quad that starts at vertex `first`.
    float QuadLeft(uint32_t first) const
    {
        float left = owner_.batch.vertices[first].x;
        for (uint32_t i = first; i < first + kQuadVertices; ++i) left = std::min(left, owner_.batch.vertices[i].x);
        return left;
    }

    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeLevelOwner owner_;
    SpriteAnim mark_;
    cGameObject object_{&owner_};
};

TEST_F(GameObjectDrawTest, Overlay_DrawsTheBarWhileTheTimerRuns)
{
    object_.SetBarOffset(vec2{0.0f, -20.0f});
    object_.DrawOverlay();
    EXPECT_TRUE(owner_.progressCalls.empty());

    object_.SetTimerPeriod(2.0f);
    object_.UpdateTimer(0.0f);  // starts the period
    object_.UpdateTimer(0.5f);
    object_.DrawOverlay();
    ASSERT_EQ(owner_.progressCalls.size(), 1u);
    EXPECT_EQ(owner_.progressCalls[0].point, vec2(100.0f, 30.0f));
    EXPECT_FLOAT_EQ(owner_.progressCalls[0].fraction, 0.25f);
}

TEST_F(GameObjectDrawTest, Overlay_ThreeReservationsDrawThreeMarksFromTheRightEdge)
{
    owner_.mark = &mark_;
    object_.SetMarksOffset(vec2{-5.0f, 4.0f});
    for (int i = 0; i < 3; ++i) object_.AddReservation();
    object_.DrawOverlay();
    ASSERT_EQ(owner_.batch.UsedVertices(), 3 * kQuadVertices);
    // The frame spans x 80 .. 120; marks start at 120 - 5 and step 0.3 x 10.
    EXPECT_FLOAT_EQ(QuadLeft(0), 115.0f);
    EXPECT_FLOAT_EQ(QuadLeft(kQuadVertices), 118.0f);
    EXPECT_FLOAT_EQ(QuadLeft(2 * kQuadVertices), 121.0f);
    EXPECT_FLOAT_EQ(owner_.batch.vertices[0].y, 54.0f);
}

TEST_F(GameObjectDrawTest, Overlay_DrawsNoMarksWithoutAMarkSprite)
{
    object_.AddReservation();
    object_.DrawOverlay();
    SpriteAnim empty;
    owner_.mark = &empty;
    object_.DrawOverlay();
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
}

TEST_F(GameObjectDrawTest, Selection_AddsALineToEachAttachedNode)
{
    object_.DrawSelection();
    const uint32_t outline = owner_.batch.UsedVertices();
    EXPECT_GT(outline, 0u);

    cNode first(&owner_);
    cNode second(&owner_);
    first.SetPosition(0.0f, 0.0f);
    second.SetPosition(200.0f, 50.0f);
    object_.Attach(&first);
    object_.Attach(&second);
    owner_.batch.Clear();
    object_.DrawSelection();
    const uint32_t withLines = owner_.batch.UsedVertices();
    ASSERT_EQ(withLines, outline + 2 * kQuadVertices);
    EXPECT_EQ(owner_.batch.vertices[outline].color, cGameObject::kNodeLineColor);
    object_.DetachAll();
}

}  // namespace
