// cSkeletonWizard: a skeleton that walks the level's loop of way points or follows
// another wizard, re-planning its way behind the leader every second; one blow of
// the hero makes it crumble, and its follower then takes over its way.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

class cSkeletonWizard : public cEnemy {
public:
    enum WizardState : int32_t {
        kStateDying = 6,
    };
    static constexpr float kHealth = 4.0f;
    static constexpr float kWalkSpeed = 30.0f;
    static constexpr float kOtherSpeed = 1.0f;
    // A follower walks this much faster than its leader, so it keeps up.
    static constexpr float kFollowerExtraSpeed = 2.0f;
    static constexpr float kFollowSeconds = 1.0f;

    explicit cSkeletonWizard(cObjectOwner* owner);
    ~cSkeletonWizard() override;

    // --- Overrides ---
    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    void StartMove() override;

    const TimedValue<float>& GetFollowPulse() const { return followPulse_; }

private:
    // After a hold: on along its way, or into the column when that has gone.
    void Resume();

    TimedValue<float> followPulse_;
    // Set when a hold has just ended; the next tick resumes the walk.
    bool resume_ = false;
};
