// The steps of level "009" and their tests.
#include "game/hints/train009.h"

#include <cstddef>

#include "game/level/magic_widget.h"
#include "objects/build.h"

namespace train009 {

namespace {
constexpr int32_t kBellPlacement = 36;
// The spell whose timer the bell step watches, its full length and the share of it
// that may be left.
constexpr size_t kFreezeSpell = 3;
constexpr float kFreezeSeconds = 40.0f;
constexpr float kFreezeShareLeft = 0.25f;
}  // namespace

cAltarEnemyInfo::cAltarEnemyInfo()
    : cTrainStep({.textKey = "Train009AltarEnemyInfo", .objectName = "altar_enemy0", .flags = kTrainWait})
{
}
void cAltarEnemyInfo::Finish() { FinishWith<cAltarInfo>(); }

cAltarInfo::cAltarInfo()
    : cTrainStep({.textKey = "Train009AltarInfo", .objectName = "altar0", .flags = kTrainWait, .delay = 1.5f})
{
}
void cAltarInfo::Finish() { FinishWith<cBellInfo>(); }

cBellInfo::cBellInfo()
    : cTrainStep({.textKey = "Train009BellInfo", .objectName = "bell0", .flags = kTrainWait,
                  .placement = kBellPlacement})
{
}
bool cBellInfo::IsTriggered()
{
    const cMagicWidget* screen = Screen();
    if (target == nullptr || screen == nullptr) return false;
    const float timer = screen->spellTimers[kFreezeSpell];
    return timer >= 0.0f && timer / kFreezeSeconds < kFreezeShareLeft;
}
void cBellInfo::Finish() { FinishWith<cUpgradeHouse>(); }

cUpgradeHouse::cUpgradeHouse()
    : cTrainStep({.textKey = "Train009UpgradeHouse", .objectName = "house0", .flags = kTrainWait})
{
}
bool cUpgradeHouse::IsTriggered()
{
    const auto* house = dynamic_cast<const cBuild*>(target);
    return house != nullptr && house->GetLevel() == 0;
}

}  // namespace train009
