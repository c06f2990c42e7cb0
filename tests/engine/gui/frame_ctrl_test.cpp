// The frame control: its frame settings and the nine (or eight) cells it draws.
#include "engine/gui/frame_ctrl.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

class FrameCtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        frame = new vrk::cFrameCtrl(Open("w"), "frame");
        vrk::GetTextureMap()["skin"] = std::make_shared<vrk::cTexture>("skin");
        frame->SetTexture("skin", 0);
    }
    uint32_t DrawnVertices()
    {
        game->batch->Clear();
        frame->Draw();
        return game->batch->UsedVertices();
    }
    vrk::cFrameCtrl* frame = nullptr;
};

TEST_F(FrameCtrlTest, SetFrameAndUVFrame_StoreRectanglesAndBorders)
{
    frame->SetFrame({10, 20, 200, 100}, 8, 6, 0);
    frame->SetUVFrame({0, 0, 0.5f, 0.5f}, 0.1f, 0.2f, 0);
    EXPECT_EQ(frame->GetRect(), (vrk::GuiRect{10, 20, 200, 100}));
    EXPECT_EQ(frame->GetBorderX(), 8.0f);
    EXPECT_EQ(frame->GetBorderY(), 6.0f);
    EXPECT_EQ(frame->GetUVRect(), (vrk::GuiRect{0, 0, 0.5f, 0.5f}));
    EXPECT_EQ(frame->GetBorderU(), 0.1f);
    EXPECT_EQ(frame->GetBorderV(), 0.2f);
    EXPECT_TRUE(frame->HitTest(11, 21));
    EXPECT_FALSE(frame->HitTest(10, 21));
    EXPECT_STREQ(frame->GetClassName(), "cFrameCtrl");
}

TEST_F(FrameCtrlTest, Draw_LeavesOutTheCentreCellOnlyWhenAsked)
{
    frame->SetFrame({10, 20, 200, 100}, 8, 6, 0);
    const uint32_t withCentre = DrawnVertices();
    frame->SetDrawCenter(false);
    const uint32_t withoutCentre = DrawnVertices();
    EXPECT_GT(withCentre, 0u);
    EXPECT_EQ(withCentre % 9, 0u);
    EXPECT_EQ(withoutCentre, withCentre / 9 * 8);
    frame->SetColor(0.0f, 1.0f, 0.0f, 0);
    DrawnVertices();
    EXPECT_EQ(game->batch->vertices[0].color, 0xFF00FF00u);
}

TEST_F(FrameCtrlTest, NegativeSizes_DrawAndHitToTheLowerLeftOfTheAnchor)
{
    frame->SetFrame({300, 200, -200, -100}, 8, 6, 0);
    // Stored as given, so the anchor and the direction are kept.
    EXPECT_EQ(frame->GetRect(), (vrk::GuiRect{300, 200, -200, -100}));
    ASSERT_GT(DrawnVertices(), 0u);
    float minX = 1e30f, maxX = -1e30f, minY = 1e30f, maxY = -1e30f;
    for (uint32_t i = 0; i < game->batch->UsedVertices(); ++i) {
        const vrk::BatchVertex& vertex = game->batch->vertices[i];
        minX = std::min(minX, vertex.x);
        maxX = std::max(maxX, vertex.x);
        minY = std::min(minY, vertex.y);
        maxY = std::max(maxY, vertex.y);
    }
    EXPECT_FLOAT_EQ(minX, 100.0f);
    EXPECT_FLOAT_EQ(maxX, 300.0f);
    EXPECT_FLOAT_EQ(minY, 100.0f);
    EXPECT_FLOAT_EQ(maxY, 200.0f);
    // Inside strictly, edges outside, whichever way the frame was stored.
    EXPECT_TRUE(frame->HitTest(150, 150));
    EXPECT_FALSE(frame->HitTest(100, 150));
    EXPECT_FALSE(frame->HitTest(150, 200));
    EXPECT_FALSE(frame->HitTest(350, 150));
    EXPECT_EQ(vrk::NormalisedRect({10, 20, 30, -40}), (vrk::GuiRect{10, -20, 30, 40}));
}

}  // namespace
