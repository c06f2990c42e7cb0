// The kind-test table of the level classes.
#include "objects/level_contract.h"

#include <algorithm>
#include <array>

namespace {

// Each class's own id first, then the ids above it; unused slots are 0.
struct KindRow {
    int32_t typeId;
    std::array<int32_t, 5> kinds;
};

constexpr std::array<KindRow, 28> kKindTable{{
    {kTypeBuild, {kTypeBuild, kTypeGameObject, kTypeObject}},
    {kTypeBarrier, {kTypeBarrier, kTypeGameObject, kTypeObject}},
    {kTypeWorker, {kTypeWorker, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeSource, {kTypeSource, kTypeGameObject, kTypeObject}},
    {kTypePlant, {kTypePlant, kTypeBuild, kTypeGameObject, kTypeObject}},
    {kTypeItem, {kTypeItem, kTypeGameObject, kTypeObject}},
    {kTypeHero, {kTypeHero, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeAltar, {kTypeAltar, kTypeGameObject, kTypeObject}},
    {kTypeField, {kTypeField, kTypeGameObject, kTypeObject}},
    {kTypeLake, {kTypeLake, kTypeGameObject, kTypeObject}},
    {kTypeBaseEnemy, {kTypeBaseEnemy, kTypeGameObject, kTypeObject}},
    {kTypeSkeleton, {kTypeSkeleton, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeTower, {kTypeTower, kTypeBuild, kTypeGameObject, kTypeObject}},
    {kTypeEnemy, {kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeGoblin, {kTypeGoblin, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeBandit, {kTypeBandit, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeWayPoint, {kTypeWayPoint, kTypeObject}},
    {kTypePrison, {kTypePrison, kTypeBuild, kTypeGameObject, kTypeObject}},
    {kTypeWitch, {kTypeWitch, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeWife, {kTypeWife, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeBell, {kTypeBell, kTypeGameObject, kTypeObject}},
    {kTypeBonfire, {kTypeBonfire, kTypeGameObject, kTypeObject}},
    {kTypeSuccub, {kTypeSuccub, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeTunnelBuild, {kTypeTunnelBuild, kTypeBuild, kTypeGameObject, kTypeObject}},
    {kTypeSkeletonWizard, {kTypeSkeletonWizard, kTypeEnemy, kTypeMan, kTypeGameObject, kTypeObject}},
    {kTypeAltarEnemy, {kTypeAltarEnemy, kTypeGameObject, kTypeObject}},
    {kTypeTank, {kTypeTank, kTypeGameObject, kTypeObject}},
    // The cloud is not even found by its own id.
    {kTypeWorkerCloud, {kTypeObject}},
}};

}  // namespace

bool IsLevelKindOf(int32_t typeId, int32_t kind)
{
    if (kind == 0) return false;
    const auto row = std::find_if(kKindTable.begin(), kKindTable.end(),
                                  [typeId](const KindRow& entry) { return entry.typeId == typeId; });
    if (row == kKindTable.end()) return false;
    return std::find(row->kinds.begin(), row->kinds.end(), kind) != row->kinds.end();
}
