// cSliderCtrl: a value between a minimum and a maximum that follows the mouse along a
// track. The drawn slider (with its track and thumb parts) derives from it.
#pragma once
#include "engine/gui/ctrl.h"

namespace vrk {

class cSliderCtrl : public cCtrl {
public:
    cSliderCtrl(cWindow* window, const std::string& name);

    // Places the thumb for the value (through PlaceThumb).
    void Layout() override;
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // Inside the track or inside the thumb.
    bool HitTest(float x, float y) const override;
    GuiRect GetRect() const override { return GetTrackRect(); }
    const char* GetClassName() const override { return "cSliderCtrl"; }

    // Zero here; the drawn slider gives its parts' rectangles.
    virtual GuiRect GetTrackRect() const { return GuiRect{}; }
    virtual GuiRect GetThumbRect() const { return GuiRect{}; }
    // Clamped to [minimum, maximum].
    virtual void SetValue(float value);
    virtual float GetValue() const { return value_; }
    // A maximum below the minimum becomes the minimum.
    virtual void SetMinMax(float minimum, float maximum);
    virtual float GetMin() const { return minimum_; }
    virtual float GetMax() const { return maximum_; }
    virtual void SetVertical(bool vertical) { vertical_ = vertical; }
    virtual bool IsVertical() const { return vertical_; }
    // Moves the thumb part to the rectangle that Layout computed; nothing here. Layout
    // calls it instead of SetRect, whose meaning in the drawn slider is the thumb's
    // size and which lays the slider out again.
    virtual void PlaceThumb(const GuiRect& /*thumb*/) {}

    bool IsFocused() const { return focused_; }
    bool IsDragging() const { return dragging_; }

protected:
    float minimum_ = 0.0f;
    float maximum_ = 100.0f;
    float value_ = 50.0f;
    bool vertical_ = false;
    bool focused_ = false;
    bool dragging_ = false;

private:
    void FollowPointer(intptr_t packedPoint);
};

}  // namespace vrk
