// Input routing through a stack of windows: top first, consumption, inactive windows,
// the modal stop and the codes and packed positions on the y-up virtual screen; and the
// engine core's order of console, GUI and focused screen.
#include <gtest/gtest.h>

#include "engine/log/console.h"
#include "engine/log/logger.h"
#include "engine/platform/game_core.h"
#include "engine/render/font.h"
#include "tests/engine/gui/gui_test_support.h"
#include "tests/engine/render/render_test_support.h"
#include "port/window/virtual_keys.h"

namespace {

using Lines = std::vector<std::string>;

class InputRoutingTest : public test::GuiCoreTest {};

TEST_F(InputRoutingTest, Walk_GoesFromTheTopDownUntilAWindowAnswersOne)
{
    Open("bottom", 1);
    Open("middle", 0);
    Open("top", 2);  // anything but 1 is not consumed
    EXPECT_TRUE(gui().OnKey(65));
    EXPECT_EQ(seen, (Lines{"top 3 65 0", "middle 3 65 0", "bottom 3 65 0"}));
    seen.clear();
    gui().FindWindow("bottom")->active = false;
    EXPECT_FALSE(gui().OnChar(0x263A));
    EXPECT_EQ(seen, (Lines{"top 4 9786 0", "middle 4 9786 0"}));
}

TEST_F(InputRoutingTest, Walk_ModalWindowStopsItEvenWhenInactiveAndNotConsuming)
{
    Open("below", 1);
    Open("modal", 0, true);
    Open("inactive", 1)->active = false;
    EXPECT_TRUE(gui().OnMouseButton(10, 10, 0, false));
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].substr(0, 8), "modal 6 ");
    gui().FindWindow("modal")->active = false;
    seen.clear();
    EXPECT_TRUE(gui().OnMouseMove(10, 10));
    EXPECT_TRUE(seen.empty());
}

TEST_F(InputRoutingTest, Walk_EmptyStackConsumesNothing)
{
    EXPECT_FALSE(gui().OnKey(65));
    EXPECT_FALSE(gui().OnMouseButton(1, 1, 2, true));
}

struct ButtonCase {
    int32_t button;
    bool up;
    int32_t code;
};

class ButtonCodeTest : public InputRoutingTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonCodeTest, ButtonsBecomeWindowCodesWithTheYUpPackedPosition)
{
    Open("w");
    gui().OnMouseButton(300, test::GuiCoreTest::ClientY(200), GetParam().button, GetParam().up);
    const std::string packed = std::to_string((200 << 16) | 300);
    EXPECT_EQ(seen, (Lines{"w " + std::to_string(GetParam().code) + " 0 " + packed}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonCodeTest,
                         testing::Values(ButtonCase{0, false, 6}, ButtonCase{0, true, 7},
                                         ButtonCase{1, false, 17}, ButtonCase{1, true, 18},
                                         ButtonCase{2, false, 0}, ButtonCase{2, true, 0}));

TEST_F(InputRoutingTest, RightButton_ReachesTheFunctionAsCodeZeroAndTheDefaultIgnoresIt)
{
    Open("w", 0, false, true);
    EXPECT_FALSE(gui().OnMouseButton(5, 5, 2, false));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].substr(0, 4), "w 0 ");
}

TEST_F(InputRoutingTest, PillarBox_PacksSideBarPointsLeftOfTheScreen)
{
    gui().clientRect = vrk::ClientRect{0, 0, 1600, 900};
    Open("w");
    gui().OnMouseMove(100, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "w 5 0 " + std::to_string(vrk::PackGuiPoint(-85, 768)));
}

TEST_F(InputRoutingTest, Core_KeysAndCharactersGoToTheConsoleFirstOnlyWhileItIsActive)
{
    // The test core's logger writes to a recording sink: give it a real console again.
    vrk::GetLogger()->SetConsole(std::make_unique<vrk::Console>());
    auto font = std::make_shared<vrk::cFont>();
    test::FillTestFont(*font);
    vrk::GetFontMap()[vrk::Console::kFontName] = font;
    vrk::Console* console = game->GetConsole();
    ASSERT_NE(console, nullptr);
    Open("w", 1);

    EXPECT_EQ(game->OnChar('`'), 1);  // inactive: the window takes the backtick
    EXPECT_FALSE(console->IsOpen());
    EXPECT_EQ(console->SlideSpeed(), 0.0f);
    EXPECT_EQ(seen.size(), 1u);

    game->consoleActive = 1;
    seen.clear();
    EXPECT_EQ(game->OnChar('`'), 1);  // opens the console's slide
    EXPECT_NE(console->SlideSpeed(), 0.0f);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(game->OnKeyDown(port::vk::kLeft), 1);  // closed panel: the key goes on
    EXPECT_EQ(seen, (Lines{"w 3 " + std::to_string(port::vk::kLeft) + " 0"}));

    seen.clear();
    game->lastFrameTime = 10.0f;  // one long frame slides the panel fully open
    game->DrawFrame();
    ASSERT_TRUE(console->IsOpen());
    EXPECT_EQ(game->OnChar('x'), 1);
    EXPECT_EQ(game->OnKeyDown(port::vk::kHome), 1);
    EXPECT_EQ(console->Input(), "x");
    EXPECT_EQ(console->Cursor(), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(InputRoutingTest, Core_WithoutAConsoleTheActiveByteChangesNothing)
{
    game->consoleActive = 1;  // the test core's logger holds a recording sink only
    EXPECT_EQ(game->GetConsole(), nullptr);
    Open("w", 1);
    EXPECT_EQ(game->OnKeyDown(65), 1);
    EXPECT_EQ(seen.size(), 1u);
}

}  // namespace
