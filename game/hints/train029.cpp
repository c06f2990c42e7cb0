// The steps of level "029".
#include "game/hints/train029.h"

#include "framework/objects/object.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"

namespace train029 {

namespace {
constexpr int32_t kGoblinPlacement = 36;
}  // namespace

cGoblinInfo::cGoblinInfo()
    : cTrainStep({.textKey = "Train029GoblinInfo", .flags = kTrainWait, .placement = kGoblinPlacement})
{
}
bool cGoblinInfo::IsTriggered()
{
    target = FirstOfKind(kTypeGoblin, [](cObject* goblin) { return goblin->GetState() == cGoblin::kStatePicking; });
    return target != nullptr;
}

}  // namespace train029
