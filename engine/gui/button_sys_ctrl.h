// cButtonSysCtrl: a push button, a nine-slice body with a centred caption. Its texture
// holds four cells stacked downward: normal, pressed, hovered and disabled.
#pragma once
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/label_ctrl.h"

namespace vrk {

class cButtonSysCtrl : public cCtrl {
public:
    enum State : int32_t { kNormal = 0, kPressed = 1, kHovered = 2 };
    // The cell row drawn for a disabled button.
    static constexpr int32_t kDisabledCell = 3;

    cButtonSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // The caption covers the body.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode) override;
    bool HitTest(float x, float y) const override { return frame_.HitTest(x, y); }
    GuiRect GetRect() const override { return frame_.GetRect(); }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    void SetText(const std::string& text, int32_t mode) override;
    void SetFont(const std::string& fontName) override;
    void SetAlign(uint32_t align, int32_t mode) override;
    const char* GetClassName() const override { return "cButtonSysCtrl"; }

    // Draw only the first texture cell, whatever the state.
    virtual void SetSingleFrame(bool singleFrame) { singleFrame_ = singleFrame; }

    int32_t GetState() const { return state_; }
    bool IsSingleFrame() const { return singleFrame_; }
    const cLabelCtrl& GetLabel() const { return label_; }
    const cFrameCtrl& GetFrame() const { return frame_; }
    // The texture rectangle the body is drawn with now.
    GuiRect CurrentCell() const;

private:
    cLabelCtrl label_;
    cFrameCtrl frame_;
    int32_t state_ = kNormal;
    bool singleFrame_ = false;
};

}  // namespace vrk
