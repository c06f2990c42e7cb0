// The steps of level "025".
#include "game/hints/train025.h"

namespace train025 {

cBanditInfo::cBanditInfo()
    : cTrainStep({.textKey = "Train025BanditInfo", .objectName = "bandit0", .flags = kTrainWait | kTrainFollow})
{
}
void cBanditInfo::Finish() { FinishWith<cPrisonInfo>(); }

cPrisonInfo::cPrisonInfo()
    : cTrainStep({.textKey = "Train025PrisonInfo", .objectName = "prison0", .flags = kTrainWait})
{
}

}  // namespace train025
