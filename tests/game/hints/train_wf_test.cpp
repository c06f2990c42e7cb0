// The tutorial hint window in the started game: where a hint's frame, text and
// arrow go for each placement, the "ClickToContinue" line, the fade, the hover flag
// that keeps a click on a hint from the object below, and a window without its
// controls.
#include "game/hints/train_wf.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/label_ctrl.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"
#include "framework/objects/resource_vector.h"
#include "framework/widgets/animation_ctrl.h"
#include "game/level/train.h"
#include "tests/game/support/hint_tour.h"

namespace {

// The frame train.lua makes and the text's inset inside it.
constexpr float kFrameWidth = 300.0f;
constexpr float kFrameHeight = 110.0f;
constexpr float kInsetX = 14.0f;
constexpr float kInsetY = 12.0f;

struct PlacementCase {
    uint32_t placement;
    vrk::GuiRect frame;
    float scaleX;
    float scaleY;
};

class TrainWFTest : public test::HintTour {};

TEST_F(TrainWFTest, ShowHint_PlacesFrameTextAndArrowBesideTheTarget)
{
    StartGame();
    cTrainWF* train = Train();
    ASSERT_NE(train, nullptr);
    ASSERT_FALSE(train->IsFailed());
    auto* arrow = dynamic_cast<cAnimationCtrl*>(TrainCtrl("arrow"));
    ASSERT_NE(arrow, nullptr);
    const float x = 500.0f;
    const float y = 400.0f;
    const float radius = 20.0f;
    const PlacementCase cases[] = {
        {33, {480, 380, -kFrameWidth, -kFrameHeight}, -1, -1},
        {0x01 | 0x20, {480, 380, -kFrameWidth, -kFrameHeight}, -1, -1},
        {36, {520, 380, kFrameWidth, -kFrameHeight}, 1, -1},
        {12, {520, 420, kFrameWidth, kFrameHeight}, 1, 1},
        {9, {480, 420, -kFrameWidth, kFrameHeight}, -1, 1},
    };
    for (const PlacementCase& c : cases) {
        train->ShowHint("Go", x, y, false, c.placement, radius);
        EXPECT_EQ(TrainCtrl("frame")->GetRect(), c.frame) << c.placement;
        EXPECT_EQ(arrow->GetScaleX(), c.scaleX) << c.placement;
        EXPECT_EQ(arrow->GetScaleY(), c.scaleY) << c.placement;
        EXPECT_TRUE(arrow->HasFlag(vrk::kCtrlShown));
        // The arrow sits on the anchor, the frame's corner nearest the target.
        const vrk::GuiRect arrowRect = arrow->GetRect();
        EXPECT_FLOAT_EQ(arrowRect.x + arrowRect.width / 2, c.frame.x) << c.placement;
        EXPECT_FLOAT_EQ(arrowRect.y + arrowRect.height / 2, c.frame.y) << c.placement;
        // The text keeps its inset inside the frame as drawn.
        const vrk::GuiRect drawn = vrk::NormalisedRect(c.frame);
        const vrk::GuiRect text = TrainCtrl("text")->GetRect();
        EXPECT_FLOAT_EQ(text.x, drawn.x + kInsetX) << c.placement;
        EXPECT_FLOAT_EQ(text.y, drawn.y + kInsetY) << c.placement;
        EXPECT_FLOAT_EQ(text.width, kFrameWidth - 2 * kInsetX);
    }

    // No target: no arrow, and the frame in the middle of the screen, whatever the
    // placement (anchored at the origin it would lie off the screen).
    train->ShowHint("Look", 0.0f, 0.0f, true, 33, 0.0f);
    EXPECT_FALSE(arrow->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(TrainCtrl("frame")->GetRect(),
              (vrk::GuiRect{(1024 - kFrameWidth) / 2, (768 - kFrameHeight) / 2, kFrameWidth, kFrameHeight}));
    EXPECT_TRUE(train->GetClickToContinue());
    const auto* text = dynamic_cast<vrk::cLabelCtrl*>(TrainCtrl("text"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetText(), "Look\n" + vrk::FindText("ClickToContinue"));
    EXPECT_NE(vrk::FindText("ClickToContinue"), "ClickToContinue");
    train->ShowHint("Go", x, y, false, 12, radius);
    EXPECT_EQ(text->GetText(), "Go");
    EXPECT_FALSE(train->GetClickToContinue());
}

TEST_F(TrainWFTest, OpenAndClose_FadeInHalfASecondAndDrawOnlyWhileOpen)
{
    StartGame();
    cTrainWF* train = Train();
    ASSERT_NE(train, nullptr);
    train->ShowHint("Go", 500, 400, false, 12, 20);
    Gui()->ShowWindow("train");
    Frames(6);
    EXPECT_GT(train->GetOpacity(), 0.2f);
    EXPECT_LT(train->GetOpacity(), 0.8f);
    Frames(12);
    EXPECT_EQ(train->GetOpacity(), 1.0f);
    game->batch->Clear();
    train->OnEvent(TrainWindow(), vrk::kWndDraw, 0, 0);
    EXPECT_GT(game->batch->UsedVertices(), 0u);

    // A close request only starts the fade-out; the window closes when it is done.
    Gui()->AskCloseWindow("train");
    EXPECT_TRUE(Gui()->IsWindowOpen("train"));
    Frames(6);
    EXPECT_TRUE(Gui()->IsWindowOpen("train"));
    EXPECT_LT(train->GetOpacity(), 0.8f);
    Frames(12);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
    EXPECT_EQ(train->GetOpacity(), 0.0f);
}

TEST_F(TrainWFTest, PointerOverTheFrame_HoldsTheHoverAndKeepsTheClickFromTheObjectBelow)
{
    PlayLevel(kChainsLevel);
    cObject* mill = screen->FindObject("mill0", -1);
    ASSERT_NE(mill, nullptr);
    Rect box;
    mill->GetFrameRect(box, -1);
    box = screen->WorldToScreenBox(box);
    const float millX = box.x + box.width / 2;
    const float millY = box.y + box.height / 2;

    // Without a hint the pointer hovers the mill, and a click orders a worker there.
    ResourceVector plenty;
    for (int32_t& amount : plenty.amounts) amount = 500;
    screen->AddResources(plenty);
    MoveMouseGui(millX, millY);
    Frames(2);
    ASSERT_EQ(screen->GetHoveredObject(), mill);
    PressGui(millX, millY);
    Frames(1);
    EXPECT_FALSE(screen->Orders().empty());
    screen->ClearOrders();

    // A hint whose frame lies over the mill: the pointer there sets the flag, and
    // neither hover nor click reaches the mill.
    cTrainWF* train = Train();
    train->ShowHint("Go", millX - 50, millY - 50, false, 12, 0);
    Gui()->ShowWindow("train");
    Frames(20);
    MoveMouseGui(millX, millY);
    Frames(2);
    EXPECT_EQ(screen->hintHover, 1);
    EXPECT_EQ(screen->GetHoveredObject(), nullptr);
    PressGui(millX, millY);
    Frames(1);
    EXPECT_TRUE(screen->Orders().empty());

    // The frame's edge counts as outside.
    const vrk::GuiRect frame = DrawnFrame();
    MoveMouseGui(frame.x, frame.y + 20);
    Frames(1);
    EXPECT_EQ(screen->hintHover, 0);
    MoveMouseGui(frame.x + 1, frame.y + 20);
    Frames(1);
    EXPECT_EQ(screen->hintHover, 1);

    // Closing the window lets go of the hover.
    Gui()->AskCloseWindow("train");
    Frames(20);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
    EXPECT_EQ(screen->hintHover, 0);
}

TEST_F(TrainWFTest, WindowWithoutItsControls_StaysFailedAndTheLevelStillEndsItsHints)
{
    PlayLevel(kChainsLevel);
    vrk::cWindow* broken = Gui()->AddWindow("train_broken", std::make_unique<cTrainWF>());
    auto* frame = new vrk::cFrameCtrl(broken, "frame");
    frame->SetRect({1, 2, 3, 4}, 0);
    auto* train = dynamic_cast<cTrainWF*>(broken->GetFunction());
    ASSERT_NE(train, nullptr);
    train->OnEvent(broken, vrk::kWndFilled, 0, 0);
    EXPECT_TRUE(train->IsFailed());
    train->ShowHint("Go", 500, 400, false, 12, 20);
    EXPECT_EQ(frame->GetRect(), (vrk::GuiRect{1, 2, 3, 4}));
    game->batch->Clear();
    EXPECT_EQ(train->OnEvent(broken, vrk::kWndDraw, 0, 0), 0);
    EXPECT_EQ(game->batch->UsedVertices(), 0u);

    // A hint shown through the failed handler runs its course and is deleted.
    screen->trainWindow = train;
    auto hint = std::make_unique<cTrain>();
    hint->untargeted = true;
    screen->SetHint(std::move(hint));
    Frames(40);
    EXPECT_EQ(screen->GetHint(), nullptr);
}

}  // namespace
