// The tutorial hint window in the started game: where a hint's frame, text and
// arrow go for each placement, a frame kept on the screen (anywhere, and for every
// hint of every chain on its real level, its arrow's tip on the picture, icon or
// control the step is about), the "ClickToContinue" line, the fade, the
// hover flag that keeps a click on a hint from the object below, and a window
// without its controls.
#include "game/hints/train_wf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/label_ctrl.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"
#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/small_math.h"
#include "framework/widgets/animation_ctrl.h"
#include "game/hints/first_hint.h"
#include "game/level/train.h"
#include "objects/build.h"
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

// Frames that load a level and start its play.
constexpr int kLoadTicks = 30;
// The arrow's bobbing carries its tip up to this far beyond its resting place on
// each axis (five texels of its 64-texel picture drawn 48 units wide).
constexpr float kArrowBob = 3.75f;
// A site's build icon is a disc of this radius centred on the site's place; it bobs
// up to about 8 units off that place while the stock can pay.
constexpr float kIconDiscRadius = 26.0f;
constexpr float kIconBob = 8.0f;
// The levels with a tutorial chain.
constexpr uint32_t kTutorialLevels[] = {0, 1, 3, 9, 10, 11, 19, 20, 21, 25, 29, 32, 35, 36, 37};

class TrainWFTest : public test::HintTour {
protected:
    // The hint shown at the point: its frame wholly on the screen, the arrow on the
    // frame's corner nearest the target, one radius off the target on each axis, and
    // mirrored to point from the frame at the target.
    void CheckShown(float x, float y, uint32_t placement, float radius, const std::string& where)
    {
        Train()->ShowHint("Go", x, y, false, placement, radius);
        const vrk::GuiRect placed = TrainCtrl("frame")->GetRect();
        const vrk::GuiRect frame = DrawnFrame();
        EXPECT_GE(frame.x, 0.0f) << where;
        EXPECT_GE(frame.y, 0.0f) << where;
        EXPECT_LE(frame.x + frame.width, 1024.0f) << where;
        EXPECT_LE(frame.y + frame.height, 768.0f) << where;
        const auto* arrow = dynamic_cast<cAnimationCtrl*>(TrainCtrl("arrow"));
        ASSERT_NE(arrow, nullptr);
        const vrk::GuiRect arrowRect = arrow->GetRect();
        EXPECT_FLOAT_EQ(arrowRect.x + arrowRect.width / 2, placed.x) << where;
        EXPECT_FLOAT_EQ(arrowRect.y + arrowRect.height / 2, placed.y) << where;
        EXPECT_EQ(arrow->GetScaleX(), placed.width < 0 ? -1.0f : 1.0f) << where;
        EXPECT_EQ(arrow->GetScaleY(), placed.height < 0 ? -1.0f : 1.0f) << where;
        // A target on the screen keeps the arrow by it, whichever side the frame took.
        const bool targeted = x != 0.0f || y != 0.0f;
        if (targeted && x >= 0.0f && x <= 1024.0f && y >= 0.0f && y <= 768.0f) {
            EXPECT_FLOAT_EQ(placed.x, x + (placed.width < 0 ? -radius : radius)) << where;
            EXPECT_FLOAT_EQ(placed.y, y + (placed.height < 0 ? -radius : radius)) << where;
        }
    }

    // The arrow's tip of the shown hint, resting and at the end of its bob, on what the
    // step asks the player to look at or click: the control, the build icon of a site
    // waiting to be built, else a solid point of the target's picture as drawn.
    void CheckTipOnTarget(cMagicWidget& level, cTrain& hint, const std::string& where)
    {
        // A target off the screen (a level scrolled away) has the arrow pushed on it.
        vec2 point;
        float radius = 0.0f;
        if (!hint.GetTarget(point, radius)) return;
        if (point.x < 0.0f || point.x > 1024.0f || point.y < 0.0f || point.y > 768.0f) return;
        ++aimed_;
        const vec2 tip = Train()->GetArrowTip();
        // The tip points away from the frame's anchor, the arrow's middle.
        const auto* arrow = dynamic_cast<cAnimationCtrl*>(TrainCtrl("arrow"));
        ASSERT_NE(arrow, nullptr);
        const vec2 away{arrow->GetScaleX(), arrow->GetScaleY()};
        for (const vec2& at : {tip, tip + away * kArrowBob}) {
            if (hint.control != nullptr) {
                const vrk::GuiRect rect = vrk::NormalisedRect(hint.control->GetRect());
                EXPECT_TRUE(IsPointInRect(Rect{rect.x, rect.y, rect.width, rect.height}, at))
                    << where << ": the tip " << at.x << ", " << at.y << " is off the control";
                continue;
            }
            ASSERT_NE(hint.target, nullptr) << where;
            const vec2 world = level.ScreenToWorld(at);
            const auto* site = dynamic_cast<const cBuild*>(hint.target);
            if (site != nullptr && site->GetLevel() == cBuild::kNotBuilt && site->ShowsBuildIcon()) {
                EXPECT_LE((world - site->GetPosition()).Length(), kIconDiscRadius - kIconBob)
                    << where << ": the tip is off the build icon of " << hint.target->GetName();
            } else {
                EXPECT_EQ(hint.target->CoverAt(world), vrk::kCoverSolid)
                    << where << ": the tip " << world.x << ", " << world.y << " is off the picture of "
                    << hint.target->GetName();
            }
        }
    }

    // Hints whose arrow's tip was checked on its target.
    int aimed_ = 0;
};

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

TEST_F(TrainWFTest, ShowHint_KeepsTheFrameOnTheScreenWithItsArrowAtTheTarget)
{
    StartGame();
    ASSERT_FALSE(Train()->IsFailed());
    // Every placement the chains use, at targets all over the screen and its edges.
    for (const uint32_t placement : {33u, 36u, 12u, 9u}) {
        for (float x = 4.0f; x <= 1024.0f; x += 20.0f) {
            for (float y = 4.0f; y <= 768.0f; y += 20.0f) {
                CheckShown(x, y, placement, 20.0f,
                           std::to_string(placement) + " at " + std::to_string(x) + ", " + std::to_string(y));
            }
        }
    }
    // A target off the screen (a level scrolled away) still leaves the frame on it.
    CheckShown(-200.0f, 900.0f, 33, 20.0f, "off the screen");
    CheckShown(1300.0f, -50.0f, 12, 20.0f, "off the screen");
}

TEST_F(TrainWFTest, EveryHintOfEveryChain_ShowsItsFrameWhollyOnTheScreenAndItsArrowOnItsTarget)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    int checked = 0;
    for (const uint32_t index : kTutorialLevels) {
        cMagicWidget* level = ShowLevel(index, kLoadTicks);
        ASSERT_NE(level, nullptr);
        const std::string name = level->GetLevelName();
        ASSERT_EQ(std::stoi(name), static_cast<int>(index));
        level->SetHint(CreateFirstHint(name));
        ObjectList objects;
        level->FindObjectsOfKind(objects, kTypeGameObject, -1);
        // Each step at its own target; one that finds its target only when it
        // triggers (a goblin at work, a witch on her way) at every object of the level.
        for (int step = 0; step < 20; ++step) {
            cTrain* hint = level->GetHint();
            ASSERT_NE(hint, nullptr);
            const std::string where = name + " step " + std::to_string(step);
            vec2 point;
            float radius = 0.0f;
            if (hint->GetTarget(point, radius)) {
                CheckShown(point.x, point.y, static_cast<uint32_t>(hint->placement), radius, where);
                if (!hint->untargeted) CheckTipOnTarget(*level, *hint, where);
                ++checked;
            } else {
                for (cObject* object : objects) {
                    hint->target = object;
                    ASSERT_TRUE(hint->GetTarget(point, radius));
                    CheckShown(point.x, point.y, static_cast<uint32_t>(hint->placement), radius,
                               where + " at " + object->GetName());
                    // Walkers are what these steps wait for.
                    if (object->IsKindOf(kTypeMan)) CheckTipOnTarget(*level, *hint, where);
                }
                hint->target = nullptr;
            }
            hint->Finish();
            // The last step of a chain stays the screen's hint.
            if (level->GetHint() == hint) break;
        }
        app->ShowComics("menu", "level");
    }
    // The eleven steps of "000" alone, and more.
    EXPECT_GT(checked, 30);
    EXPECT_GT(aimed_, 25);
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
