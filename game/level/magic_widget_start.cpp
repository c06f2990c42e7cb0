// cMagicWidget: the level start after loading. The buildings and obstacles mark
// their zones, the home's reach is tested, workers without a way home are cut off,
// pick-ups go into their plants, the way points are listed and the enemy columns
// set off; the fountain goes under everything else.
#include <array>
#include <vector>

#include "framework/objects/game_object.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/worker.h"

namespace {

// The kinds whose zones block the grid at the level's start.
constexpr std::array<int32_t, 13> kZoneKinds{kTypeBuild,  kTypePlant,  kTypeAltar,       kTypeAltarEnemy, kTypeBarrier,
                                             kTypeSource, kTypeField,  kTypeLake,        kTypeTower,      kTypePrison,
                                             kTypeBell,   kTypeBonfire, kTypeTunnelBuild};
constexpr const char* kFountainSprite = "anim=source_fountain";
constexpr int32_t kFountainLayer = 0;

}  // namespace

void cMagicWidget::LinkObjects()
{
    LevelScreen::LinkObjects();
    MarkZones();
    UpdateReachability(3);
    CutOffUnreachableWorkers();
    LinkItemsToPlants();
    ListWayPoints();
    LeadColumn(kTypeBandit);
    LeadColumn(kTypeSkeletonWizard);
    MoveFountainDown();
}

void cMagicWidget::MarkZones()
{
    // Scene order, each object once even when it answers to several kinds.
    std::vector<cGameObject*> marking;
    for (const ObjectList& layer : layers_) {
        for (cObject* object : layer) {
            for (int32_t kind : kZoneKinds) {
                if (!object->IsKindOf(kind)) continue;
                if (auto* gameObject = dynamic_cast<cGameObject*>(object)) marking.push_back(gameObject);
                break;
            }
        }
    }
    for (cGameObject* object : marking) object->MarkZone(1);
}

void cMagicWidget::CutOffUnreachableWorkers()
{
    // Without a home every path home counts as none, so every worker is cut off.
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, -1);
    auto* homeBase = static_cast<cGameObject*>(home);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || worker->GetTypeId() != kTypeWorker) continue;
        std::vector<vec2> path;
        if (homeBase == nullptr || !FindPath(path, worker, homeBase, false)) worker->SetState(cWorker::kStateCutOff);
    }
}

void cMagicWidget::LinkItemsToPlants()
{
    ObjectList items;
    FindObjectsOfKind(items, kTypeItem, -1);
    for (cObject* object : items) {
        auto* item = dynamic_cast<cGameObject*>(object);
        if (item == nullptr) continue;
        auto* plant = dynamic_cast<cPlant*>(FindObjectById(static_cast<uint32_t>(item->GetLinkId()), -1));
        if (plant == nullptr || !plant->IsKindOf(kTypePlant)) continue;
        plant->SetLinkedItem(item);
        item->SetState(-1);
    }
}

void cMagicWidget::ListWayPoints()
{
    ObjectList points;
    FindObjectsOfKind(points, kTypeWayPoint, -1);
    for (cObject* object : points) {
        if (auto* wayPoint = dynamic_cast<cGameObject*>(object)) wayPoints_.push_back(wayPoint);
    }
}

void cMagicWidget::MoveFountainDown()
{
    for (const ObjectList& layer : layers_) {
        for (cObject* object : layer) {
            if (object->GetSprite() != kFountainSprite) continue;
            SetObjectLayer(object, kFountainLayer);
            return;
        }
    }
}
