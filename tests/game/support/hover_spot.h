// test::HoverSpot: where on the virtual screen a player points to hover a level
// object: a whole-unit point of its frame, the middle first and then spots further
// out, whose world point the screen's own hover pick gives to the object. A frame's
// see-through parts and what stands in front of the object are passed over, as a
// player's eye passes over them, and so are the spots under the given rectangles of
// the virtual screen (windows over the scene, where the pointer meets the window).
#pragma once
#include <algorithm>
#include <array>
#include <vector>

#include "framework/objects/object.h"
#include "framework/objects/small_math.h"
#include "framework/widgets/base_widget.h"

namespace test {

// False, with the frame's middle as the spot, when no spot gives the object the
// hover.
inline bool HoverSpot(cBaseWidget& screen, const cObject& object, vec2& spot, const std::vector<Rect>& covered = {})
{
    Rect frame;
    object.GetFrameRect(frame, -1);
    static constexpr std::array<float, 9> kShares = {0.5f, 0.4f, 0.6f, 0.3f, 0.7f, 0.2f, 0.8f, 0.1f, 0.9f};
    for (const float fy : kShares) {
        for (const float fx : kShares) {
            const vec2 world{frame.x + frame.width * fx, frame.y + frame.height * fy};
            const vec2 onScreen = screen.WorldToScreen(world);
            spot = vec2{static_cast<float>(static_cast<int>(onScreen.x)), static_cast<float>(static_cast<int>(onScreen.y))};
            const bool under = std::any_of(covered.begin(), covered.end(),
                                           [&](const Rect& rect) { return IsPointInRect(rect, spot); });
            int32_t part = 0;
            if (!under && screen.PickAt(screen.ScreenToWorld(spot), part) == &object && part == 1) return true;
        }
    }
    spot = screen.WorldToScreen(vec2{frame.x + frame.width * 0.5f, frame.y + frame.height * 0.5f});
    return false;
}

}  // namespace test
