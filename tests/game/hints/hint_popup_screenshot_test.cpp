// Every step of every tutorial chain, on the real levels and drawn by the real game
// into a hidden OpenGL window, with the pointer on the step's object as the step
// asks: the object's hover pop-up must show every letter of its text, none of them
// under the hint's window or another. The letters are the pixels that change when
// the pop-up's lines are emptied in the scene drawn alone; each must change as much
// in the whole frame. The altar step of "000" is written beside the build as
// "hint_popup_altar_screenshot.png".
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "engine/gui/gui.h"
#include "engine/render/render.h"
#include "framework/app/player_base.h"
#include "framework/objects/game_object.h"
#include "framework/objects/object.h"
#include "game/hints/first_hint.h"
#include "game/hints/train000.h"
#include "game/hints/train_wf.h"
#include "game/level/train.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/hover_spot.h"
#include "tests/game/support/text_contrast.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// The levels with a tutorial chain.
constexpr uint32_t kHintLevels[] = {0, 1, 3, 9, 10, 11, 19, 20, 21, 25, 29, 32, 35, 36, 37};
// Frames for a level to load and settle, and for the hint's and the pop-up's fades.
constexpr int kLoadTicks = 60;
constexpr int kShowTicks = 20;
// How long a step whose trigger finds its target (a walker that comes later) is
// waited for, in play ticks.
constexpr int kTriggerTicks = 3600;

class HintPopupScreenshotTest : public test::GameShot<test::GameTour>, public ::testing::WithParamInterface<uint32_t> {
protected:
    HintPopupScreenshotTest() : GameShot("hint popup screenshot") {}

    cTrainWF* Train() const
    {
        vrk::cWindow* window = game->gui->FindWindow("train");
        return window != nullptr ? dynamic_cast<cTrainWF*>(window->GetFunction()) : nullptr;
    }

    // The step shown as the level's tick shows it, the test holding its stage.
    void ShowStep(cTrain& step)
    {
        vec2 point;
        float radius = 0.0f;
        if (!step.GetTarget(point, radius)) return;
        Train()->ShowHint(step.text, point.x, point.y, step.waitClick, static_cast<uint32_t>(step.placement), radius);
        if (!game->gui->IsWindowOpen("train")) game->gui->ShowWindow("train");
    }

    // The pointer on the object where the player sees it beside the hint's frame; false
    // when no spot gives the object the hover.
    bool PointAt(cMagicWidget& screen, const cObject& object)
    {
        vrk::cWindow* window = game->gui->FindWindow("train");
        const vrk::GuiRect frame = vrk::NormalisedRect(window->GetCtrl(window->FindCtrl("frame"))->GetRect());
        vec2 spot;
        const bool found = test::HoverSpot(screen, object, spot, {Rect{frame.x, frame.y, frame.width, frame.height}});
        MoveMouse(static_cast<int32_t>(spot.x), kWindowHeight - static_cast<int32_t>(spot.y));
        return found;
    }

    // The scene alone as the level screen draws it, the GUI's windows left out.
    port::BackBufferImage DrawScene(cMagicWidget& screen)
    {
        vrk::cRender* render = vrk::GetRender();
        EXPECT_EQ(device_->BeginScene(), port::kGpuOk);
        render->ClearRenderTarget();
        render->SetOrtho2D(true, cBaseWidget::kVirtualWidth, cBaseWidget::kVirtualHeight);
        screen.DrawPlay(*screen.GetPrimitiveBatch());
        device_->EndScene();
        port::BackBufferImage image;
        EXPECT_TRUE(device_->ReadBackBuffer(image));
        return image;
    }
    port::BackBufferImage DrawWhole()
    {
        DrawGame();
        return image_;
    }

    // Counts the pop-up's letter pixels and those of them that the whole frame does
    // not show.
    void CountLetters(cMagicWidget& screen, const CaptionRecord& record, int& letters, int& hidden)
    {
        auto& lines = const_cast<std::vector<std::string>&>(record.lines);
        const std::vector<std::string> text = lines;
        const port::BackBufferImage scene = DrawScene(screen);
        const port::BackBufferImage whole = DrawWhole();
        for (std::string& line : lines) line.clear();
        const port::BackBufferImage bareScene = DrawScene(screen);
        const port::BackBufferImage bareWhole = DrawWhole();
        lines = text;
        image_ = whole;
        const Rect panel = screen.GetCaptionPanel(record);
        letters = 0;
        hidden = 0;
        test::CountInRect(panel, kWidth, kHeight, [&](int x, int y) {
            const auto changed = [&](const port::BackBufferImage& a, const port::BackBufferImage& b) {
                return test::Difference(test::PixelAt(a, kHeight, x, y), test::PixelAt(b, kHeight, x, y)) >
                       test::kLetterChange;
            };
            if (!changed(scene, bareScene)) return false;
            ++letters;
            if (!changed(whole, bareWhole)) ++hidden;
            return false;
        });
    }

    // The shown pop-up, null when none has faded in.
    static const CaptionRecord* ShownPopup(const cMagicWidget& screen)
    {
        for (const CaptionRecord& record : screen.GetCaptions()) {
            if (record.rate > 0.0f && record.alpha == 1.0f) return &record;
        }
        return nullptr;
    }

    // The step with the pointer on its object: every letter of the object's pop-up
    // must show. A step that points at no object has no pop-up to read.
    void CheckStep(cMagicWidget& screen, cTrain& step, const std::string& where)
    {
        if (step.target == nullptr && step.control == nullptr && !step.untargeted) {
            for (int tick = 0; tick < kTriggerTicks && step.target == nullptr; ++tick) {
                Frame();
                step.IsTriggered();
            }
        }
        if (step.untargeted || step.target == nullptr) {
            summary_ += where + ": no object\n";
            return;
        }
        auto* holder = dynamic_cast<cGameObject*>(step.target);
        if (holder == nullptr || holder->GetHintText().empty()) {
            summary_ += where + ": no pop-up\n";
            return;
        }
        bool hoverable = true;
        for (int tick = 0; tick < kShowTicks; ++tick) {
            ShowStep(step);
            hoverable = PointAt(screen, *step.target);
            Frame();
        }
        if (!hoverable) {
            summary_ += where + ": never hovered\n";
            return;
        }
        ASSERT_EQ(screen.GetHoveredObject(), step.target) << where;
        const CaptionRecord* popup = ShownPopup(screen);
        ASSERT_NE(popup, nullptr) << where;
        int letters = 0;
        int hidden = 0;
        CountLetters(screen, *popup, letters, hidden);
        EXPECT_GT(letters, 0) << where;
        EXPECT_EQ(hidden, 0) << where << ": " << hidden << " of " << letters << " letter pixels covered";
        summary_ += where + ": " + std::to_string(hidden) + " of " + std::to_string(letters) + " hidden\n";
        if (dynamic_cast<train000::cUseAltar*>(&step) != nullptr) {
            altarChecked_ = true;
            test::SaveShotPng(image_, kWidth, kHeight, "hint_popup_altar_screenshot.png");
        }
    }

    std::string summary_;
    bool altarChecked_ = false;
};

TEST_P(HintPopupScreenshotTest, EveryStepWithThePointerOnItsObject_ShowsThePopupsWholeText)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    // The pointer picture would cover letters by the test's own doing.
    game->gui->cursorShown = false;
    cMagicWidget* screen = ShowLevel(GetParam(), kLoadTicks);
    ASSERT_NE(screen, nullptr);
    const std::string level = screen->GetLevelName();
    screen->EndTalk();
    Frames(2);
    // The chain from its start, each step shown by the test, whatever its trigger.
    game->gui->CloseWindow("train");
    screen->SetHint(CreateFirstHint(level));
    ASSERT_NE(screen->GetHint(), nullptr) << level;
    for (int number = 0;; ++number) {
        cTrain* step = screen->GetHint();
        ASSERT_NE(step, nullptr) << level;
        step->stage = cTrain::kStageOver;
        CheckStep(*screen, *step, level + " step " + std::to_string(number) + " " + typeid(*step).name());
        if (HasFatalFailure()) return;
        game->gui->CloseWindow("train");
        step->Finish();
        if (screen->GetHint()->finished) break;
    }
    // The step the fault was seen on is one of those read.
    if (level == "000") {
        EXPECT_TRUE(altarChecked_);
    }
    std::printf("%s", summary_.c_str());
}

INSTANTIATE_TEST_SUITE_P(LevelsWithHints, HintPopupScreenshotTest, ::testing::ValuesIn(kHintLevels));

}  // namespace
