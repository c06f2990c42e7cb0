// The steps of level "020".
#include "game/hints/train020.h"

namespace train020 {

cTankInfo::cTankInfo() : cTrainStep({.textKey = "Train020TankInfo", .objectName = "tank0", .flags = kTrainWait}) {}
void cTankInfo::Finish() { FinishWith<cBellInfo>(); }

cBellInfo::cBellInfo() : cTrainStep({.textKey = "Train020BellInfo", .objectName = "bell0", .flags = kTrainWait}) {}

}  // namespace train020
