// Where the main window goes: the windowed form fitted into the desktop's usable area at
// 4:3, and the size of the full-screen form.
#pragma once
#include <cstdint>

namespace port {
struct DisplayRect;
struct FrameMetrics;
}

namespace vrk {

// The client size the game is laid out for.
constexpr int32_t kClientWidth = 1024;
constexpr int32_t kClientHeight = 768;

struct WindowLayout {
    int32_t clientWidth = kClientWidth;
    int32_t clientHeight = kClientHeight;
    // Outer top-left.
    int32_t x = 0;
    int32_t y = 0;
};

// 1024 x 768 when the framed window fits the usable area, else shrunk to it at 4:3;
// centred on the usable area's right and bottom edges.
WindowLayout ComputeWindowedLayout(const port::DisplayRect& workArea, const port::FrameMetrics& frame);

// The layout on this desktop; false (layout untouched) when the desktop is unknown.
bool DesktopWindowedLayout(WindowLayout& layout);
// The desktop's size for the full-screen form; false when unknown.
bool DesktopSize(int32_t& width, int32_t& height);

}  // namespace vrk
