// cWitch: a walking enemy that freezes workers. She comes on with her appear
// animation, walks to the nearest free worker and on the way casts her magic on
// every suitable worker within reach; the end of a magic freezes its target (8004).
// Two blows of the hero kill her; a burning bonfire near her makes her vanish.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

class cWitch : public cEnemy {
public:
    enum WitchState : int32_t {
        kStateMagic = 6,  // casting at a worker
        kStateVanish = 7,
    };
    static constexpr float kHealth = 10.0f;
    static constexpr float kCastSeconds = 0.4f;
    static constexpr float kCastReach = 70.0f;
    // The witches killed on its level that unlock the achievement.
    static constexpr int32_t kAchievementWitches = 15;

    explicit cWitch(cObjectOwner* owner);
    ~cWitch() override;

    // --- Overrides ---
    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // What its set-up takes, for a camp to mark while the level loads.
    static std::vector<std::string> SetUpSprites();
    // A vanishing witch cannot be clicked.
    int32_t HitTest(const vec2& point) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    void StartMove() override;

    const TimedValue<float>& GetCastPulse() const { return castPulse_; }

private:
    // Every suitable worker within reach becomes her target in turn: the last stays.
    void CastOnWorkersNearby();
    // State 4: the nearest free worker she can reach, or home, or off.
    void Choose();
    // The end of a magic: the target freezes unless it has gone.
    void EndMagic();
    // A hit that has just killed her: the level's witch count, then the vanishing.
    void OnKilled();

    TimedValue<float> castPulse_;
};
