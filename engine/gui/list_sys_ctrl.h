// cListSysCtrl: a list of text rows with a selection frame drawn behind the selected
// rows; new rows copy the style of a row template that the list's font, align and
// colour settings change.
#pragma once
#include <string>

#include "engine/gui/frame_ctrl.h"
#include "engine/gui/list_ctrl.h"
#include "engine/gui/list_item_sys_ctrl.h"

namespace vrk {

class cListSysCtrl : public cListCtrl {
public:
    // SetColor with this bit in which sets the normal text colour, else the hover one.
    static constexpr int32_t kColorNormal = 1;

    cListSysCtrl(cWindow* window, const std::string& name);

    // The selection frame's rectangle and borders; the rectangle's size is the row size.
    void SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode) override;
    void SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode) override;
    void SetTexture(const std::string& textureName, int32_t mode) override;
    void SetColor(float red, float green, float blue, int32_t which) override;
    void SetFont(const std::string& fontName) override;
    void SetAlign(uint32_t align, int32_t mode) override;
    const char* GetClassName() const override { return "cListSysCtrl"; }

    // Gives every text row the template's style.
    virtual void RestyleItems();
    using cListCtrl::InsertItem;
    // A new text row in the template's style.
    virtual void InsertItem(uint32_t index, const std::string& text, intptr_t data);
    virtual void SetItemText(uint32_t index, const std::string& text);
    // Empty for an index beyond the rows or a row that holds no text.
    virtual std::string GetItemText(uint32_t index) const;

    uint32_t GetNormalTextColor() const { return normalTextColor_; }
    uint32_t GetHoverTextColor() const { return hoverTextColor_; }
    cFrameCtrl& GetSelectionFrame() { return selectionFrame_; }
    const cListItemSysCtrl& GetTemplate() const { return template_; }

private:
    cFrameCtrl selectionFrame_;
    cListItemSysCtrl template_;
    uint32_t normalTextColor_ = 0xFFFFFFFFu;
    uint32_t hoverTextColor_ = 0xFFFFFFFFu;
};

}  // namespace vrk
