// The fifteen levels with a tutorial and the step each chain starts with.
#include "game/hints/first_hint.h"

#include <iterator>

#include "game/hints/train000.h"
#include "game/hints/train001.h"
#include "game/hints/train003.h"
#include "game/hints/train009.h"
#include "game/hints/train010.h"
#include "game/hints/train011.h"
#include "game/hints/train019.h"
#include "game/hints/train020.h"
#include "game/hints/train021.h"
#include "game/hints/train025.h"
#include "game/hints/train029.h"
#include "game/hints/train032.h"
#include "game/hints/train035.h"
#include "game/hints/train036.h"
#include "game/hints/train037.h"

namespace {

struct FirstHint {
    const char* level;
    std::unique_ptr<cTrain> (*create)();
};

template <class Step>
std::unique_ptr<cTrain> Make()
{
    return std::make_unique<Step>();
}

constexpr FirstHint kFirstHints[] = {
    {"000", Make<train000::cTakeTree>},       {"037", Make<train037::cAddWorker>},
    {"035", Make<train035::cNightTimer>},     {"010", Make<train010::cAchieve0>},
    {"009", Make<train009::cAltarEnemyInfo>}, {"029", Make<train029::cGoblinInfo>},
    {"011", Make<train011::cSaveWorker>},     {"001", Make<train001::cBuildTower>},
    {"003", Make<train003::cGoblinInfo>},     {"020", Make<train020::cTankInfo>},
    {"032", Make<train032::cAltarEnemyInfo>}, {"036", Make<train036::cSuccubInfo>},
    {"021", Make<train021::cLighthouseInfo>}, {"019", Make<train019::cTowerEnemyInfo>},
    {"025", Make<train025::cBanditInfo>},
};

}  // namespace

std::unique_ptr<cTrain> CreateFirstHint(const std::string& levelName)
{
    for (const FirstHint& entry : kFirstHints) {
        if (levelName == entry.level) return entry.create();
    }
    return nullptr;
}
