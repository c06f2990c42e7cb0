// cWorker: the walking worker of a level, the unit the player's orders move. It
// walks to a target, works there while the target's work timer runs down, carries
// the yield to a plant or the home building, wanders and rests when idle, and
// reacts to enemies, spells and the hero's wife (flight, fear, capture, ice, charm,
// love, the bell, the tank).
//
// Where the members live: set-up, states and their actions in worker.cpp; the tick
// and the work in worker_update.cpp; gaits and repositioning in worker_gait.cpp; messages, game events, freezing, love and the
// refund in worker_messages.cpp; orders, route, load and delivery in
// worker_orders.cpp; drawing and the hit test in worker_draw.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/curve_catmull_rom_spline.h"
#include "framework/objects/effect_holder.h"
#include "framework/objects/man.h"
#include "framework/objects/resource_bag.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

class LevelScreen;

class cWorker : public cMan {
public:
    // The worker's states besides the walker's -1 (path ended) and 2 (walking).
    enum WorkerState : int32_t {
        kStateFollow = 3,     // an in-love worker re-sent after its leader
        kStateResting = 4,    // sits and plays rest animations
        kStateCheering = 5,
        kStateIdle = 6,       // free for orders
        kStateFleeing = 7,
        kStateAtWork = 8,
        kStateInside = 9,     // seated in a plant
        kStateCutOff = 10,    // no way home: sits with a thought cloud
        kStateScared = 11,
        kStateCarried = 12,   // flying to the prison
        kStateImprisoned = 13,
        kStateCharmed = 14,
        kStateExploding = 15,
        kStateStunned = 16,
    };
    // Door of the home building: outside, passed it going in, coming out.
    enum DoorState : int32_t {
        kDoorOutside = 0,
        kDoorIn = 1,
        kDoorOut = -1,
    };

    static constexpr int32_t kWorkerLayer = 6;
    static constexpr float kRadius = 50.0f;
    static constexpr float kFirstIdleSeconds = 10.0f;
    static constexpr float kFrozenSeconds = 30.0f;
    static constexpr float kStunSeconds = 20.0f;
    static constexpr float kRepositionPeriod = 2.8f;
    static constexpr float kFollowPeriod = 1.0f;
    static constexpr int32_t kRestAnimations = 5;
    // Mana a frozen worker costs to thaw.
    static constexpr int32_t kThawMana = 20;

    explicit cWorker(cObjectOwner* owner);
    ~cWorker() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // The set-up: the animations, shield, ice block and hearts, then idle (or
    // resting on a level opened for editing).
    void SetSprite(const std::string& sprite) override;
    // Stores the state (the worker accepts every change) and asks for a worker
    // recount whenever the old or the requested state is 10 or 13.
    int32_t SetState(int32_t state) override;
    float GetAnimationSpeed() const override;
    int32_t HitTest(const vec2& point) override;
    // A frozen worker is the wife's to thaw: out of her reach, the order is refused.
    int32_t GetOrderState() override;

    // --- Overrides of cGameObject ---
    // The leaving action of the old state, then the entering action of the new one.
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    ResourceVector GetCost() override;
    std::string GetHintText() override;
    float GetRadius() override;

    // --- Overrides of cMan ---
    // The speed of the current animation's gait, then the move restarts.
    void StartMove() override;
    // Neither runs at the home's door nor for a worker in love.
    void LeaveBlockedCell() override;
    void CheckPathAhead() override;

    // --- Its own virtual operations ---
    virtual void SetRoute(const std::vector<vec2>& points);
    // A random spot on the route's first leg; the only point, or (0, 0) without one.
    virtual vec2 GetRoutePoint();
    // Runs to another spot of the route while working.
    virtual void RunToRoutePoint();
    // Drops the target and goes idle (the player clicked the worker).
    virtual void Reset();
    // The direction the worker faces its target while working.
    virtual vec2 GetWorkDirection();
    // Takes a load from its source (the level screen, when the work is done).
    virtual void AssignTask(const ResourceVector& load, cGameObject* source);
    // Sends the load to where it belongs; false when there is nothing to deliver
    // or no home; true also when no way leads there (the worker is then cut off).
    virtual bool StartDelivery();
    // Gives the paid cost of a cancelled order back once.
    virtual void ReleaseReserved();
    virtual bool IsFree();
    virtual bool IsCutOff();
    virtual bool CanCommand();
    virtual void SetFrozen(bool frozen);
    virtual bool IsFrozen();
    virtual void SetInLove(bool inLove);
    // Shows or removes the thought cloud.
    virtual void SetMarker(bool on);

    // --- Plain access for the level screen and the tests ---
    const std::vector<vec2>& GetRoute() const { return route_; }
    bool IsRepositioning() const { return repositioning_; }
    ResourceBag& Load() { return load_; }
    const ResourceBag& Load() const { return load_; }
    ResourceVector& PaidCost() { return paidCost_; }
    const ResourceVector& PaidCost() const { return paidCost_; }
    int32_t GetRestCounter() const { return restCounter_; }
    cObject* GetThreat() const { return threat_; }
    void SetThreat(cObject* threat) { threat_ = threat; }
    float GetSpinAngle() const { return spinAngle_; }
    const TimedValue<float>& GetCaptureParameter() const { return captureParameter_; }
    const curve_CatmullRomSpline<vec2>& GetCaptureCurve() const { return captureCurve_; }
    bool IsInLove() const { return inLove_; }
    const TimedValue<float>& GetFrozenTimer() const { return frozenTimer_; }
    const TimedValue<float>& GetStunTimer() const { return stunTimer_; }
    const TimedValue<float>& GetRepositionTimer() const { return repositionTimer_; }
    const TimedValue<float>& GetWorkSoundTimer() const { return workSoundTimer_; }
    const std::string& GetWorkSound() const { return workSound_; }
    float GetFirstSoundDelay() const { return firstSoundDelay_; }
    float GetRepeatSoundDelay() const { return repeatSoundDelay_; }
    int32_t GetDoorState() const { return doorState_; }
    void SetDoorState(int32_t door) { doorState_ = door; }
    float GetGlowPhase() const { return glowPhase_; }
    float GetIdleCountdown() const { return idleCountdown_; }
    cObject* GetCloud() const { return cloud_; }
    const EffectHolder& GetHearts() const { return hearts_; }
    const SpriteAnim& GetIceSprite() const { return iceSprite_; }
    const SpriteAnim& GetShieldSprite() const { return shieldSprite_; }

private:
    // The actions of the states (worker.cpp).
    void OnLeaveState(int32_t oldState);
    void OnEnterState(int32_t newState);
    void StartWork();
    // The tick by state and the work (worker_update.cpp); false when the work ended
    // in this tick (the rest of the tick is skipped).
    void UpdateByState();
    bool UpdateWork(float dt);
    void UpdateWalking();
    void UpdateFleeing();
    void UpdateCarried();
    void UpdateTrail();
    void PlayWorkSound();
    // A one-shot that can never end (missing, under two frames, no frame rate)
    // would hang the states that wait for its end.
    bool IsOneShotStuck() const;
    // Arrival at the end of a path (worker_messages.cpp).
    void OnArrived(uintptr_t data);
    void OnAnimationEnded();
    void Capture();
    // True when the target is the level's home building (false without one).
    bool IsTargetHome() const;
    bool IsSpellRunning(int32_t spell) const;

    std::vector<vec2> route_;
    TimedValue<float> repositionTimer_;
    bool repositioning_ = false;
    ResourceBag load_;
    ResourceVector paidCost_;
    int32_t restCounter_ = 0;
    cObject* threat_ = nullptr;
    curve_CatmullRomSpline<vec2> captureCurve_;
    TimedValue<float> captureParameter_;
    float spinAngle_ = 0.0f;
    bool frozen_ = false;
    SpriteAnim iceSprite_;
    TimedValue<float> frozenTimer_;
    bool inLove_ = false;
    EffectHolder hearts_;
    TimedValue<float> followTimer_;
    int32_t doorState_ = kDoorOutside;
    float glowPhase_ = 0.0f;
    SpriteAnim shieldSprite_;
    TimedValue<float> stunTimer_;
    float idleCountdown_ = kFirstIdleSeconds;
    TimedValue<float> workSoundTimer_;
    std::string workSound_;
    float firstSoundDelay_ = 0.0f;
    float repeatSoundDelay_ = 0.0f;
    cObject* cloud_ = nullptr;
};

// Restarts a timed value from 0 toward the target.
void RestartTimer(TimedValue<float>& timer, float target);
