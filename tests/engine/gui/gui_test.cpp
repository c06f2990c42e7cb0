// The GUI manager: coordinate mapping, the window map and open stack with the events of
// opening and closing, the event queue, the caret blink, the cursor and the broadcasts.
#include "engine/gui/gui.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

struct MappingCase {
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t x;
    int32_t y;
    int32_t guiX;
    int32_t guiY;
};

class ScreenToGuiTest : public testing::TestWithParam<MappingCase> {};

TEST_P(ScreenToGuiTest, MapsClientPixelsToTheVirtualScreen)
{
    const MappingCase& c = GetParam();
    vrk::cGUI gui(1024.0f, 768.0f);
    gui.clientRect = vrk::ClientRect{0, 0, c.clientWidth, c.clientHeight};
    int32_t x = c.x;
    int32_t y = c.y;
    gui.ScreenToGui(x, y);
    EXPECT_EQ(x, c.guiX);
    EXPECT_EQ(y, c.guiY);
}

INSTANTIATE_TEST_SUITE_P(
    Clients, ScreenToGuiTest,
    testing::Values(MappingCase{1024, 768, 0, 0, 0, 768},       // top left is the GUI's top
                    MappingCase{1024, 768, 512, 384, 512, 384},
                    MappingCase{1600, 900, 200, 450, 0, 384},   // left edge of the pillar box
                    MappingCase{1600, 900, 100, 0, -85, 768},   // in the side bar: not clamped
                    MappingCase{800, 600, 800, 600, 1024, 0},
                    MappingCase{0, 0, 7, 9, 7, 9}));            // no client yet: unchanged

TEST(GuiPoint, PacksEachHalfTo16BitsAndReadsThemSigned)
{
    EXPECT_EQ(vrk::PackGuiPoint(5, 7), (7 << 16) | 5);
    EXPECT_EQ(vrk::PackGuiPoint(-1, 0), 0xFFFF);
    EXPECT_EQ(vrk::GuiPointX(vrk::PackGuiPoint(-85, 768)), -85);
    EXPECT_EQ(vrk::GuiPointY(vrk::PackGuiPoint(-85, 768)), 768);
}

class GuiTest : public test::GuiCoreTest {};

TEST_F(GuiTest, AddWindow_SendsCreatedAndGivesAPlainFunctionWhenNoneIsGiven)
{
    vrk::cWindow* plain = gui().AddWindow("plain");
    ASSERT_NE(plain->GetFunction(), nullptr);
    EXPECT_EQ(plain->GetFunction()->OnEvent(plain, vrk::kWndKeyDown, 65, 0), 0);
    gui().AddWindow("rec", std::make_unique<test::RecordingFunction>(&seen));
    EXPECT_EQ(seen, (Lines{"rec 8 0 0"}));
    EXPECT_FALSE(plain->active);
    EXPECT_FALSE(plain->modal);
}

TEST_F(GuiTest, AddWindow_ReplacingANameDropsTheOldWindowFromTheStackAndItsQueuedEvents)
{
    vrk::cWindow* old = Open("dialog");
    gui().PostEvent(old, vrk::kWndClicked, 0, 3);
    vrk::cWindow* fresh = gui().AddWindow("dialog", std::make_unique<test::RecordingFunction>(&seen));
    EXPECT_NE(fresh, old);
    EXPECT_TRUE(gui().OpenWindows().empty());
    EXPECT_FALSE(gui().IsWindowOpen("dialog"));
    seen.clear();
    gui().Update(0.0f);
    EXPECT_TRUE(seen.empty());
}

TEST_F(GuiTest, ShowWindow_UnknownNameWarnsAndChangesNothing)
{
    gui().ShowWindow("missing");
    EXPECT_TRUE(Logged("cGUI^6: ^5Window with name 'missing' not found!"));
    EXPECT_TRUE(gui().OpenWindows().empty());
}

TEST_F(GuiTest, ShowWindow_ModalOverThreeDeactivatesAllAndClosingReactivatesThem)
{
    Open("a");
    Open("b");
    Open("c");
    vrk::cWindow* modal = gui().AddWindow("m", std::make_unique<test::RecordingFunction>(&seen));
    modal->modal = true;
    seen.clear();
    gui().ShowWindow("m");
    EXPECT_EQ(seen, (Lines{"c 16 0 0", "b 16 0 0", "a 16 0 0", "m 10 0 0", "m 15 0 0"}));
    seen.clear();
    gui().CloseWindow("m");
    EXPECT_EQ(seen, (Lines{"m 16 0 0", "c 15 0 0", "b 15 0 0", "a 15 0 0", "m 14 0 0"}));
    EXPECT_FALSE(gui().IsWindowOpen("m"));
    EXPECT_NE(gui().FindWindow("m"), nullptr);  // closed windows stay in the map
}

TEST_F(GuiTest, ShowWindow_ModalDescentStopsAfterTheFirstModalWindow)
{
    Open("a");
    Open("lower", 0, true);
    Open("c");
    vrk::cWindow* modal = gui().AddWindow("m", std::make_unique<test::RecordingFunction>(&seen));
    modal->modal = true;
    seen.clear();
    gui().ShowWindow("m");
    EXPECT_EQ(seen, (Lines{"c 16 0 0", "lower 16 0 0", "m 10 0 0", "m 15 0 0"}));
}

TEST_F(GuiTest, ShowWindow_AlreadyOpenWindowHearsAgainButKeepsItsPlace)
{
    Open("bottom");
    Open("top");
    gui().ShowWindow("bottom");
    EXPECT_EQ(seen, (Lines{"bottom 10 0 0", "bottom 15 0 0"}));
    ASSERT_EQ(gui().OpenWindows().size(), 2u);
    EXPECT_EQ(gui().OpenWindows().back()->GetName(), "top");
}

TEST_F(GuiTest, CloseWindow_UnknownOrClosedNamesDoNothing)
{
    gui().AddWindow("shut", std::make_unique<test::RecordingFunction>(&seen));
    seen.clear();
    gui().CloseWindow("shut");
    gui().CloseWindow("missing");
    gui().AskCloseWindow("missing");
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(gui().IsWindowOpen("missing"));
}

TEST_F(GuiTest, AskCloseWindow_TheDefaultHandlerClosesTheWindow)
{
    Open("dialog", 0, false, true);
    gui().AskCloseWindow("dialog");
    EXPECT_EQ(seen, (Lines{"dialog 11 0 0", "dialog 16 0 0", "dialog 14 0 0"}));
    EXPECT_FALSE(gui().IsWindowOpen("dialog"));
}

TEST_F(GuiTest, GetNextWindow_WalksTheMapInNameOrder)
{
    gui().AddWindow("b");
    gui().AddWindow("a");
    gui().AddWindow("c");
    Lines names;
    for (vrk::cWindow* w = gui().GetFirstWindow(); w != nullptr; w = gui().GetNextWindow(w))
        names.push_back(w->GetName());
    EXPECT_EQ(names, (Lines{"a", "b", "c"}));
    EXPECT_EQ(gui().GetNextWindow(nullptr), nullptr);
}

TEST_F(GuiTest, Update_DeliversAWindowsUpdateEventOneUpdateAfterPostingIt)
{
    Open("first");
    gui().Update(1.0f / 30.0f);
    EXPECT_TRUE(seen.empty());
    Open("second");  // opened between two updates
    gui().Update(1.0f / 30.0f);
    EXPECT_EQ(seen, (Lines{"first 2 33 0"}));
    seen.clear();
    gui().Update(1.0f / 30.0f);
    EXPECT_EQ(seen, (Lines{"second 2 33 0", "first 2 33 0"}));  // top first
}

TEST_F(GuiTest, Update_EventsPostedWhileDeliveringArriveInTheSamePass)
{
    struct Reposter : vrk::cWindowFunction {
        explicit Reposter(Lines* seen) : seen_(seen) {}
        int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t) override
        {
            seen_->push_back(std::to_string(code) + " " + std::to_string(first));
            if (code == vrk::kWndClicked && first < 2) window->GetGUI()->PostEvent(window, code, first + 1, 0);
            return 0;
        }
        Lines* seen_;
    };
    vrk::cWindow* window = gui().AddWindow("w", std::make_unique<Reposter>(&seen));
    seen.clear();
    gui().PostEvent(window, vrk::kWndClicked, 0, 0);
    gui().PostEvent(nullptr, vrk::kWndClicked, 0, 0);  // no target: not queued
    EXPECT_EQ(gui().QueuedEvents(), 1u);
    gui().Update(0.0f);
    EXPECT_EQ(seen, (Lines{"48 0", "48 1", "48 2"}));
    EXPECT_EQ(gui().QueuedEvents(), 0u);
}

TEST_F(GuiTest, Update_FlipsTheCaretBlinkAfterHalfASecond)
{
    const bool start = gui().CaretBlink();
    for (int i = 0; i < 15; ++i) gui().Update(1.0f / 30.0f);  // 0.5 exactly is not past it
    EXPECT_EQ(gui().CaretBlink(), start);
    gui().Update(1.0f / 30.0f);
    EXPECT_NE(gui().CaretBlink(), start);
}

TEST_F(GuiTest, OnLocaleChanged_ReachesEveryWindowOpenOrNotInNameOrder)
{
    gui().AddWindow("z", std::make_unique<test::RecordingFunction>(&seen));
    Open("a");
    gui().OnLocaleChanged();
    EXPECT_EQ(seen, (Lines{"a 20 0 0", "z 20 0 0"}));
}

TEST_F(GuiTest, Destruction_SendsDestroyingToEveryWindowInNameOrder)
{
    auto gui = std::make_unique<vrk::cGUI>(1024.0f, 768.0f);
    gui->AddWindow("b", std::make_unique<test::RecordingFunction>(&seen));
    gui->AddWindow("a", std::make_unique<test::RecordingFunction>(&seen));
    gui->ShowWindow("a");
    seen.clear();
    gui.reset();
    EXPECT_EQ(seen, (Lines{"a 9 0 0", "b 9 0 0"}));
}

TEST_F(GuiTest, Cursor_FollowsTheMouseWithYUpOnlyWhileShown)
{
    EXPECT_EQ(gui().cursor.width, 64.0f);
    EXPECT_EQ(gui().cursor.align, static_cast<uint32_t>(vrk::kAlignLeft | vrk::kAlignTop));
    gui().OnMouseMove(100, 700);
    EXPECT_EQ(gui().cursor.x, 100.0f);
    EXPECT_EQ(gui().cursor.y, 68.0f);
    gui().cursorShown = false;
    gui().OnMouseMove(5, 5);
    EXPECT_EQ(gui().cursor.x, 100.0f);
}

TEST_F(GuiTest, Draw_SendsDrawToEveryOpenWindowBottomFirstActiveOrNot)
{
    Open("bottom")->active = false;
    Open("top");
    gui().AddWindow("closed", std::make_unique<test::RecordingFunction>(&seen));
    seen.clear();
    gui().Draw();
    EXPECT_EQ(seen, (Lines{"bottom 1 0 0", "top 1 0 0"}));
}

TEST_F(GuiTest, Draw_PutsTheCursorQuadAtItsAlignedPosition)
{
    vrk::GetTextureMap()["cursor_pointer"] = std::make_shared<vrk::cTexture>("cursor_pointer");
    gui().SetCursorTexture("cursor_pointer");
    gui().cursor.width = 32.0f;
    gui().cursor.height = 32.0f;
    gui().OnMouseMove(100, 700);  // y up: 68
    gui().Draw();
    const vrk::VertexBatch& batch = *game->batch;
    ASSERT_EQ(batch.runCount, 1u);
    float minX = 1e9f, minY = 1e9f;
    for (uint32_t i = 0; i < batch.UsedVertices(); ++i) {
        minX = std::min(minX, batch.vertices[i].x);
        minY = std::min(minY, batch.vertices[i].y);
    }
    EXPECT_EQ(minX, 100.0f);
    EXPECT_EQ(minY, 36.0f);  // Top: the picture hangs below the point
}

}  // namespace
