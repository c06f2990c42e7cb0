// The picture grid: insertion of picture items and the grid layout.
#include "engine/gui/image_list_sys_ctrl.h"

#include <memory>

#include "engine/gui/gui.h"
#include "engine/gui/image_ctrl.h"
#include "engine/platform/host_services.h"

namespace vrk {

cImageListSysCtrl::cImageListSysCtrl(cWindow* window, const std::string& name) : cListCtrl(window, name) {}

void cImageListSysCtrl::InsertImage(uint32_t index, const std::string& textureName, const GuiRect& uvRect,
                                    intptr_t data)
{
    auto image = std::make_unique<cImageCtrl>(nullptr, std::string());
    image->SetTexture(textureName, 0);
    image->SetUVRect(uvRect, 0);
    InsertItem(index, std::move(image), data);
    Layout();
}

bool cImageListSysCtrl::CursorPosition(float& x, float& y) const
{
    if (gui_ == nullptr) return false;
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    GetCursorClientPos(cursorX, cursorY);
    gui_->ScreenToGui(cursorX, cursorY);
    x = static_cast<float>(cursorX);
    y = static_cast<float>(cursorY);
    return true;
}

void cImageListSysCtrl::Layout()
{
    float cursorX = 0.0f;
    float cursorY = 0.0f;
    const bool haveCursor = CursorPosition(cursorX, cursorY);
    const float right = rect_.x + rect_.width;
    float x = rect_.x;
    float y = rect_.y + rect_.height - itemHeight_;
    for (uint32_t i = first_; i < VisibleEnd(); ++i) {
        cCtrl& item = *items_[i].item;
        item.SetRect(GuiRect{x, y, itemWidth_, itemHeight_}, 0);
        x += itemWidth_;
        if (x + itemWidth_ > right) {
            x = rect_.x;
            y -= itemHeight_;
        }
        if (!haveCursor) continue;
        // Items move under a resting cursor (scrolling, insertion): keep the hover true.
        const auto index = static_cast<int32_t>(i);
        const bool holdsCursor = item.HitTest(cursorX, cursorY);
        if (holdsCursor && hovered_ != index) ChangeHover(index);
        else if (!holdsCursor && hovered_ == index) ChangeHover(kNoItem);
    }
}

}  // namespace vrk
