// The table of the level classes by type id.
#include "objects/level_object_factory.h"

#include "framework/objects/object.h"
#include "objects/altar.h"
#include "objects/altar_enemy.h"
#include "objects/bandit.h"
#include "objects/barrier.h"
#include "objects/base_enemy.h"
#include "objects/bell.h"
#include "objects/bonfire.h"
#include "objects/build.h"
#include "objects/field.h"
#include "objects/goblin.h"
#include "objects/hero.h"
#include "objects/item.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/prison.h"
#include "objects/skeleton.h"
#include "objects/skeleton_wizard.h"
#include "objects/source.h"
#include "objects/succub.h"
#include "objects/tank.h"
#include "objects/tower.h"
#include "objects/tunnel_build.h"
#include "objects/way_point.h"
#include "objects/wife.h"
#include "objects/witch.h"
#include "objects/worker.h"
#include "objects/worker_cloud.h"

std::unique_ptr<cObject> NewLevelObject(int32_t typeId, [[maybe_unused]] cObjectOwner* owner)
{
    // One line per class of the level; any other id makes nothing.
    switch (typeId) {
    case kTypeBuild: return std::make_unique<cBuild>(owner);
    case kTypeBarrier: return std::make_unique<cBarrier>(owner);
    case kTypeWorker: return std::make_unique<cWorker>(owner);
    case kTypeSource: return std::make_unique<cSource>(owner);
    case kTypePlant: return std::make_unique<cPlant>(owner);
    case kTypeItem: return std::make_unique<cItem>(owner);
    case kTypeHero: return std::make_unique<cHero>(owner);
    case kTypeAltar: return std::make_unique<cAltar>(owner);
    case kTypeField: return std::make_unique<cField>(owner);
    case kTypeLake: return std::make_unique<cLake>(owner);
    case kTypeBaseEnemy: return std::make_unique<cBaseEnemy>(owner);
    case kTypeSkeleton: return std::make_unique<cSkeleton>(owner);
    case kTypeTower: return std::make_unique<cTower>(owner);
    case kTypeGoblin: return std::make_unique<cGoblin>(owner);
    case kTypeBandit: return std::make_unique<cBandit>(owner);
    case kTypeWayPoint: return std::make_unique<cWayPoint>(owner);
    case kTypePrison: return std::make_unique<cPrison>(owner);
    case kTypeWitch: return std::make_unique<cWitch>(owner);
    case kTypeWife: return std::make_unique<cWife>(owner);
    case kTypeBell: return std::make_unique<cBell>(owner);
    case kTypeBonfire: return std::make_unique<cBonfire>(owner);
    case kTypeSuccub: return std::make_unique<cSuccub>(owner);
    case kTypeTunnelBuild: return std::make_unique<cTunnelBuild>(owner);
    case kTypeSkeletonWizard: return std::make_unique<cSkeletonWizard>(owner);
    case kTypeAltarEnemy: return std::make_unique<cAltarEnemy>(owner);
    case kTypeTank: return std::make_unique<cTank>(owner);
    case kTypeWorkerCloud: return std::make_unique<cWorkerCloud>(owner);
    // 103 and 105 name no class; cEnemy (116) is only the base of the walking
    // enemies and never comes from a level file.
    default: return nullptr;
    }
}
