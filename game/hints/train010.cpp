// The steps of level "010" and their tests.
#include "game/hints/train010.h"

#include "framework/objects/game_object.h"

namespace train010 {

cAchieve0::cAchieve0() : cTrainStep({.textKey = "Train010Achieve0", .objectName = "stone0", .flags = kTrainWait}) {}
bool cAchieve0::IsTriggered()
{
    const auto* stone = dynamic_cast<const cGameObject*>(target);
    return stone != nullptr && stone->IsInteractive();
}
void cAchieve0::Finish() { FinishWith<cAchieve1>(); }

cAchieve1::cAchieve1()
    : cTrainStep({.textKey = "Train010Achieve1", .flags = kTrainUntargeted | kTrainWait, .delay = 2.0f})
{
}

}  // namespace train010
