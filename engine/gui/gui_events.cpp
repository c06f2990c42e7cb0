// Packing of GUI points into event parameters.
#include "engine/gui/gui_events.h"

namespace vrk {

namespace {

constexpr int32_t kHalfBits = 16;
constexpr uint32_t kHalfMask = 0xFFFFu;

}  // namespace

intptr_t PackGuiPoint(int32_t x, int32_t y)
{
    const uint32_t low = static_cast<uint32_t>(x) & kHalfMask;
    const uint32_t high = static_cast<uint32_t>(y) & kHalfMask;
    return static_cast<intptr_t>((high << kHalfBits) | low);
}

int32_t GuiPointX(intptr_t packed)
{
    return static_cast<int16_t>(static_cast<uint32_t>(packed) & kHalfMask);
}

int32_t GuiPointY(intptr_t packed)
{
    return static_cast<int16_t>((static_cast<uint32_t>(packed) >> kHalfBits) & kHalfMask);
}

}  // namespace vrk
