// cProfileSelectWF: the profile list ("profile_select"): choose the player to go on
// with, add one, or delete one after a confirmation.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/widgets/base_wf.h"

namespace vrk {
class cListSysCtrl;
class cSliderCtrl;
}  // namespace vrk

class cProfileSelectWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // The profile ids of the list's rows, top down.
    const std::vector<std::string>& GetRowIds() const { return rowIds_; }

private:
    void LookUpControls(vrk::cWindow* window);
    void RebuildList(vrk::cWindow* window);
    // The selected row; the row count when none is.
    size_t SelectedRow() const;
    void ScrollTo(intptr_t position);
    void DeleteSelected();
    void ChooseSelected();
    void OnButton(vrk::cWindow* window, intptr_t control);

    vrk::cListSysCtrl* list_ = nullptr;
    vrk::cSliderCtrl* slider_ = nullptr;
    std::vector<std::string> rowIds_;
};
