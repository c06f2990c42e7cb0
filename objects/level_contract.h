// What every level object shares: the type ids 101-130 of the level classes, their
// kind tests, the game events level objects send each other, the widget events they
// post to the level screen and the order-state codes of level objects. The
// framework's own ids, messages and verdicts (ObjectTypeId, ObjectMessage,
// OwnerPlayEvent, OrderState, WorkTimerStep, WalkEvent) are used as they are.
#pragma once
#include <cstdint>

#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
#include "framework/objects/object.h"
#include "framework/objects/object_owner.h"

class cObject;
class cGameObject;
class cMan;

// Type ids of the level classes, as level files store them. 103 and 105 belong to
// no class; 116 is the base of the walking enemies and never comes from a file.
enum LevelObjectTypeId : int32_t {
    kTypeBuild = 101,
    kTypeBarrier = 102,
    kTypeWorker = 104,
    kTypeSource = 106,
    kTypePlant = 107,
    kTypeItem = 108,
    kTypeHero = 109,
    kTypeAltar = 110,
    kTypeField = 111,
    kTypeLake = 112,
    kTypeBaseEnemy = 113,
    kTypeSkeleton = 114,
    kTypeTower = 115,
    kTypeEnemy = 116,
    kTypeGoblin = 117,
    kTypeBandit = 118,
    kTypeWayPoint = 119,
    kTypePrison = 120,
    kTypeWitch = 121,
    kTypeWife = 122,
    kTypeBell = 123,
    kTypeBonfire = 124,
    kTypeSuccub = 125,
    kTypeTunnelBuild = 126,
    kTypeSkeletonWizard = 127,
    kTypeAltarEnemy = 128,
    kTypeTank = 129,
    kTypeWorkerCloud = 130,
};

constexpr int32_t kFirstLevelTypeId = kTypeBuild;
constexpr int32_t kLastLevelTypeId = kTypeWorkerCloud;

// The kind test of a level class: true when `kind` is the class's own id or the id
// of a class above it. A way point answers only 119 and 1 (it is no game object: not
// clickable, takes no orders); a worker cloud only 1. Every level class answers
// its IsKindOf through this, so the table lives in one place. False for ids that
// name no level class.
bool IsLevelKindOf(int32_t typeId, int32_t kind);

// Game events: a direct call of the receiver's OnMessage with one pointer-sized
// parameter; nothing is queued.
enum GameEvent : uint32_t {
    kEventMagicReached = 7005,  // param: the wife; to the object she was sent to
    kEventPartClick = 8000,     // param: the part number (above 1)
    kEventAttack = 8001,        // param: the attacker
    kEventScare = 8002,         // param: the sender
    kEventCapture = 8003,       // param: the sender
    kEventFreeze = 8004,        // param: the sender
    kEventCharm = 8005,         // param: the sender
    kEventLove = 8006,          // param: the sender
    kEventShot = 8007,          // param: the shooter
    kEventHit = 8008,           // param: HitRecord*
    kEventBonfireNear = 8009,   // param: the receiver itself
    kEventBellAlarm = 8010,     // param: the bell
    kEventTankHit = 8011,       // param: the tank
};

// The parameter of kEventHit.
struct HitRecord {
    cObject* sender = nullptr;
    float damage = 0.0f;
};

// Widget events level objects hand the level screen (PostEvent, or at once where
// noted).
enum LevelWidgetEvent : uint32_t {
    kEventZoneMarked = 7000,       // after MarkZone(1)
    kEventZoneFreed = 7001,        // after MarkZone(0)
    kEventWorkFinished = 7002,     // param: WorkFinishedRecord*; handled at once
    kEventSpellCast = 7003,        // param: spell id
    kEventSpellEnded = 7004,       // param: spell id
    kEventWidgetMagic = 7005,      // nothing on the screen: 7005 travels as a game event
    kEventEnemyKillWorkers = 7006,
    kEventEnemyKillTowers = 7007,
    kEventTimeAlarm = 7008,        // param: kTimeWarning or kTimeOver
};

// The parameter of kEventWorkFinished; it lives on the worker's stack.
struct WorkFinishedRecord {
    cGameObject* target = nullptr;
    cMan* worker = nullptr;
};

// Parameters of kEventTimeAlarm.
enum TimeAlarm : uintptr_t {
    kTimeOver = 2,
    kTimeWarning = 3,
};

// Order-state codes level objects add to the framework's verdicts.
enum LevelOrderState : int32_t {
    kOrderGrowing = 4,      // a field still growing, not ripe yet
    kOrderNeedsHero = 6,    // only the hero fights it, and the level has none
    kOrderRefused = -1,     // the object refuses orders in its present condition
};
