// cProfileAddWF: the name entry of a player profile. One instance serves
// "profile_add" (a further profile, from the profile list, with "cancel") and one
// "profile_new" (the name of the first, still nameless profile, asked for by the
// main menu, without "cancel").
#pragma once
#include <cstdint>
#include <string>

#include "framework/widgets/base_wf.h"

class cProfileAddWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // True when a typed character may not go into a name: punctuation, or in a
    // Japanese, Korean or Chinese locale the Latin letters and digits.
    static bool IsRefused(intptr_t character, bool eastAsianLocale);
    // The name without the spaces at either end.
    static std::string TrimSpaces(const std::string& name);

private:
    void Prepare(vrk::cWindow* window);
    void Accept(vrk::cWindow* window);
    // Back to where the window was opened from.
    static void Leave(const vrk::cWindow* window);

    vrk::cCtrl* cancel_ = nullptr;
    vrk::cCtrl* name_ = nullptr;
};
