// cTrainWF: the handler of the tutorial hint window "train". It places the framed
// text beside the point a hint is about, wholly on the screen, mirrors the arrow to
// point at it, fades the window in and out in half a second, and tells the level
// screen while the pointer is over the frame, so that a click on a hint never
// reaches an object below it.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/window_function.h"
#include "framework/objects/vec2.h"
#include "framework/widgets/window_fade.h"

class cAnimationCtrl;

class cTrainWF : public vrk::cWindowFunction {
public:
    // Opacity units per second: a full fade takes half a second.
    static constexpr float kFadeSpeed = cWindowFade::kSpeed;
    // Placement flags: the frame reaches left of, or below, its anchor.
    static constexpr uint32_t kPlaceLeft = 0x01;
    static constexpr uint32_t kPlaceBelow = 0x20;
    // The arrow's picture has its tip this share of its size from its middle on
    // each axis (toward its lower left corner before mirroring).
    static constexpr float kArrowTipShare = 0.375f;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // Shows the text beside the point (GUI units) at radius from it; with
    // clickToContinue the "ClickToContinue" line is added. A hint at exactly (0, 0)
    // has no target: no arrow, and its frame sits in the middle of the screen. A
    // frame that would run off the screen on the placement's side of its target goes
    // to the other side, so the whole text stays readable. Calling it again moves the
    // hint. Nothing happens while failed.
    virtual void ShowHint(const std::string& text, float x, float y, bool clickToContinue, uint32_t placement,
                          float radius);

    // How far the arrow's tip lies from the arrow's middle, the frame's anchor, along
    // each axis: a target point this far from the anchor is where the tip touches.
    // 0 while failed.
    float GetArrowReach() const;
    // The arrow's tip as the arrow is placed now, resting (its bobbing carries the
    // tip a little further toward the target), in GUI units.
    vec2 GetArrowTip() const;

    bool IsFailed() const { return failed_; }
    bool GetClickToContinue() const { return clickToContinue_; }
    float GetOpacity() const { return fade_.GetOpacity(); }
    float GetFadeTarget() const { return fade_.GetTarget(); }

private:
    void FindControls(vrk::cWindow* window);
    void Draw();
    void SetHintHover(bool hover) const;

    cWindowFade fade_;
    bool failed_ = true;
    bool clickToContinue_ = false;
    vrk::cCtrl* frame_ = nullptr;
    cAnimationCtrl* arrow_ = nullptr;
    vrk::cCtrl* text_ = nullptr;
    // What the script laid out: the arrow's rectangle around its centre and the
    // text's rectangle inside the frame's corner; both keep these when a hint moves.
    vrk::GuiRect arrowAroundCentre_;
    vrk::GuiRect textInset_;
    float screenWidth_ = 0.0f;
    float screenHeight_ = 0.0f;
};
