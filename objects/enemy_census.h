// EnemyCensus: the level's walking enemies as an enemy camp last counted them, kept on
// the level screen for all its camps. Objects leave the scene only when those given
// to RemoveObject are taken out at the end of a tick; while none has been since the
// count, each number in it can only have grown, so a number at a camp's maximum still
// says the level is full and the camp needs no new scan of the scene.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>

struct EnemyCensus {
    // False until the first count, and again once the level is cleared.
    bool counted = false;
    // How many objects the scene had taken out when it was counted.
    size_t takenOut = 0;
    uint32_t enemies = 0;
    // The enemies of each walker type a camp releases.
    std::map<int32_t, uint32_t> walkers;
};
