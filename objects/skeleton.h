// cSkeleton: a walking enemy that hunts the nearest reachable worker and attacks
// every worker within reach twice a second. One blow of the hero makes it crumble,
// a blocked cell under its feet too; with no worker left it walks back to its camp
// or vanishes. Its idle flourish loses and finds a hand.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

class cSkeleton : public cEnemy {
public:
    enum SkeletonState : int32_t {
        kStateFlourish = 6,  // losing its hand
        kStateDying = 7,
    };
    static constexpr float kHealth = 4.0f;
    static constexpr float kWalkSpeed = 30.0f;
    static constexpr float kOtherSpeed = 1.0f;
    static constexpr float kAttackSeconds = 0.5f;
    static constexpr float kAttackReach = 100.0f;
    // Draws above this start the flourish in the choose state.
    static constexpr float kFlourishChance = 0.8f;
    // Of the draws 0..1000, those above this scream on setting out.
    static constexpr int32_t kScreamDraws = 1000;
    static constexpr int32_t kScreamAbove = 700;
    // The skeleton count that unlocks the achievement on its level.
    static constexpr int32_t kAchievementSkeletons = 25;

    explicit cSkeleton(cObjectOwner* owner);
    ~cSkeleton() override;

    // --- Overrides ---
    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // What its set-up takes, for a camp to mark while the level loads.
    static std::vector<std::string> SetUpSprites();
    // Crumbling bones cannot be clicked.
    int32_t HitTest(const vec2& point) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    void StartMove() override;

    const TimedValue<float>& GetAttackPulse() const { return attackPulse_; }

private:
    // 8001 to every commandable worker within reach that is not yet its victim.
    void AttackWorkersNearby();
    // State 4: the flourish, or the nearest reachable worker, or home, or off.
    void Choose();

    TimedValue<float> attackPulse_;
};
