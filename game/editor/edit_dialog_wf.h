// cEditDialogWF: the base of the level editor's edit-field dialogs ("name",
// "object"). On opening the dialog fills its fields and drops the character of the
// key that opened it; Enter applies the fields and closes, Esc closes unchanged.
#pragma once
#include <cstdint>

#include "engine/gui/window_function.h"

class cEditDialogWF : public vrk::cWindowFunction {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

protected:
    // Fills the fields from the focused screen and focuses the first one.
    virtual void FillFields(vrk::cWindow* window) = 0;
    // Hands the fields to the focused screen.
    virtual void ApplyFields() const = 0;

private:
    // The key that opened the window also arrives as a character; it is dropped.
    bool swallowNextChar_ = false;
};
