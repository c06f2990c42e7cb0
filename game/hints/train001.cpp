// The steps of level "001".
#include "game/hints/train001.h"

namespace train001 {

cBuildTower::cBuildTower()
    : cTrainStep({.textKey = "Train001BuildTower", .objectName = "tower0", .flags = kTrainWait})
{
}

}  // namespace train001
