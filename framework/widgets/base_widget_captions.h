// The records behind a screen's hint pop-ups: the style copied from a label and a
// frame control, one record per pop-up, and the handle its holder keeps.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/texture.h"
#include "framework/objects/small_math.h"
#include "framework/objects/vec2.h"

namespace vrk {
class cFont;
}

// What the holder of a pop-up keeps. It names its record by a serial number, so a
// handle that outlives its record (the scene was cleared) finds nothing.
struct CaptionHandle {
    uint64_t serial = 0;
};

struct CaptionStyle {
    // The label's font and text colour, rectangle and alignment flags.
    std::shared_ptr<vrk::cFont> font;
    uint32_t textColor = 0xFFFFFFFFu;
    Rect labelRect;
    uint32_t align = 0;
    // The frame control's nine-slice panel.
    vrk::TexturePtr panelTexture;
    Rect panelRect;
    Rect panelUV;
    vec2 border;    // destination border sizes
    vec2 uvBorder;  // texture border sizes
};

struct CaptionRecord {
    uint64_t serial = 0;
    std::vector<std::string> lines;
    std::vector<vec2> offsets;  // one per line
    vec2 size;                  // the laid-out text block
    float alpha = 0.0f;
    float rate = 1.0f;
    // World box given at creation; x + w, y + h is the anchor point.
    Rect box;
};
