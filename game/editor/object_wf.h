// cObjectWF: the handler of the level editor's window "object", which edits the
// name, the tag and the data number of the focused screen's selected objects. One
// selected object fills the fields; several open them empty, and Enter writes the
// same three values to all of them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game/editor/edit_dialog_wf.h"

namespace vrk {
class cCtrl;
}

class cObjectWF : public cEditDialogWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // The data field's text as a decimal number: leading blanks and a sign allowed,
    // 0 without digits, clamped to the 32-bit range.
    static int32_t ParseDataNumber(const std::string& text);

protected:
    void FillFields(vrk::cWindow* window) override;
    void ApplyFields() const override;

private:
    // The next field after the focused one, in the order name, tag, data.
    void FocusNextField(vrk::cWindow* window) const;

    // name, tag, data
    std::array<vrk::cCtrl*, 3> fields_{};
};
