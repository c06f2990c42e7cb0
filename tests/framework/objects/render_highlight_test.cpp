// The hover outline and the render-area marker of a level.
#include "framework/objects/render_highlight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/objects/render_area.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class RenderHighlightTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::RegisterTestSprite("highlight", 2, 0.0f);
        target.SetPosition(100.0f, 100.0f);
        owner.hovered = &target;
        owner.hoveredPart = 1;
    }
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::FakeOwner owner;
    cGameObject target{&owner};
};

TEST_F(RenderHighlightTest, Update_PhaseWrapsAtAFullTurn)
{
    cRenderHighlight highlight(&owner);
    EXPECT_EQ(highlight.GetLayer(), 3);
    for (int i = 0; i < 62; ++i) highlight.Update();
    EXPECT_NEAR(highlight.GetPhase(), 6.2f, 1e-3f);
    highlight.Update();
    EXPECT_EQ(highlight.GetPhase(), 0.0f);
}

TEST_F(RenderHighlightTest, Draw_OutlinesTheFootprintWithTheAllowedFrame)
{
    cRenderHighlight highlight(&owner);
    highlight.Draw();
    ASSERT_EQ(owner.batch.UsedVertices(), 6u);
    Rect zone;
    target.GetZoneRect(zone);
    float minX = 1e9f;
    float minU = 1e9f;
    for (uint32_t i = 0; i < 6; ++i) {
        minX = std::min(minX, owner.batch.vertices[i].x);
        minU = std::min(minU, owner.batch.vertices[i].u);
    }
    EXPECT_FLOAT_EQ(minX, zone.x - 2.0f);  // phase 0: dx = 2
    EXPECT_FLOAT_EQ(minU, 0.1f);           // frame 1
}

TEST_F(RenderHighlightTest, Draw_NothingWhenAnyConditionFails)
{
    cRenderHighlight highlight(&owner);
    cObject plain(&owner);
    const auto drawsNothing = [&]() {
        owner.batch.Clear();
        highlight.Draw();
        return owner.batch.UsedVertices() == 0;
    };
    owner.editorMode = true;
    EXPECT_TRUE(drawsNothing());
    owner.editorMode = false;
    owner.hoveredPart = 2;
    EXPECT_TRUE(drawsNothing());
    owner.hoveredPart = 0;
    owner.hovered = &plain;
    EXPECT_TRUE(drawsNothing());
    owner.hovered = &target;
    target.SetPlaces(0);  // no free place: a negative verdict
    EXPECT_TRUE(drawsNothing());
    owner.hovered = nullptr;
    EXPECT_TRUE(drawsNothing());
}

TEST_F(RenderHighlightTest, Draw_NeedsTwoFrames)
{
    test::RegisterTestSprite("highlight", 1, 0.0f);
    cRenderHighlight highlight(&owner);
    highlight.Draw();
    EXPECT_EQ(owner.batch.UsedVertices(), 0u);
}

TEST(RenderAreaTest, DrawCallsAHostAndIgnoresOtherOwners)
{
    struct Host : test::FakeOwner, cRenderAreaHost {
        void DrawRenderArea() override { ++draws; }
        int draws = 0;
    } host;
    cRenderArea area(&host);
    EXPECT_EQ(area.GetLayer(), 4);
    EXPECT_TRUE(area.IsKindOf(9));
    EXPECT_TRUE(area.IsKindOf(1));
    area.Draw();
    EXPECT_EQ(host.draws, 1);
    test::FakeOwner plain;
    cRenderArea lone(&plain);
    lone.Draw();
}

}  // namespace
