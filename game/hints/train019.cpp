// The steps of level "019".
#include "game/hints/train019.h"

namespace train019 {

cTowerEnemyInfo::cTowerEnemyInfo()
    : cTrainStep({.textKey = "Train019TowerEnemyInfo", .objectName = "tower_enemy0", .flags = kTrainWait})
{
}
void cTowerEnemyInfo::Finish() { FinishWith<cAltarInfo>(); }

cAltarInfo::cAltarInfo() : cTrainStep({.textKey = "Train019AltarInfo", .objectName = "altar0", .flags = kTrainWait}) {}

}  // namespace train019
