// The slider base: value range, thumb placement along the track and dragging.
#include "engine/gui/slider_ctrl.h"

#include <cmath>
#include <limits>

namespace vrk {

namespace {

constexpr float kHalf = 0.5f;

// Rounded to the nearest integer, held within what an event parameter carries.
intptr_t RoundedValue(float value)
{
    constexpr double kLowest = std::numeric_limits<int32_t>::min();
    constexpr double kHighest = std::numeric_limits<int32_t>::max();
    const double rounded = std::round(static_cast<double>(value));
    if (!(rounded >= kLowest)) return static_cast<intptr_t>(kLowest);
    if (rounded > kHighest) return static_cast<intptr_t>(kHighest);
    return static_cast<intptr_t>(rounded);
}

// Start of the thumb along one axis: centred on the value's point, kept on the track.
float PlaceAlong(float trackStart, float trackLength, float thumbLength, float fraction)
{
    float start = trackStart + trackLength * fraction - thumbLength * kHalf;
    if (start < trackStart) start = trackStart;
    if (start > trackStart + trackLength - thumbLength) start = trackStart + trackLength - thumbLength;
    return std::trunc(start);
}

float CentreAcross(float trackStart, float trackLength, float thumbLength)
{
    return std::trunc(trackStart + (trackLength - thumbLength) * kHalf);
}

}  // namespace

cSliderCtrl::cSliderCtrl(cWindow* window, const std::string& name) : cCtrl(window, name) {}

void cSliderCtrl::SetValue(float value)
{
    if (std::isnan(value)) value = minimum_;
    if (value < minimum_) value = minimum_;
    if (value > maximum_) value = maximum_;
    value_ = value;
    Layout();
}

void cSliderCtrl::SetMinMax(float minimum, float maximum)
{
    minimum_ = minimum;
    maximum_ = maximum < minimum ? minimum : maximum;
    SetValue(value_);
}

void cSliderCtrl::Layout()
{
    const GuiRect track = GetTrackRect();
    const GuiRect thumb = GetThumbRect();
    const float fraction = minimum_ < maximum_ ? (value_ - minimum_) / (maximum_ - minimum_) : 0.0f;
    GuiRect placed = thumb;
    if (vertical_) {
        placed.y = PlaceAlong(track.y, track.height, thumb.height, fraction);
        placed.x = CentreAcross(track.x, track.width, thumb.width);
    } else {
        placed.x = PlaceAlong(track.x, track.width, thumb.width, fraction);
        placed.y = CentreAcross(track.y, track.height, thumb.height);
    }
    if (placed.x != thumb.x || placed.y != thumb.y) PlaceThumb(placed);
}

bool cSliderCtrl::HitTest(float x, float y) const
{
    return GetTrackRect().Contains(x, y) || GetThumbRect().Contains(x, y);
}

void cSliderCtrl::FollowPointer(intptr_t packedPoint)
{
    const GuiRect track = GetTrackRect();
    const float extent = vertical_ ? track.height : track.width;
    // A track without length gives no position along it.
    if (extent == 0.0f || !std::isfinite(extent)) return;
    const float pointer = static_cast<float>(vertical_ ? GuiPointY(packedPoint) : GuiPointX(packedPoint));
    const float start = vertical_ ? track.y : track.x;
    const float along = (pointer - start) / extent;
    SetValue(minimum_ + along * (maximum_ - minimum_));
    PostWindowEvent(kWndSliderChanged, RoundedValue(value_), id_);
}

int32_t cSliderCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlLeftDown:
        dragging_ = true;
        if (focused_) FollowPointer(second);
        break;
    case kCtrlMouseMove:
        if (focused_ && dragging_) FollowPointer(second);
        break;
    case kCtrlLeftUp:
        dragging_ = false;
        break;
    case kCtrlFocusGained:
        focused_ = true;
        break;
    case kCtrlFocusLost:
        focused_ = false;
        break;
    default:
        break;
    }
    return cCtrl::OnEvent(code, first, second);
}

}  // namespace vrk
