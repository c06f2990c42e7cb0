// cListCtrl: a vector of item controls of which a run of consecutive ones is shown in
// the list's rectangle, with the item under the mouse and a single or multiple
// selection. Text rows, image grids and toolbars derive from it.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/gui/ctrl.h"

namespace vrk {

class cListCtrl : public cCtrl {
public:
    static constexpr float kDefaultItemSize = 16.0f;
    static constexpr size_t kReservedItems = 30;
    static constexpr int32_t kNoItem = -1;
    // SetRect with this mode bit takes only the item size from the rectangle.
    static constexpr int32_t kRectItemSize = 8;

    cListCtrl(cWindow* window, const std::string& name);
    ~cListCtrl() override;

    void Draw() override;
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // Rows run downward from the top edge, each as wide as the list.
    void Layout() override;
    void Move(float dx, float dy) override;
    void SetRect(const GuiRect& rect, int32_t mode) override;
    bool HitTest(float x, float y) const override { return rect_.Contains(x, y); }
    GuiRect GetRect() const override { return rect_; }
    const char* GetClassName() const override { return "cListCtrl"; }

    // Item indexes are unsigned; one at or beyond the count makes every operation but
    // the inserts (which then append) do nothing.
    // The list owns the item from here on; it has no window and hears only the list.
    virtual void InsertItem(uint32_t index, std::unique_ptr<cCtrl> item, intptr_t data);
    virtual void DeleteItem(uint32_t index);
    virtual void DeleteAllItems();
    virtual uint32_t GetItemCount() const;
    virtual void SetItemData(uint32_t index, intptr_t data);
    virtual intptr_t GetItemData(uint32_t index) const;
    // The first selected index at or after from; the count when none.
    virtual uint32_t FindNextSelected(uint32_t from) const;
    virtual bool IsSelected(uint32_t index) const;
    // With notify, every change of an item's selection sends window event 53 to the
    // window's function at once.
    virtual void SetSelected(uint32_t index, bool select, bool notify);
    virtual void SetMultiselect(bool multiselect) { multiselect_ = multiselect; }
    virtual bool IsMultiselect() const { return multiselect_; }
    virtual uint32_t GetVisibleCount() const;
    virtual void SetFirstVisible(uint32_t index);
    virtual uint32_t GetFirstVisible() const { return first_; }
    virtual void EnsureVisible(uint32_t index);
    virtual bool IsVisible(uint32_t index) const;
    virtual bool IsItemEnabled(uint32_t index) const { return !IsItemDisabled(index); }
    virtual bool IsItemDisabled(uint32_t index) const;
    virtual void EnableItem(uint32_t index, bool enable);

    // The item control at the index, or null.
    cCtrl* GetItem(uint32_t index) const;
    int32_t GetHovered() const { return hovered_; }
    float GetItemWidth() const { return itemWidth_; }
    float GetItemHeight() const { return itemHeight_; }

protected:
    struct Entry {
        std::unique_ptr<cCtrl> item;
        intptr_t data = 0;
    };

    // How many whole cells of the given size fit into the extent; 0 for a cell size
    // that is not positive (a script may set any size).
    static uint32_t CellsThatFit(float extent, float cellSize);
    // Sends the window's function event 53 for the item (nothing without a window).
    void NotifySelection(uint32_t index);
    // The visible range [first, end) clipped to the items.
    uint32_t VisibleEnd() const;
    // Moves the hover to the item (kNoItem for none): 33 to the old, 32 to the new.
    void ChangeHover(int32_t index);
    bool IsValid(uint32_t index) const { return index < items_.size(); }

    GuiRect rect_;
    float itemWidth_ = kDefaultItemSize;
    float itemHeight_ = kDefaultItemSize;
    std::vector<Entry> items_;
    int32_t hovered_ = kNoItem;
    bool multiselect_ = false;
    uint32_t first_ = 0;

private:
    void TrackPointer(intptr_t packedPoint);
};

}  // namespace vrk
