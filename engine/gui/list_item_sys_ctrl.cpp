// The text row: hover colours from its list and the selection frame behind it.
#include "engine/gui/list_item_sys_ctrl.h"

#include <algorithm>
#include <cmath>

#include "engine/gui/list_sys_ctrl.h"

namespace vrk {

cListItemSysCtrl::cListItemSysCtrl(cWindow* window, const std::string& name) : cLabelCtrl(window, name)
{
    align_ = kAlignLeft | kAlignMiddle;
}

void cListItemSysCtrl::SetOwner(cListSysCtrl* list)
{
    if (list == nullptr) return;
    owner_ = list;
    color_ = list->GetNormalTextColor();
}

void cListItemSysCtrl::CopyStyle(const cListItemSysCtrl& label)
{
    rect_.width = label.rect_.width;
    rect_.height = label.rect_.height;
    font_ = label.font_;
    color_ = label.color_;
    align_ = label.align_;
    Layout();
}

void cListItemSysCtrl::Layout()
{
    cLabelCtrl::Layout();
    if (owner_ == nullptr || (align_ & kAlignCenter) != 0) return;
    // Whole pixels, as the label places its text, so the letters stay sharp; a
    // negative border from a script moves nothing.
    const float inset = std::max(0.0f, std::trunc(owner_->GetSelectionFrame().GetBorderX()));
    if ((align_ & kAlignRight) != 0) textRect_.x -= inset;
    else textRect_.x += inset;
}

int32_t cListItemSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (owner_ != nullptr) {
        if (code == kCtrlMouseEntered) color_ = owner_->GetHoverTextColor();
        else if (code == kCtrlMouseLeft) color_ = owner_->GetNormalTextColor();
    }
    return cCtrl::OnEvent(code, first, second);
}

void cListItemSysCtrl::Draw()
{
    if (HasFlag(kCtrlSelected) && owner_ != nullptr) {
        cFrameCtrl& frame = owner_->GetSelectionFrame();
        frame.SetRect(rect_, 0);
        frame.Draw();
    }
    cLabelCtrl::Draw();
}

}  // namespace vrk
