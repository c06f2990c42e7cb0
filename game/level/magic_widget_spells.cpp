// cMagicWidget: the player's spells as they start and end. The timers themselves
// run in the play tick; the objects read them for the lasting effects.
#include "game/level/magic_widget.h"
#include "objects/base_enemy.h"
#include "objects/field.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "objects/source.h"

namespace {

constexpr int32_t kSpellFastWorkers = 0;
constexpr int32_t kSpellFastFood = 1;
constexpr int32_t kSpellRestoreTree = 2;
constexpr int32_t kSpellFreezeWater = 3;
constexpr int32_t kSpellKillEnemies = 4;
constexpr int32_t kUsedUpState = 2;
constexpr int32_t kGrownState = 1;
constexpr int32_t kEnemyHarmlessState = 7;

}  // namespace

void cMagicWidget::StartSpell(int32_t id)
{
    ObjectList objects;
    switch (id) {
    case kSpellFastWorkers: noSpeedFlag = false; break;
    case kSpellFastFood:
        FindObjectsOfKind(objects, kTypeField, -1);
        for (cObject* object : objects) {
            if (auto* field = dynamic_cast<cField*>(object)) field->ShowLeaves(true);
        }
        break;
    case kSpellRestoreTree:
        FindObjectsOfKind(objects, kTypeSource, -1);
        for (cObject* object : objects) {
            auto* source = dynamic_cast<cSource*>(object);
            if (source == nullptr || !source->IsTree() || source->GetState() != kUsedUpState) continue;
            source->SetPortions(1);
            source->ShowLeaves(true);
            source->SetState(kGrownState);
        }
        PostEvent(kEventRecount, kTypeWorker);
        break;
    case kSpellFreezeWater:
        FindObjectsOfKind(objects, kTypeLake, -1);
        for (cObject* object : objects) {
            if (auto* lake = dynamic_cast<cLake*>(object)) lake->SetFrozen(true);
        }
        PostEvent(kEventRecount, kTypeWorker);
        break;
    case kSpellKillEnemies:
        FindObjectsOfKind(objects, kTypeEnemy, -1);
        for (cObject* enemy : objects) {
            const int32_t type = enemy->GetTypeId();
            if (type == kTypeSkeleton || type == kTypeWitch || type == kTypeSuccub) enemy->SetState(kEnemyHarmlessState);
        }
        objects.clear();
        FindObjectsOfKind(objects, kTypeBaseEnemy, -1);
        // Only the release timer starts over: the camp draws a fresh interval on its
        // next tick and keeps its interval and maximum, so it is not silenced for good.
        for (cObject* object : objects) {
            if (auto* camp = dynamic_cast<cBaseEnemy*>(object)) camp->ResetReleaseTimer();
        }
        break;
    default: break;
    }
}

void cMagicWidget::StopSpell(int32_t id)
{
    ObjectList objects;
    if (id == kSpellFastFood) {
        FindObjectsOfKind(objects, kTypeField, -1);
        for (cObject* object : objects) {
            if (auto* field = dynamic_cast<cField*>(object)) field->ShowLeaves(false);
        }
    } else if (id == kSpellFreezeWater) {
        FindObjectsOfKind(objects, kTypeLake, -1);
        for (cObject* object : objects) {
            if (auto* lake = dynamic_cast<cLake*>(object)) lake->SetFrozen(false);
        }
        PostEvent(kEventRecount, kTypeWorker);
    }
}
