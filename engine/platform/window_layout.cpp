// Placement of the main window.
#include "engine/platform/window_layout.h"

#include "port/window/display.h"

namespace vrk {

namespace {

// The 4:3 ratio as the window has always been fitted with.
constexpr float kFourThirds = 1.3333334f;

struct OuterSize {
    int32_t width;
    int32_t height;
};

OuterSize OuterOf(int32_t clientWidth, int32_t clientHeight, const port::FrameMetrics& frame)
{
    return OuterSize{clientWidth + 2 * frame.frameThickness,
                     clientHeight + frame.captionHeight + 2 * frame.frameThickness};
}

}  // namespace

WindowLayout ComputeWindowedLayout(const port::DisplayRect& workArea, const port::FrameMetrics& frame)
{
    WindowLayout layout;
    OuterSize outer = OuterOf(layout.clientWidth, layout.clientHeight, frame);
    const int32_t workRight = workArea.Right();
    const int32_t workBottom = workArea.Bottom();
    if (outer.height > workBottom || outer.width > workRight) {
        const int32_t excessWidth = outer.width - workRight;
        const int32_t excessHeight = outer.height - workBottom;
        if (excessWidth > excessHeight) {
            layout.clientWidth = workRight - 2 * frame.frameThickness;
            layout.clientHeight = static_cast<int32_t>(static_cast<float>(layout.clientWidth) / kFourThirds);
        } else {
            layout.clientHeight = workBottom - (frame.captionHeight + 2 * frame.frameThickness);
            layout.clientWidth = static_cast<int32_t>(static_cast<float>(layout.clientHeight) * kFourThirds);
        }
        outer = OuterOf(layout.clientWidth, layout.clientHeight, frame);
    }
    // Centred against the usable area's right and bottom edges only, as the window has
    // always been placed.
    layout.x = (workRight - outer.width) / 2;
    layout.y = (workBottom - outer.height) / 2;
    return layout;
}

bool DesktopWindowedLayout(WindowLayout& layout)
{
    port::DisplayRect workArea;
    if (!port::UsableBounds(workArea)) return false;
    layout = ComputeWindowedLayout(workArea, port::TypicalFrameMetrics());
    return true;
}

bool DesktopSize(int32_t& width, int32_t& height)
{
    port::DesktopDisplayMode desktop;
    if (!port::DesktopMode(desktop)) return false;
    width = desktop.width;
    height = desktop.height;
    return true;
}

}  // namespace vrk
