// cWife: the hero's wife, the player's caster. The level screen sends her, for a
// price, to an altar, the prison or a frozen worker; she walks or runs there, casts
// her magic toward it and, when the magic ends, tells the target (7005). Otherwise
// she stands, wanders and, after twelve seconds without a target, walks back into
// the home building, where she stays out of sight until she is sent out again. When
// the way home is cut she leaves through a portal. She walks as the hero does
// (hero_gait.h).
//
// Set-up, messages, state changes and drawing live in wife.cpp; the tick in
// wife_update.cpp.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/man.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

class cWife : public cMan {
public:
    // Her states besides the walker's -1 (path ended) and 2 (walking).
    enum WifeState : int32_t {
        kStateStand = 4,   // one of three idle animations, once
        kStateWander = 5,  // about to walk somewhere at random
        kStateMagic = 6,   // casting at the target
        kStateInside = 7,  // in the home building
        kStatePortal = 8,  // on her way home through a portal
    };
    // Passing the home building's door: outside, going in (or inside), coming out.
    enum DoorState : int32_t {
        kDoorOutside = 0,
        kDoorIn = 1,
        kDoorOut = -1,
    };

    static constexpr int32_t kWifeLayer = 6;
    static constexpr float kHomeSeconds = 12.0f;
    static constexpr float kPortalSeconds = 1.0f;
    // Her first targetless walk lasts this long; later ones kWanderSeconds plus up
    // to as long again.
    static constexpr float kFirstWanderSeconds = 5.0f;
    static constexpr float kWanderSeconds = 4.0f;

    explicit cWife(cObjectOwner* owner);
    ~cWife() override;

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

    // --- Her own virtual operations ---
    // Through a portal when no path leads home; nothing when one does, or while she
    // is inside or passing the door.
    virtual void ReturnHome();
    // Gives what her current order cost back to the stock once (the player called
    // her back on her way). A refund, not income: the level's sums stay as they are.
    virtual void RefundCost();

    // --- Plain access for the level screen and the tests ---
    // What the level screen paid for her current order; it fills this when it
    // sends her, and the end of her magic (or an arrival without magic) uses it up.
    ResourceVector& PaidCost() { return paidCost_; }
    const ResourceVector& PaidCost() const { return paidCost_; }
    int32_t GetDoorState() const { return doorState_; }
    const TimedValue<float>& GetHomeTimer() const { return homeTimer_; }
    float GetWanderTime() const { return wanderTime_; }
    float GetPortalTime() const { return portalTime_; }
    const SpriteAnim& GetPortal() const { return portal_; }

private:
    // The tick's parts (wife_update.cpp).
    void UpdateWalking();
    void OnPathFinished();
    // The end of her magic: the target hears of it unless it has gone.
    void EndMagic();

    TimedValue<float> homeTimer_;
    int32_t doorState_ = kDoorOutside;
    float portalTime_ = 0.0f;
    SpriteAnim portal_;
    float wanderTime_ = kFirstWanderSeconds;
    ResourceVector paidCost_;
};

// The verdict on an order the level screen gives the wife (an altar, the prison, a
// frozen worker): an allowed one she has no walk to now is out of reach
// (kOrderNotInteractive: the refused frame and "path is blocked"), as the hero's
// enemies are. Without a level screen or a wife the verdict stands.
int32_t WifeReachVerdict(cGameObject& target, int32_t verdict);
