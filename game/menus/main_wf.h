// cMainWF: the main menu's ("menu") common handling under cMainGDWF: the greeting
// of the logged-on player, the request for a first player's name, and the keys
// that press the menu's buttons.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cMainWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

protected:
    // Only the menu's own handler is made.
    cMainWF() = default;

private:
    // The greeting for a named player; "profile_new" for a nameless one.
    void GreetPlayer();

    vrk::cCtrl* greeting_ = nullptr;
};
