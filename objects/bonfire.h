// cBonfire: a fire site that burns only while a worker tends it, paying one wood a
// second from the stock. A burning bonfire lights its surroundings, shows fire and
// smoke, and warns off the walking enemies near it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/timed_value.h"

class cBonfire : public cGameObject {
public:
    // Burning is the framework's 0 (being worked); out is its 1.
    static constexpr int32_t kStateBurning = kStateWorking;
    static constexpr int32_t kStateOut = kStateWorkDone;
    // The light's radius and the reach of the warning to enemies.
    static constexpr float kRadius = 300.0f;
    static constexpr int32_t kWoodPerSecond = 1;
    static constexpr float kPulseSeconds = 0.3f;
    static constexpr uint32_t kLightColor = 0xC08020u;
    // More fires than this at once lose the level's less-fire achievement.
    static constexpr int32_t kFiresAllowed = 2;

    explicit cBonfire(cObjectOwner* owner);
    ~cBonfire() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    int32_t HitTest(const vec2& point) override;
    void GetLinkedPoints(std::vector<vec2>& points) const override;
    bool ReleasePlace() override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    ResourceVector GetCost() override;
    std::string GetHintText() override;
    // Pays the wood of each full second of work; 0 (the work is over) when the stock
    // has none.
    int32_t UpdateTimer(float dt) override;
    float GetRadius() override;

    // --- Its own operation ---
    // The light, the fire and the smoke on or off.
    virtual void SetBurning(bool on);

    // --- Plain access ---
    int32_t GetLightIndex() const { return lightIndex_; }
    const EffectHolder& GetFire() const { return fire_; }
    const EffectHolder& GetSmoke() const { return smoke_; }

private:
    // Sends 8009 to every walking enemy within the radius.
    void WarnEnemies();

    // -1 without a light (no level screen at set-up).
    int32_t lightIndex_ = -1;
    float radius_ = kRadius;
    int32_t price_ = kWoodPerSecond;
    float paymentClock_ = 0.0f;
    TimedValue<float> pulse_;
    EffectHolder fire_;
    EffectHolder smoke_;
};
