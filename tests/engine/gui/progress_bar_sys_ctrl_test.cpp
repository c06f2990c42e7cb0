// The progress bar: clamping, the filled part of the rectangle and of the texture in
// both directions, and the circular dial drawn clockwise from the top; also the cell a
// disabled button writes into the engine core's batch.
#include "engine/gui/progress_bar_sys_ctrl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

class ProgressBarTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        test::CoreTest::SetUp();
        window = game->gui->AddWindow("hud");
        bar = new vrk::cProgressBarSysCtrl(window, "daynight");
        bar->SetRect(vrk::GuiRect{10.0f, 20.0f, 200.0f, 40.0f}, 0);
        bar->SetUVRect(vrk::GuiRect{0.0f, 0.5f, 1.0f, 0.5f}, 0);
    }
    vrk::VertexBatch& Batch() { return *game->batch; }

    vrk::cWindow* window = nullptr;
    vrk::cProgressBarSysCtrl* bar = nullptr;
};

struct ProgressCase {
    float set;
    float kept;
};

class ProgressClampTest : public ProgressBarTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressClampTest, ProgressIsHeldToZeroThroughOne)
{
    bar->SetProgress(GetParam().set);
    EXPECT_FLOAT_EQ(bar->GetProgress(), GetParam().kept);
    EXPECT_FLOAT_EQ(bar->GetBar().GetRect().width, 200.0f * GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, ProgressClampTest,
                         ::testing::Values(ProgressCase{1.5f, 1.0f}, ProgressCase{-0.5f, 0.0f},
                                           ProgressCase{0.25f, 0.25f},
                                           ProgressCase{std::numeric_limits<float>::quiet_NaN(), 0.0f}));

TEST_F(ProgressBarTest, Layout_GrowsFromTheLeftOrFromTheBottomWithTheTexture)
{
    bar->SetProgress(0.25f);
    EXPECT_EQ(bar->GetBar().GetRect(), (vrk::GuiRect{10.0f, 20.0f, 50.0f, 40.0f}));
    EXPECT_EQ(bar->GetBar().GetUVRect(), (vrk::GuiRect{0.0f, 0.5f, 0.25f, 0.5f}));
    bar->SetVertical(true);
    EXPECT_EQ(bar->GetBar().GetRect(), (vrk::GuiRect{10.0f, 20.0f, 200.0f, 10.0f}));
    EXPECT_EQ(bar->GetBar().GetUVRect(), (vrk::GuiRect{0.0f, 0.5f, 1.0f, 0.125f}));
    bar->Move(5.0f, 5.0f);
    EXPECT_EQ(bar->GetRect(), (vrk::GuiRect{15.0f, 25.0f, 200.0f, 40.0f}));
    EXPECT_EQ(bar->GetBar().GetRect(), (vrk::GuiRect{15.0f, 25.0f, 200.0f, 10.0f}));
    EXPECT_TRUE(bar->HitTest(200.0f, 60.0f));
    EXPECT_STREQ(bar->GetClassName(), "cProgressBarSysCtrl");
}

TEST_F(ProgressBarTest, CircularQuarter_IsASectorFromTheTopClockwiseToTheRight)
{
    bar->SetProgress(0.25f);
    bar->SetCircular(true);
    Batch().Clear();
    bar->Draw();
    ASSERT_EQ(Batch().UsedVertices(), 96u);
    const float centerX = 110.0f;
    const float centerY = 40.0f;
    const float radius = 20.0f;
    const vrk::BatchVertex& start = Batch().vertices[1];
    EXPECT_NEAR(start.x, centerX, 1e-3);
    EXPECT_NEAR(start.y, centerY + radius, 1e-3);
    const vrk::BatchVertex& end = Batch().vertices[95];
    EXPECT_NEAR(end.x, centerX + radius, 1e-3);
    EXPECT_NEAR(end.y, centerY, 1e-3);
    for (uint32_t i = 0; i < 96; ++i) {
        EXPECT_GE(Batch().vertices[i].x, centerX - 1e-3f);
        EXPECT_GE(Batch().vertices[i].y, centerY - 1e-3f);
    }
}

TEST_F(ProgressBarTest, DisabledButton_DrawsItsFourthCellIntoTheBatch)
{
    auto* button = new vrk::cButtonSysCtrl(window, "ok");
    button->SetFrame(vrk::GuiRect{0.0f, 0.0f, 100.0f, 40.0f}, 0.0f, 0.0f, 0);
    button->SetUVFrame(vrk::GuiRect{0.0f, 0.75f, 1.0f, 0.25f}, 0.0f, 0.0f, 0);
    button->Enable(false);
    Batch().Clear();
    button->Draw();
    ASSERT_EQ(Batch().UsedVertices(), 54u);  // nine cells, the centre included
    EXPECT_FLOAT_EQ(Batch().vertices[0].v, 0.0f);
    EXPECT_EQ(Batch().vertices[0].color, 0xFFFFFFFFu);
}

}  // namespace
