// The steps of level "011" and their tests.
#include "game/hints/train011.h"

#include "framework/objects/object.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"
#include "objects/worker.h"

namespace train011 {

namespace {
constexpr float kFreeWorkerDelay = 10.0f;
}  // namespace

cSaveWorker::cSaveWorker()
    : cTrainStep({.textKey = "Train011SaveWorker", .objectName = "worker0", .flags = kTrainWait})
{
}
bool cSaveWorker::IsTriggered()
{
    return FirstOfKind(kTypeGoblin, [](cObject* goblin) { return goblin->GetState() == cGoblin::kStatePicking; }) !=
           nullptr;
}
void cSaveWorker::Finish() { FinishWith<cAddWorker>(); }

cAddWorker::cAddWorker() : cTrainStep({.textKey = "Train011AddWorker", .objectName = "key_altar0"}) {}
bool cAddWorker::IsTriggered() { return target != nullptr && target->GetUsedPlaces() != 0; }
bool cAddWorker::IsDone() { return target != nullptr && target->GetUsedPlaces() > 1; }
void cAddWorker::Finish() { FinishWith<cFreeWorker>(); }

cFreeWorker::cFreeWorker()
    : cTrainStep({.textKey = "Train011FreeWorker", .objectName = "key_altar0", .delay = kFreeWorkerDelay})
{
}
bool cFreeWorker::IsTriggered()
{
    if (target == nullptr || target->GetUsedPlaces() == 0) return false;
    const cObject* altar = target;
    const cObject* worker = FirstOfKind(kTypeWorker, [altar](cObject* object) {
        const auto* man = dynamic_cast<const cMan*>(object);
        return man != nullptr && man->GetTarget() == altar && object->GetState() == cWorker::kStateAtWork;
    });
    if (worker == nullptr) return false;
    usedPlaces = target->GetUsedPlaces();
    return true;
}
bool cFreeWorker::IsDone() { return target != nullptr && target->GetUsedPlaces() != usedPlaces; }

}  // namespace train011
