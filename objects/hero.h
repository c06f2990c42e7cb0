// cHero: the one fighter of the player's side. The level screen sends him against
// an enemy; he runs there, strikes it every time his strike animation ends until it
// falls, and otherwise stands, wanders about and, after ten seconds without a
// target, walks back into the home building, where he stays out of sight until he
// is sent out again. When the way home is cut he leaves through a portal.
//
// Set-up, messages, state changes and drawing live in hero.cpp; the tick in
// hero_update.cpp; the gait he shares with his wife in hero_gait.cpp.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/man.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

class cHero : public cMan {
public:
    // The hero's states besides the walker's -1 (path ended) and 2 (walking).
    enum HeroState : int32_t {
        kStateReplan = 3,    // plan the path to the chased enemy again
        kStateStand = 4,     // plays the stand animation once
        kStateWander = 5,    // about to walk somewhere at random
        kStateInside = 6,    // in the home building
        kStateStriking = 7,
        kStatePortal = 8,    // on his way home through a portal
    };
    // Passing the home building's door: outside, going in (or inside), coming out.
    enum DoorState : int32_t {
        kDoorOutside = 0,
        kDoorIn = 1,
        kDoorOut = -1,
    };

    static constexpr int32_t kHeroLayer = 6;
    static constexpr float kStrikeDamage = 5.0f;
    static constexpr float kChaseSeconds = 1.0f;
    static constexpr float kHomeSeconds = 10.0f;
    // The strike sound comes this far into each blow.
    static constexpr float kStrikeSoundSeconds = 0.4f;
    static constexpr float kPortalSeconds = 1.0f;
    // A targetless walk lasts kWanderSeconds plus up to as long again.
    static constexpr float kWanderSeconds = 4.0f;

    explicit cHero(cObjectOwner* owner);
    ~cHero() override;

    // --- Overrides of cObject ---
    void Update() override;
    // Nothing while inside or passing the door; only the portal while it shows.
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    float GetAnimationSpeed() const override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;

    // --- Overrides of cMan ---
    void StartMove() override;
    void SetTarget(cGameObject* target, int32_t kind) override;
    void LeaveBlockedCell() override;
    void CheckPathAhead() override;

    // --- Its own virtual operations ---
    // Through a portal when no path leads home; nothing when one does, or while he
    // is inside or passing the door.
    virtual void ReturnHome();

    // --- Plain access for the level screen and the tests ---
    int32_t GetDoorState() const { return doorState_; }
    const TimedValue<float>& GetChaseTimer() const { return chaseTimer_; }
    const TimedValue<float>& GetHomeTimer() const { return homeTimer_; }
    const TimedValue<float>& GetStrikeTimer() const { return strikeTimer_; }
    float GetWanderTime() const { return wanderTime_; }
    float GetPortalTime() const { return portalTime_; }
    const SpriteAnim& GetPortal() const { return portal_; }

private:
    // The tick's parts (hero_update.cpp).
    void StepStrikeTimer();
    void UpdateWalking();
    // False when he has just stopped next to the chased enemy.
    bool UpdateChase();
    // The end of a strike: the blow, then the next strike or the stand.
    void Strike();
    void OnPathFinished();

    TimedValue<float> chaseTimer_;
    TimedValue<float> homeTimer_;
    TimedValue<float> strikeTimer_;
    int32_t doorState_ = kDoorOutside;
    float wanderTime_ = 0.0f;
    float portalTime_ = 0.0f;
    SpriteAnim portal_;
};
