// cToolbarSysCtrl: a picture grid whose items act as buttons: a press on an item tells
// the window at once, and nothing is selected.
#pragma once
#include "engine/gui/image_list_sys_ctrl.h"

namespace vrk {

class cToolbarSysCtrl : public cImageListSysCtrl {
public:
    cToolbarSysCtrl(cWindow* window, const std::string& name);

    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // Rows times columns of square cells as high as an item.
    uint32_t GetVisibleCount() const override;
    const char* GetClassName() const override { return "cToolbarSysCtrl"; }
};

}  // namespace vrk
