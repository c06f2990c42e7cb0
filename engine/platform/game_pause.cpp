// The pause counter of the engine core: the pair that raises and lowers it.
#include "engine/platform/game_pause.h"

#include "engine/platform/game_core.h"

namespace vrk {

void HoldPause()
{
    cGame* game = GetGame();
    if (game == nullptr) return;
    if (game->suspended < 0) game->suspended = 0;
    ++game->suspended;
}

void ReleasePauses(int32_t count)
{
    cGame* game = GetGame();
    if (game == nullptr || count <= 0) return;
    game->suspended = game->suspended > count ? game->suspended - count : 0;
}

int32_t GetPauseCount()
{
    const cGame* game = GetGame();
    return game != nullptr ? game->suspended : 0;
}

}  // namespace vrk
