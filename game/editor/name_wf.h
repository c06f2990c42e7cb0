// cNameWF: the handler of the level editor's window "name", which renames the
// focused screen's level. The new name is stored and the level's one background
// follows it; nothing else of the level is set up again.
#pragma once
#include <cstdint>

#include "game/editor/edit_dialog_wf.h"

namespace vrk {
class cCtrl;
}

class cNameWF : public cEditDialogWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

protected:
    void FillFields(vrk::cWindow* window) override;
    // Renames the level.
    void ApplyFields() const override;

private:
    vrk::cCtrl* nameField_ = nullptr;
};
