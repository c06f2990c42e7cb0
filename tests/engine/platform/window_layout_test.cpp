// Placement of the windowed main window on the desktop's usable area.
#include "engine/platform/window_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "port/window/display.h"

namespace {

struct LayoutCase {
    const char* name;
    port::DisplayRect workArea;
    vrk::WindowLayout expected;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

constexpr port::FrameMetrics kFrame{22, 3};

class WindowLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(WindowLayoutTest, FitsAndCentres)
{
    const LayoutCase& c = GetParam();
    const vrk::WindowLayout layout = vrk::ComputeWindowedLayout(c.workArea, kFrame);
    EXPECT_EQ(layout.clientWidth, c.expected.clientWidth);
    EXPECT_EQ(layout.clientHeight, c.expected.clientHeight);
    EXPECT_EQ(layout.x, c.expected.x);
    EXPECT_EQ(layout.y, c.expected.y);
}

// Outer size of 1024 x 768 with this frame: 1030 x 796.
INSTANTIATE_TEST_SUITE_P(
    Desktops, WindowLayoutTest,
    testing::Values(
        LayoutCase{"FitsUnchanged", {0, 0, 1920, 1050}, {1024, 768, 445, 127}},
        // 740 - (22 + 6) = 712 high, 712 * 1.3333334 = 949 wide, centred.
        LayoutCase{"ShortWorkAreaShrinksByHeight", {0, 0, 1024, 740}, {949, 712, 34, 0}},
        // Width is the worse fit: 1000 - 6 = 994 wide, 994 / 1.3333334 = 745 high.
        LayoutCase{"NarrowWorkAreaShrinksByWidth", {0, 0, 1000, 1000}, {994, 745, 0, 113}},
        // The usable area's left and top are not added to the position.
        LayoutCase{"OffsetWorkAreaKeepsOrigin", {100, 50, 1920, 1050}, {1024, 768, 495, 152}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

}  // namespace
