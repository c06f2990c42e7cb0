// cFrameCtrl: a nine-slice frame; the texture's corners and edges keep their size while
// the centre stretches.
#pragma once
#include <memory>

#include "engine/gui/ctrl.h"

namespace vrk {

class cTexture;

// The same rectangle with a positive width and height: a negative width reaches left
// of x, a negative height below y.
GuiRect NormalisedRect(const GuiRect& rect);

class cFrameCtrl : public cCtrl {
public:
    cFrameCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode) override;
    // Strict, over the normalised rectangle: a frame stored reaching left or down from
    // its anchor is hit where it is drawn.
    bool HitTest(float x, float y) const override { return NormalisedRect(rect_).Contains(x, y); }
    // As stored, negative sizes included.
    GuiRect GetRect() const override { return rect_; }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    const char* GetClassName() const override { return "cFrameCtrl"; }

    virtual void SetDrawCenter(bool drawCenter) { drawCenter_ = drawCenter; }

    bool GetDrawCenter() const { return drawCenter_; }
    const GuiRect& GetUVRect() const { return uvRect_; }
    float GetBorderX() const { return borderX_; }
    float GetBorderY() const { return borderY_; }
    float GetBorderU() const { return borderU_; }
    float GetBorderV() const { return borderV_; }
    const std::shared_ptr<cTexture>& GetTexture() const { return texture_; }
    uint32_t GetColor() const { return color_; }
    void SetColorValue(uint32_t color) { color_ = color; }

protected:
    std::shared_ptr<cTexture> texture_;
    bool drawCenter_ = true;
    GuiRect rect_;
    GuiRect uvRect_{0.0f, 0.0f, 1.0f, 1.0f};
    float borderX_ = 0.0f;
    float borderY_ = 0.0f;
    float borderU_ = 0.0f;
    float borderV_ = 0.0f;
    uint32_t color_ = 0xFFFFFFFFu;
};

}  // namespace vrk
