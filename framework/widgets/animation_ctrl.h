// cAnimationCtrl: a sprite animation looping in the centre of its rectangle, scaled
// by its own factors.
#pragma once
#include <string>

#include "engine/gui/ctrl.h"
#include "framework/objects/sprite_anim.h"

class cAnimationCtrl : public vrk::cCtrl {
public:
    cAnimationCtrl(vrk::cWindow* window, const std::string& name);

    void Draw() override;
    // Update (2) advances the animation by first milliseconds; every code then goes
    // to the base.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void Move(float dx, float dy) override;
    void SetRect(const vrk::GuiRect& rect, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    vrk::GuiRect GetRect() const override { return rect_; }
    // A sprite name: loops it; a name without a sprite stops and draws nothing.
    void SetTexture(const std::string& textureName, int32_t mode) override;
    const char* GetClassName() const override { return "cAnimationCtrl"; }

    virtual void SetScale(float scaleX, float scaleY);

    const SpriteAnim& GetAnimation() const { return animation_; }
    float GetScaleX() const { return scaleX_; }
    float GetScaleY() const { return scaleY_; }

private:
    vrk::GuiRect rect_;
    SpriteAnim animation_;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
};
