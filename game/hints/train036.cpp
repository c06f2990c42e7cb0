// The steps of level "036".
#include "game/hints/train036.h"

#include "objects/level_contract.h"

namespace train036 {

cSuccubInfo::cSuccubInfo() : cTrainStep({.textKey = "Train036SuccubInfo", .flags = kTrainWait | kTrainFollow}) {}
bool cSuccubInfo::IsTriggered()
{
    target = FirstOfKind(kTypeSuccub, HasOwnTarget);
    return target != nullptr;
}
void cSuccubInfo::Finish() { FinishWith<cAltarInfo>(); }

cAltarInfo::cAltarInfo() : cTrainStep({.textKey = "Train036AltarInfo", .objectName = "altar0", .flags = kTrainWait}) {}

}  // namespace train036
