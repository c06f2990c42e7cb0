// The steps of level "003".
#include "game/hints/train003.h"

#include "framework/objects/object.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"

namespace train003 {

cGoblinInfo::cGoblinInfo() : cTrainStep({.textKey = "Train003GoblinInfo", .flags = kTrainWait}) {}
bool cGoblinInfo::IsTriggered()
{
    target = FirstOfKind(kTypeGoblin, [](cObject* goblin) { return goblin->GetState() == cGoblin::kStatePicking; });
    return target != nullptr;
}

}  // namespace train003
