// cEditorToolbarCtrl: the object palette of the level editor, a list of square cells
// laid out row by row from the top left, and its item control
// cEditorToolbarItemCtrl. A press on an item sends its command to the focused screen
// instead of selecting it.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/image_ctrl.h"
#include "engine/gui/list_ctrl.h"
#include "framework/objects/sprite_info.h"

class cEditorToolbarCtrl;

class cEditorToolbarItemCtrl : public vrk::cImageCtrl {
public:
    // Made without a window; the toolbar's list owns it.
    explicit cEditorToolbarItemCtrl(cEditorToolbarCtrl* owner);

    // The cell background, then the item's picture in the colour of its state.
    void Draw() override;
    const char* GetClassName() const override { return "cEditorToolbarItemCtrl"; }

    int32_t data = 0;
    std::string itemName;
    cEditorToolbarCtrl* owner;
    SpriteInfo background;
};

class cEditorToolbarCtrl : public vrk::cListCtrl {
public:
    cEditorToolbarCtrl(vrk::cWindow* window, const std::string& name);

    // A left press on the hovered item sends its command; other codes go to the list.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    void Layout() override;
    // Cells are square, as high as the toolbar.
    void SetRect(const vrk::GuiRect& rect, int32_t mode) override;
    uint32_t GetVisibleCount() const override;
    const char* GetClassName() const override { return "cEditorToolbarCtrl"; }

    // name: a sprite (frame picks its window) or else a texture (the whole of it);
    // with neither nothing is added.
    virtual void AddItem(const std::string& name, int32_t data, const std::string& itemName,
                         int32_t frame);
};
