// cEnemy: the common base of the walking enemies (goblins, bandits, skeletons and
// the rest). It keeps the damage taken and the health in the work timer's fields,
// holds the enemy for a while after the hero or a tower engages or hits it, draws
// its health bar and the hero's target marker, and removes a walker that has come
// home to its camp. It is never made from a level file.
#pragma once
#include <cstdint>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "framework/objects/man.h"
#include "framework/objects/timed_value.h"

class cHero;
class cWorker;

class cEnemy : public cMan {
public:
    // States every walking enemy shares; the derived classes add theirs from 6 on.
    enum EnemyState : int32_t {
        kStateChoose = 4,
        kStateHeld = 5,
    };
    static constexpr int32_t kEnemyLayer = 6;
    static constexpr int32_t kAttackerPlaces = 100;
    static constexpr float kEnemyRadius = 50.0f;
    // A hit holds the enemy this long (the hold timer runs 0 to this at speed 1).
    static constexpr float kHoldSeconds = 4.0f;

    explicit cEnemy(cObjectOwner* owner);
    ~cEnemy() override;

    // --- Overrides ---
    void Update() override;
    void DrawOverlay() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    int32_t HitTest(const vec2& point) override;
    // A walker that takes no click now (the hero's target, a dying one, one never
    // clicked) still stands in front of what is behind its body.
    bool HidesPoint(const vec2& point) override;
    // A click on an enemy sends the hero, when his walk to it can be planned now.
    int32_t GetOrderState() override;
    float GetRadius() override;

    // The animations a walker's set-up adds: key and sprite of each.
    using AnimationList = std::vector<std::pair<std::string, std::string>>;
    // The sprites a walker's set-up with these animations takes: the shadow's and the
    // animations'. A camp marks them while its level loads (cBaseEnemy::SetSprite).
    static std::vector<std::string> SetUpSprites(const AnimationList& animations);

    // --- Its own operations ---
    virtual bool IsDead() const;
    // True when another walking enemy already has the object as its target.
    virtual bool IsTargetTaken(cObject* object);

    // --- Plain access ---
    float GetDamage() const { return timerRemaining_; }
    float GetHealth() const { return timerPeriod_; }
    // 1 until the walker first sets out for a target of its own; towers spare it.
    uint8_t GetSetOutFlag() const { return setOut_; }
    void SetSetOutFlag(uint8_t flag) { setOut_ = flag; }
    // The camp that released the walker; null for one placed by the level file.
    cGameObject* GetHome() const { return home_; }
    void SetHome(cGameObject* home) { home_ = home; }
    const TimedValue<float>& GetHoldTimer() const { return holdTimer_; }
    // The bar is drawn while held or hurt and still alive (and only with a health).
    bool ShowsHealthBar() const;
    // The marker shows the enemy the hero is after, until it is held or dead.
    bool ShowsTargetMarker() const;

    // The level's hero, or null on a level without one.
    static cHero* FindHero();
    // The verdict as it stands, unless it allows the order and the hero cannot walk
    // to the walker now (it stands beyond the grid's edge or water): then the order
    // is refused with the blocked path's text (1), and no green frame promises it.
    int32_t HeroReachVerdict(int32_t verdict);
    // A target has gone when it is null, taken out (-2) or queued for removal this
    // tick (it then still keeps its state and layer place).
    static bool HasGone(const cObject* object);
    // A one-shot animation that never steps (missing, fewer than 2 frames, no
    // positive frame rate) would never end the state waiting for it.
    bool IsOneShotStuck() const;

protected:
    // Asks the level to walk the walker back to its camp; false without a camp.
    bool SendHome();
    // Queues the walker for removal from the level.
    void RemoveFromLevel();
    void AddAnimations(const AnimationList& animations);
    // Sends the walker to the nearest of the workers a path leads to (nearest
    // first, ties in list order); true when one took him, the set-out flag then
    // cleared. False without a level screen or with no one to reach.
    bool SendToNearestWorker(std::list<cMan*> workers);
    // A choice that found no one: the walker goes home, or leaves the level when
    // it has set out before or has no way home.
    void GoHomeOrLeave();
    // The workers on the workers' layer within reach of the walker.
    std::vector<cWorker*> WorkersWithin(float reach) const;

    uint8_t setOut_ = 1;
    cGameObject* home_ = nullptr;
    TimedValue<float> holdTimer_;
};
