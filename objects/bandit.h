// cBandit: the kidnapper. It patrols the level's way points (or walks in file behind
// another bandit), frightens and attacks the workers that come near, chases a worker
// at work, grabs it and hands it to the workers' own logic, which carries the
// captive to the prison; then it rejoins a column. The player cannot click it.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

class cWorker;

class cBandit : public cEnemy {
public:
    // The bandit's own state besides the enemies' 4 (choose) and 5 (held).
    static constexpr int32_t kStateGrab = 6;
    static constexpr float kHealth = 10.0f;
    // Seconds between two looks around.
    static constexpr float kScanSeconds = 0.5f;
    // Workers this near are scared or attacked; a scream reaches free workers
    // beyond it and nearer than kScreamReach.
    static constexpr float kReach = 100.0f;
    static constexpr float kScreamReach = 230.0f;
    static constexpr float kScreamSeconds = 20.0f;
    static constexpr float kWalkSpeed = 35.0f;
    // A follower starts each leg this much faster than its leader moves.
    static constexpr float kFollowerLead = 2.0f;

    explicit cBandit(cObjectOwner* owner);
    ~cBandit() override;

    // --- Overrides ---
    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    float GetAnimationSpeed() const override;
    // Never hit: the player cannot click a bandit.
    int32_t HitTest(const vec2& point) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    void StartMove() override;

    // --- Plain access ---
    const TimedValue<float>& GetScanTimer() const { return scanTimer_; }
    const TimedValue<float>& GetScreamCooldown() const { return screamCooldown_; }

private:
    void Scan();
    // What the look around does to one worker at distance d.
    void Threaten(cWorker* worker, float distance);
    void Scream();
    // The end of the grab: the captive goes to the prison, the bandit to a column.
    void EndGrab();
    // On from the reached way point or bandit, or the grab at a worker.
    void OnArrived(cGameObject* reached);
    // A bandit whose hold has ended picks up its walk again.
    void Resume();

    TimedValue<float> scanTimer_;
    TimedValue<float> screamCooldown_;
    // Set when a hold ends; the next tick walks on (a walk cannot start inside the
    // state change that the hold's end is).
    bool resume_ = false;
};
