// The text list: rows made from the template, the selection frame and the colours.
#include "engine/gui/list_sys_ctrl.h"

#include <memory>

namespace vrk {

cListSysCtrl::cListSysCtrl(cWindow* window, const std::string& name)
    : cListCtrl(window, name), selectionFrame_(nullptr, std::string()), template_(nullptr, std::string())
{
    template_.SetOwner(this);
}

void cListSysCtrl::SetFrame(const GuiRect& rect, float borderX, float borderY, int32_t mode)
{
    selectionFrame_.SetFrame(rect, borderX, borderY, mode);
    itemWidth_ = rect.width;
    itemHeight_ = rect.height;
    Layout();
}

void cListSysCtrl::SetUVFrame(const GuiRect& uvRect, float borderU, float borderV, int32_t mode)
{
    selectionFrame_.SetUVFrame(uvRect, borderU, borderV, mode);
}

void cListSysCtrl::SetTexture(const std::string& textureName, int32_t mode)
{
    selectionFrame_.SetTexture(textureName, mode);
}

void cListSysCtrl::SetColor(float red, float green, float blue, int32_t which)
{
    const uint32_t color = MakeColor(red, green, blue);
    if ((which & kColorNormal) != 0) {
        normalTextColor_ = color;
        template_.SetColorValue(color);
    } else {
        hoverTextColor_ = color;
    }
}

void cListSysCtrl::SetFont(const std::string& fontName)
{
    template_.SetFont(fontName);
    RestyleItems();
}

void cListSysCtrl::SetAlign(uint32_t align, int32_t mode)
{
    template_.SetAlign(align, mode);
    RestyleItems();
}

void cListSysCtrl::RestyleItems()
{
    for (auto& entry : items_) {
        if (auto* row = dynamic_cast<cListItemSysCtrl*>(entry.item.get())) row->CopyStyle(template_);
    }
    // The template carries no row size; the visible rows get theirs back at once.
    Layout();
}

void cListSysCtrl::InsertItem(uint32_t index, const std::string& text, intptr_t data)
{
    auto row = std::make_unique<cListItemSysCtrl>(nullptr, std::string());
    row->SetOwner(this);
    row->CopyStyle(template_);
    row->SetText(text, 0);
    cListCtrl::InsertItem(index, std::move(row), data);
}

void cListSysCtrl::SetItemText(uint32_t index, const std::string& text)
{
    if (cCtrl* item = GetItem(index)) item->SetText(text, 0);
}

std::string cListSysCtrl::GetItemText(uint32_t index) const
{
    if (auto* label = dynamic_cast<const cLabelCtrl*>(GetItem(index))) return label->GetText();
    return std::string();
}

}  // namespace vrk
