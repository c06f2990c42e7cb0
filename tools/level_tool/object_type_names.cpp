// The class-name table of the level sources.
#include "object_type_names.h"

#include <array>
#include <utility>

#include "objects/level_contract.h"

namespace {

constexpr std::array<std::pair<int32_t, const char*>, 42> kNames{{
    {1, "cObject"},
    {2, "cDecor"},
    {3, "cNode"},
    {4, "cBack"},
    {5, "cParticlesDecor"},
    {6, "cFlyDecor"},
    {7, "cMapPoint"},
    {8, "cMapPath"},
    {9, "cRenderArea"},
    {13, "cRenderHighlight"},
    {14, "cAchieve"},
    {15, "cComicsFrame"},
    {16, "cComicsText"},
    {17, "cAnimal"},
    // The level classes.
    {kTypeBuild, "cBuild"},
    {kTypeBarrier, "cBarrier"},
    {kTypeWorker, "cWorker"},
    {kTypeSource, "cSource"},
    {kTypePlant, "cPlant"},
    {kTypeItem, "cItem"},
    {kTypeHero, "cHero"},
    {kTypeAltar, "cAltar"},
    {kTypeField, "cField"},
    {kTypeLake, "cLake"},
    {kTypeBaseEnemy, "cBaseEnemy"},
    {kTypeSkeleton, "cSkeleton"},
    {kTypeTower, "cTower"},
    {kTypeEnemy, "cEnemy"},
    {kTypeGoblin, "cGoblin"},
    {kTypeBandit, "cBandit"},
    {kTypeWayPoint, "cWayPoint"},
    {kTypePrison, "cPrison"},
    {kTypeWitch, "cWitch"},
    {kTypeWife, "cWife"},
    {kTypeBell, "cBell"},
    {kTypeBonfire, "cBonfire"},
    {kTypeSuccub, "cSuccub"},
    {kTypeTunnelBuild, "cTunnelBuild"},
    {kTypeSkeletonWizard, "cSkeletonWizard"},
    {kTypeAltarEnemy, "cAltarEnemy"},
    {kTypeTank, "cTank"},
    {kTypeWorkerCloud, "cWorkerCloud"},
}};

}  // namespace

int32_t TypeIdOfName(const std::string& name)
{
    for (const auto& [id, text] : kNames) {
        if (name == text) return id;
    }
    return 0;
}

std::string NameOfTypeId(int32_t typeId)
{
    for (const auto& [id, text] : kNames) {
        if (id == typeId) return text;
    }
    return {};
}
