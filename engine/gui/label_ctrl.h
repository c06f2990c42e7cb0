// cLabelCtrl: one line of UTF-8 text with colour markup, aligned in a rectangle.
#pragma once
#include <memory>
#include <string>

#include "engine/gui/ctrl.h"

namespace vrk {

class cFont;

class cLabelCtrl : public cCtrl {
public:
    cLabelCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    // Places the text box in the rectangle by the align flags.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    // The text box, not the rectangle.
    bool HitTest(float x, float y) const override { return textRect_.Contains(x, y); }
    GuiRect GetRect() const override { return rect_; }
    void SetColor(float red, float green, float blue, int32_t which) override;
    void SetText(const std::string& text, int32_t mode) override;
    void SetFont(const std::string& fontName) override;
    void SetAlign(uint32_t align, int32_t mode) override;
    const char* GetClassName() const override { return "cLabelCtrl"; }

    virtual std::string GetText() const { return text_; }
    virtual GuiRect GetTextRect() const { return textRect_; }
    virtual cFont* GetFont() const { return font_.get(); }
    virtual uint32_t GetColor() const { return color_; }

    uint32_t GetAlign() const { return align_; }
    void SetColorValue(uint32_t color) { color_ = color; }

protected:
    GuiRect rect_;
    std::string text_;
    std::shared_ptr<cFont> font_;
    uint32_t color_ = 0xFFFFFFFFu;
    uint32_t align_ = kAlignLeft | kAlignBottom;
    GuiRect textRect_;
};

}  // namespace vrk
