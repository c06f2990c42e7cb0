// cListItemSysCtrl: one text row of a text list. It takes its colours from the list
// that owns it and draws the list's selection frame behind itself while selected,
// its text inset by that frame's border.
#pragma once
#include "engine/gui/label_ctrl.h"

namespace vrk {

class cListSysCtrl;

class cListItemSysCtrl : public cLabelCtrl {
public:
    cListItemSysCtrl(cWindow* window, const std::string& name);

    void Draw() override;
    // The label's placement, then a left- or right-aligned text kept inside the
    // selection frame's border, so it never touches the edge of the band behind it.
    void Layout() override;
    // Hover colours first, then the control base's answer.
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    const char* GetClassName() const override { return "cListItemSysCtrl"; }

    // The other row's rectangle size, font, colour and align flags, then Layout.
    virtual void CopyStyle(const cListItemSysCtrl& label);
    // A null list is ignored; otherwise the row takes the list's normal text colour.
    virtual void SetOwner(cListSysCtrl* list);

    cListSysCtrl* GetOwner() const { return owner_; }

private:
    cListSysCtrl* owner_ = nullptr;
};

}  // namespace vrk
