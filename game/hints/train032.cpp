// The steps of level "032".
#include "game/hints/train032.h"

namespace train032 {

cAltarEnemyInfo::cAltarEnemyInfo()
    : cTrainStep({.textKey = "Train032AltarEnemyInfo", .objectName = "altar_enemy0", .flags = kTrainWait})
{
}

}  // namespace train032
