// The GUI manager's coordinate mapping and open-window input walk.
#include "engine/gui/gui.h"

#include <gtest/gtest.h>

namespace {

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

class CountingFunction : public vrk::cWindowFunction {
public:
    CountingFunction(int* count, int32_t answer) : count_(count), answer_(answer) {}
    int32_t OnEvent(vrk::cWindow*, int32_t, intptr_t, intptr_t) override
    {
        ++*count_;
        return answer_;
    }

private:
    int* count_;
    int32_t answer_;
};

TEST(GuiWalk, ModalWindowBelowAnInactiveOneStopsTheWalkAsConsumed)
{
    vrk::cGUI gui(1024.0f, 768.0f);
    int bottomCount = 0;
    int modalCount = 0;
    int topCount = 0;
    auto add = [&gui](const char* name, int* count, bool active, bool modal) {
        auto window = std::make_shared<vrk::cWindow>(&gui, name, std::make_unique<CountingFunction>(count, 0));
        window->active = active;
        window->modal = modal;
        gui.openWindows.push_back(window);
    };
    add("bottom", &bottomCount, true, false);
    add("modal", &modalCount, false, true);
    add("top", &topCount, false, false);
    EXPECT_TRUE(gui.OnMouseButton(10, 10, 0, false));
    EXPECT_EQ(bottomCount, 0);
    EXPECT_EQ(modalCount, 0);  // inactive: never called, still blocks
    EXPECT_EQ(topCount, 0);
}

TEST(GuiWalk, NothingConsumedWhenNoWindowAnswersOne)
{
    vrk::cGUI gui(1024.0f, 768.0f);
    int count = 0;
    auto window = std::make_shared<vrk::cWindow>(&gui, "w", std::make_unique<CountingFunction>(&count, 2));
    window->active = true;
    gui.openWindows.push_back(window);
    EXPECT_FALSE(gui.OnKey(65));
    EXPECT_FALSE(gui.OnChar(65));
    EXPECT_EQ(count, 2);
}

TEST(GuiWalk, WindowWithoutFunctionGetsThePlainOne)
{
    vrk::cGUI gui(1024.0f, 768.0f);
    vrk::cWindow window(&gui, "plain", nullptr);
    ASSERT_NE(window.GetFunction(), nullptr);
    EXPECT_EQ(window.GetFunction()->OnEvent(&window, vrk::kWndKeyDown, 65, 0), 0);
}

TEST(GuiWalk, PackedPointCutsEachHalfTo16Bits)
{
    EXPECT_EQ(vrk::PackGuiPoint(5, 7), (7 << 16) | 5);
    EXPECT_EQ(vrk::PackGuiPoint(-1, 0), 0xFFFF);
}

}  // namespace
