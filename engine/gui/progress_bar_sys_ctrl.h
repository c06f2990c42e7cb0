// cProgressBarSysCtrl: a bar that fills its rectangle by a fraction from the left (or
// from the bottom), or a dial that fills clockwise from the top.
#pragma once
#include "engine/gui/image_ctrl.h"

namespace vrk {

class cProgressBarSysCtrl : public cCtrl {
public:
    cProgressBarSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    // The bar covers the filled part of the rectangle and of the texture rectangle.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    GuiRect GetRect() const override { return rect_; }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    const char* GetClassName() const override { return "cProgressBarSysCtrl"; }

    // Clamped to [0, 1].
    virtual void SetProgress(float progress);
    virtual float GetProgress() const { return progress_; }
    virtual void SetCircular(bool circular) { circular_ = circular; }
    virtual void SetVertical(bool vertical);

    bool IsCircular() const { return circular_; }
    bool IsVertical() const { return vertical_; }
    const cImageCtrl& GetBar() const { return bar_; }
    const GuiRect& GetUVRect() const { return uvRect_; }

private:
    cImageCtrl bar_;
    float progress_ = 0.0f;
    GuiRect rect_;
    GuiRect uvRect_;
    bool circular_ = false;
    bool vertical_ = false;
};

}  // namespace vrk
