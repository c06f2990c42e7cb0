// The toolbar: its cell count and the press that reports the item.
#include "engine/gui/toolbar_sys_ctrl.h"

#include <algorithm>
#include <limits>

namespace vrk {

cToolbarSysCtrl::cToolbarSysCtrl(cWindow* window, const std::string& name) : cImageListSysCtrl(window, name) {}

uint32_t cToolbarSysCtrl::GetVisibleCount() const
{
    const uint64_t cells = static_cast<uint64_t>(CellsThatFit(rect_.height, itemHeight_)) *
                           CellsThatFit(rect_.width, itemHeight_);
    return static_cast<uint32_t>(std::min<uint64_t>(cells, std::numeric_limits<int32_t>::max()));
}

int32_t cToolbarSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code != kCtrlLeftDown) return cImageListSysCtrl::OnEvent(code, first, second);
    if (hovered_ >= 0) {
        const auto index = static_cast<uint32_t>(hovered_);
        if (IsVisible(index) && !IsItemDisabled(index)) NotifySelection(index);
    }
    return cCtrl::OnEvent(code, first, second);
}

}  // namespace vrk
