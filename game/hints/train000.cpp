// The steps of level "000" and their tests.
#include "game/hints/train000.h"

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "framework/objects/object.h"

namespace train000 {

namespace {
constexpr int32_t kFelled = 2;
constexpr int32_t kRepaired = 2;
constexpr int32_t kCleared = 2;
constexpr int32_t kRipe = 1;
constexpr int32_t kBuilt = 1;
constexpr int32_t kTimePlacement = 36;
constexpr int32_t kAltarPlacement = 12;
constexpr const char* kTaskTooltip = "level_task";
}  // namespace

cTakeTree::cTakeTree() : cTrainStep({.textKey = "Train000TakeTree", .objectName = "tree0"}) {}
bool cTakeTree::IsDone() { return TargetInState(kFelled); }
void cTakeTree::Finish() { FinishWith<cRepairBridge0>(); }

cRepairBridge0::cRepairBridge0()
    : cTrainStep({.textKey = "Train000RepairBridge0", .objectName = "bridge0", .delay = 2.5f})
{
}
bool cRepairBridge0::IsDone() { return TargetInState(kRepaired); }
void cRepairBridge0::Finish() { FinishWith<cPanelTask>(); }

cPanelTask::cPanelTask() : cTrainStep({.textKey = "Train000PanelTask", .controlName = "frame_task0"}) {}
bool cPanelTask::IsDone()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr && game->gui != nullptr && game->gui->IsWindowOpen(kTaskTooltip);
}
void cPanelTask::Finish() { FinishWith<cLevelTime>(); }

cLevelTime::cLevelTime()
    : cTrainStep({.textKey = "Train000LevelTime", .controlName = "spin", .flags = kTrainWait,
                  .placement = kTimePlacement})
{
}
void cLevelTime::Finish() { FinishWith<cTakeField>(); }

cTakeField::cTakeField() : cTrainStep({.textKey = "Train000TakeField", .objectName = "field0"}) {}
bool cTakeField::IsDone() { return target != nullptr && target->GetState() != kRipe; }
void cTakeField::Finish() { FinishWith<cRepairBridge1>(); }

cRepairBridge1::cRepairBridge1() : cTrainStep({.textKey = "Train000RepairBridge1", .objectName = "bridge1"}) {}
bool cRepairBridge1::IsDone() { return TargetInState(kRepaired); }
void cRepairBridge1::Finish() { FinishWith<cRemoveBarrier>(); }

cRemoveBarrier::cRemoveBarrier() : cTrainStep({.textKey = "Train000RemoveBarrier", .objectName = "barrier0"}) {}
bool cRemoveBarrier::IsDone() { return TargetInState(kCleared); }
void cRemoveBarrier::Finish() { FinishWith<cUseAltar>(); }

cUseAltar::cUseAltar()
    : cTrainStep({.textKey = "Train000UseAltar", .objectName = "altar0", .placement = kAltarPlacement})
{
}
bool cUseAltar::IsDone() { return target == nullptr; }
void cUseAltar::Finish() { FinishWith<cBuildHouse>(); }

cBuildHouse::cBuildHouse() : cTrainStep({.textKey = "Train000BuildHouse", .objectName = "house0"}) {}
bool cBuildHouse::IsDone() { return TargetInState(kBuilt); }
void cBuildHouse::Finish() { FinishWith<cTargets>(); }

cTargets::cTargets() : cTrainStep({.textKey = "Train000Targets", .flags = kTrainUntargeted | kTrainWait}) {}
void cTargets::Finish() { FinishWith<cRightClick>(); }

cRightClick::cRightClick() : cTrainStep({.textKey = "Train000RightClick", .flags = kTrainUntargeted | kTrainWait}) {}

}  // namespace train000
