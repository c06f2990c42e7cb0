// The steps of level "021".
#include "game/hints/train021.h"

namespace train021 {

cLighthouseInfo::cLighthouseInfo()
    : cTrainStep({.textKey = "Train021LighthouseInfo", .objectName = "lighthouse0", .flags = kTrainWait})
{
}

}  // namespace train021
