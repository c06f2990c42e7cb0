// The steps of level "037" and their tests.
#include "game/hints/train037.h"

#include "framework/objects/object.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/worker.h"

namespace train037 {

namespace {
constexpr int32_t kMillPlacement = 9;
constexpr int32_t kWitchPlacement = 12;
constexpr float kFreeWorkerDelay = 20.0f;

// The mill's taken seats; -1 without a mill.
int32_t TakenSeats(const cObject* target)
{
    const auto* plant = dynamic_cast<const cPlant*>(target);
    return plant != nullptr ? plant->CountTakenSeats() : -1;
}
}  // namespace

cAddWorker::cAddWorker()
    : cTrainStep({.textKey = "Train037AddWorker", .objectName = "mill0", .placement = kMillPlacement})
{
}
bool cAddWorker::IsDone() { return TakenSeats(target) > 0; }
void cAddWorker::Finish() { FinishWith<cAddedWorker>(); }

cAddedWorker::cAddedWorker()
    : cTrainStep({.textKey = "Train037AddedWorker", .objectName = "mill0", .flags = kTrainWait,
                  .placement = kMillPlacement})
{
}
void cAddedWorker::Finish() { FinishWith<cFreeWorker>(); }

cFreeWorker::cFreeWorker()
    : cTrainStep({.textKey = "Train037FreeWorker", .objectName = "mill0", .placement = kMillPlacement,
                  .delay = kFreeWorkerDelay})
{
}
bool cFreeWorker::IsDone() { return TakenSeats(target) == 0; }
void cFreeWorker::Finish() { FinishWith<cFreedWorker>(); }

cFreedWorker::cFreedWorker()
    : cTrainStep({.textKey = "Train037FreedWorker", .objectName = "mill0", .flags = kTrainWait,
                  .placement = kMillPlacement})
{
}
void cFreedWorker::Finish() { FinishWith<cKillWitch>(); }

cKillWitch::cKillWitch()
    : cTrainStep({.textKey = "Train037KillWitch", .flags = kTrainFollow, .placement = kWitchPlacement})
{
}
bool cKillWitch::IsTriggered()
{
    target = FirstOfKind(kTypeWitch, HasOwnTarget);
    return target != nullptr;
}
bool cKillWitch::IsDone() { return TargetInState(kStateRemoved); }
void cKillWitch::Finish() { FinishWith<cKilledWitch>(); }

cKilledWitch::cKilledWitch() : cTrainStep({.textKey = "Train037KilledWitch", .flags = kTrainWait})
{
    target = FirstOfKind(kTypeWorker, [](cObject* object) {
        auto* worker = dynamic_cast<cWorker*>(object);
        return worker != nullptr && worker->IsFrozen();
    });
    if (target == nullptr) {
        target = FirstOfKind(kTypeWorker,
                             [](cObject* object) { return object->GetState() != cWorker::kStateInside; });
    }
    follow = target != nullptr;
}

}  // namespace train037
