// cProfileAddWF: the name entry of a player profile. One instance serves
// "profile_add" (a further profile, from the profile list, with "cancel") and one
// "profile_new" (the name of the first, still nameless profile, asked for by the
// main menu, without "cancel").
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cProfileAddWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    void Prepare(vrk::cWindow* window);
    void Accept(vrk::cWindow* window);
    // Back to where the window was opened from.
    static void Leave(const vrk::cWindow* window);

    vrk::cCtrl* cancel_ = nullptr;
    vrk::cCtrl* name_ = nullptr;
};
