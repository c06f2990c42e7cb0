// cImageListSysCtrl: a list whose items are pictures laid out in a grid of cells, row
// by row from the top-left corner; the item under the cursor is found again whenever
// the grid is laid out.
#pragma once
#include <string>

#include "engine/gui/list_ctrl.h"

namespace vrk {

class cImageListSysCtrl : public cListCtrl {
public:
    cImageListSysCtrl(cWindow* window, const std::string& name);

    void Layout() override;
    const char* GetClassName() const override { return "cImageListSysCtrl"; }

    // A picture item of the texture's rectangle (see cListCtrl::InsertItem).
    virtual void InsertImage(uint32_t index, const std::string& textureName, const GuiRect& uvRect,
                             intptr_t data);

private:
    // The cursor in GUI units; false without a GUI manager to map it.
    bool CursorPosition(float& x, float& y) const;
};

}  // namespace vrk
