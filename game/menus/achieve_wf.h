// cAchieveWF: the achievements wall's window ("achieve"): the player's achievement
// score and the way back to the main menu. It opens and closes without a fade.
#pragma once
#include <cstdint>

#include "engine/gui/window_function.h"

namespace vrk {
class cCtrl;
}

class cAchieveWF : public vrk::cWindowFunction {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    // The summed values of the achievements the logged-on player holds in full; 0
    // without a player.
    static int32_t GetScore();

private:
    void ShowScore();

    vrk::cCtrl* score_ = nullptr;
};
