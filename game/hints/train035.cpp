// The steps of level "035" and their tests.
#include "game/hints/train035.h"

#include "framework/objects/object.h"
#include "game/level/magic_widget.h"

namespace train035 {

namespace {
constexpr int32_t kBurning = 0;
constexpr int32_t kDialPlacement = 36;

bool IsNight()
{
    const cMagicWidget* screen = CurrentMagicWidget();
    return screen != nullptr && screen->night;
}
}  // namespace

cNightTimer::cNightTimer()
    : cTrainStep({.textKey = "Train035NightTimer", .controlName = "night", .flags = kTrainWait,
                  .placement = kDialPlacement})
{
}
void cNightTimer::Finish() { FinishWith<cBonfireInfo>(); }

cBonfireInfo::cBonfireInfo()
    : cTrainStep({.textKey = "Train035BonfireInfo", .objectName = "bonfire0", .flags = kTrainWait})
{
}
void cBonfireInfo::Finish() { FinishWith<cBonfire0>(); }

cBonfire0::cBonfire0() : cTrainStep({.textKey = "Train035Bonfire", .objectName = "bonfire0"}) {}
bool cBonfire0::IsTriggered() { return IsNight(); }
bool cBonfire0::IsDone() { return TargetInState(kBurning); }
void cBonfire0::Finish() { FinishWith<cBonfire1>(); }

cBonfire1::cBonfire1() : cTrainStep({.textKey = "Train035Bonfire", .objectName = "bonfire1"}) {}
bool cBonfire1::IsDone() { return TargetInState(kBurning); }
void cBonfire1::Finish() { FinishWith<cBonfireStew0>(); }

cBonfireStew0::cBonfireStew0() : cTrainStep({.textKey = "Train035BonfireStew0", .objectName = "bonfire0"}) {}
bool cBonfireStew0::IsTriggered() { return !IsNight(); }
bool cBonfireStew0::IsDone() { return target != nullptr && target->GetState() != kBurning; }
void cBonfireStew0::Finish() { FinishWith<cBonfireStew1>(); }

cBonfireStew1::cBonfireStew1() : cTrainStep({.textKey = "Train035BonfireStew1", .objectName = "bonfire1"}) {}
bool cBonfireStew1::IsDone() { return target != nullptr && target->GetState() != kBurning; }

}  // namespace train035
