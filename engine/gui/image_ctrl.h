// cImageCtrl: one textured quad in a rectangle.
#pragma once
#include <memory>

#include "engine/gui/ctrl.h"

namespace vrk {

class cTexture;

class cImageCtrl : public cCtrl {
public:
    cImageCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    GuiRect GetRect() const override { return rect_; }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    const char* GetClassName() const override { return "cImageCtrl"; }

    const GuiRect& GetUVRect() const { return uvRect_; }
    const std::shared_ptr<cTexture>& GetTexture() const { return texture_; }
    uint32_t GetColor() const { return color_; }
    // ARGB as it is, for controls that blend their parts.
    void SetColorValue(uint32_t color) { color_ = color; }

protected:
    GuiRect rect_;
    GuiRect uvRect_{0.0f, 0.0f, 1.0f, 1.0f};
    std::shared_ptr<cTexture> texture_;
    uint32_t color_ = 0xFFFFFFFFu;
};

}  // namespace vrk
