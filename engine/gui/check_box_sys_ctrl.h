// cCheckBoxSysCtrl: a square box with a caption on its right. Its texture holds a
// 2 x 2 grid of cells: columns normal and hovered, rows unchecked and checked.
#pragma once
#include "engine/gui/image_ctrl.h"
#include "engine/gui/label_ctrl.h"

namespace vrk {

class cCheckBoxSysCtrl : public cCtrl {
public:
    cCheckBoxSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // A square box as high as the box rectangle on the left, the caption to its right.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    void SetUVRect(const GuiRect& uvRect, int32_t mode) override;
    bool HitTest(float x, float y) const override;
    GuiRect GetRect() const override { return box_.GetRect(); }
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    void SetText(const std::string& text, int32_t mode) override;
    void SetFont(const std::string& fontName) override;
    void SetAlign(uint32_t align, int32_t mode) override;
    const char* GetClassName() const override { return "cCheckBoxSysCtrl"; }

    virtual void SetChecked(bool checked) { checked_ = checked ? 1 : 0; }
    virtual bool IsChecked() const { return checked_ != 0; }

    bool IsHovered() const { return hovered_; }
    const cLabelCtrl& GetLabel() const { return label_; }
    const cImageCtrl& GetBox() const { return box_; }
    // The texture rectangle the box is drawn with now.
    GuiRect CurrentCell() const;

private:
    cLabelCtrl label_;
    cImageCtrl box_;
    // The whole rectangle last given, box and caption together: the layout splits it
    // afresh each time, so a second layout (after a text change) keeps the caption wide.
    GuiRect area_;
    int32_t checked_ = 0;
    bool hovered_ = false;
};

}  // namespace vrk
