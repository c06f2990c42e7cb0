// The list base: item storage, the visible run, hover tracking and the selection kept
// in the items' selected flags.
#include "engine/gui/list_ctrl.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/gui/window.h"

namespace vrk {

cListCtrl::cListCtrl(cWindow* window, const std::string& name) : cCtrl(window, name)
{
    items_.reserve(kReservedItems);
}

cListCtrl::~cListCtrl() = default;

uint32_t cListCtrl::CellsThatFit(float extent, float cellSize)
{
    if (!(cellSize > 0.0f)) return 0;
    const float cells = std::trunc(extent / cellSize);
    if (!(cells > 0.0f)) return 0;  // also NaN
    constexpr float kMostCells = static_cast<float>(std::numeric_limits<int32_t>::max());
    return cells >= kMostCells ? static_cast<uint32_t>(std::numeric_limits<int32_t>::max())
                               : static_cast<uint32_t>(cells);
}

uint32_t cListCtrl::GetVisibleCount() const { return CellsThatFit(rect_.height, itemHeight_); }

uint32_t cListCtrl::VisibleEnd() const
{
    const uint64_t end = static_cast<uint64_t>(first_) + GetVisibleCount();
    return static_cast<uint32_t>(std::min<uint64_t>(end, items_.size()));
}

bool cListCtrl::IsVisible(uint32_t index) const
{
    return index >= first_ && static_cast<uint64_t>(index) < static_cast<uint64_t>(first_) + GetVisibleCount();
}

void cListCtrl::Layout()
{
    float y = rect_.y + rect_.height - itemHeight_;
    for (uint32_t i = first_; i < VisibleEnd(); ++i) {
        items_[i].item->SetRect(GuiRect{rect_.x, y, rect_.width, itemHeight_}, 0);
        y -= itemHeight_;
    }
}

void cListCtrl::Draw()
{
    for (uint32_t i = first_; i < VisibleEnd(); ++i) items_[i].item->Draw();
}

void cListCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cListCtrl::SetRect(const GuiRect& rect, int32_t mode)
{
    if ((mode & kRectItemSize) != 0) {
        itemWidth_ = rect.width;
        itemHeight_ = rect.height;
    } else {
        rect_ = rect;
    }
    Layout();
}

cCtrl* cListCtrl::GetItem(uint32_t index) const { return IsValid(index) ? items_[index].item.get() : nullptr; }

void cListCtrl::InsertItem(uint32_t index, std::unique_ptr<cCtrl> item, intptr_t data)
{
    if (!item) return;
    const auto at = IsValid(index) ? items_.begin() + index : items_.end();
    items_.insert(at, Entry{std::move(item), data});
    Layout();
}

void cListCtrl::DeleteItem(uint32_t index)
{
    if (!IsValid(index)) return;
    hovered_ = kNoItem;
    items_.erase(items_.begin() + index);
    Layout();
}

void cListCtrl::DeleteAllItems()
{
    hovered_ = kNoItem;
    items_.clear();
    // An empty list has nothing to scroll past; a refilled list starts at its top
    // (the first row could not be scrolled back to otherwise until it existed).
    first_ = 0;
    Layout();
}

uint32_t cListCtrl::GetItemCount() const { return static_cast<uint32_t>(items_.size()); }

void cListCtrl::SetItemData(uint32_t index, intptr_t data)
{
    if (IsValid(index)) items_[index].data = data;
}

intptr_t cListCtrl::GetItemData(uint32_t index) const { return IsValid(index) ? items_[index].data : 0; }

uint32_t cListCtrl::FindNextSelected(uint32_t from) const
{
    for (uint32_t i = from; i < items_.size(); ++i) {
        if (items_[i].item->HasFlag(kCtrlSelected)) return i;
    }
    return GetItemCount();
}

bool cListCtrl::IsSelected(uint32_t index) const
{
    return IsValid(index) && items_[index].item->HasFlag(kCtrlSelected);
}

bool cListCtrl::IsItemDisabled(uint32_t index) const
{
    return !IsValid(index) || items_[index].item->HasFlag(kCtrlDisabled);
}

void cListCtrl::EnableItem(uint32_t index, bool enable)
{
    if (IsValid(index)) items_[index].item->Enable(enable);
}

void cListCtrl::NotifySelection(uint32_t index)
{
    if (window_ != nullptr) window_->GetFunction()->OnEvent(window_, kWndListSelection, index, id_);
}

void cListCtrl::SetSelected(uint32_t index, bool select, bool notify)
{
    if (!IsValid(index) || items_[index].item->HasFlag(kCtrlDisabled)) return;
    cCtrl& item = *items_[index].item;
    if (multiselect_ || !select) {
        if (item.HasFlag(kCtrlSelected) == select) return;
        item.Select(select);
        if (notify) NotifySelection(index);
        return;
    }
    const uint32_t previous = FindNextSelected(0);
    if (previous == index) return;
    if (previous < items_.size()) {
        items_[previous].item->Select(false);
        if (notify) NotifySelection(previous);
    }
    // The handler of the first notification may have changed the list.
    if (!IsValid(index)) return;
    items_[index].item->Select(true);
    if (notify) NotifySelection(index);
}

void cListCtrl::SetFirstVisible(uint32_t index)
{
    if (!IsValid(index)) return;
    first_ = index;
    Layout();
}

void cListCtrl::EnsureVisible(uint32_t index)
{
    if (!IsValid(index)) return;
    if (index < first_) {
        first_ = index;
        Layout();
    }
    const uint32_t visible = GetVisibleCount();
    if (static_cast<uint64_t>(index) >= static_cast<uint64_t>(first_) + visible) {
        // With no room for a row (visible 0) the row itself becomes the first.
        first_ = visible > 0 ? index - visible + 1 : index;
        Layout();
    }
}

void cListCtrl::ChangeHover(int32_t index)
{
    if (index == hovered_) return;
    if (cCtrl* old = hovered_ >= 0 ? GetItem(static_cast<uint32_t>(hovered_)) : nullptr) {
        old->OnEvent(kCtrlMouseLeft, 0, 0);
    }
    hovered_ = index;
    if (cCtrl* now = index >= 0 ? GetItem(static_cast<uint32_t>(index)) : nullptr) {
        now->OnEvent(kCtrlMouseEntered, 0, 0);
    }
}

void cListCtrl::TrackPointer(intptr_t packedPoint)
{
    const auto x = static_cast<float>(GuiPointX(packedPoint));
    const auto y = static_cast<float>(GuiPointY(packedPoint));
    int32_t found = kNoItem;
    for (uint32_t i = first_; i < VisibleEnd(); ++i) {
        if (items_[i].item->HitTest(x, y)) found = static_cast<int32_t>(i);
    }
    ChangeHover(found);
}

int32_t cListCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlMouseMove:
        TrackPointer(second);
        if (cCtrl* item = hovered_ >= 0 ? GetItem(static_cast<uint32_t>(hovered_)) : nullptr) {
            item->OnEvent(kCtrlMouseMove, first, second);
        }
        break;
    case kCtrlLeftDown:
        if (hovered_ >= 0 && IsVisible(static_cast<uint32_t>(hovered_)) &&
            IsValid(static_cast<uint32_t>(hovered_))) {
            const auto index = static_cast<uint32_t>(hovered_);
            if (multiselect_ || !IsSelected(index)) SetSelected(index, !IsSelected(index), true);
        }
        break;
    case kCtrlMouseLeft:
        ChangeHover(kNoItem);
        break;
    default:
        break;
    }
    return cCtrl::OnEvent(code, first, second);
}

}  // namespace vrk
