// cField: a food field. It grows by itself, is ripe at the end of each growth run,
// gives its food to the worker who harvests it and then grows again. It grows faster
// while the fast-food spell runs, and that spell makes its leaves fly.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/timed_value.h"

class cField : public cGameObject {
public:
    // Growing toward ripeness; the framework's 1 is ripe and 0 being harvested.
    static constexpr int32_t kStateGrowing = 2;
    static constexpr float kHarvestSeconds = 4.0f;
    // A growth run lasts kGrowthBase + kGrowthRange * r units; the first one after
    // the set-up a kFirstGrowthShare of that.
    static constexpr float kGrowthBase = 13.0f;
    static constexpr float kGrowthRange = 5.0f;
    static constexpr float kFirstGrowthShare = 0.2f;
    // Growth units per tick while the fast-food spell runs (3.3 times the tick).
    static constexpr float kFastGrowthStep = 0.11f;
    // The spell whose timer speeds the fields.
    static constexpr int32_t kFastFoodSpell = 1;

    explicit cField(cObjectOwner* owner);
    ~cField() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    ResourceVector GetYield() override;
    std::string GetHintText() override;
    float GetRadius() override;

    // --- Its own operation ---
    virtual void ShowLeaves(bool on);

    // --- Plain access ---
    const TimedValue<float>& GetGrowth() const { return growth_; }
    const EffectHolder& GetLeaves() const { return leaves_; }

private:
    // The growth units of this tick.
    float GrowthStep() const;
    // Shows the frame for the share of the run grown so far.
    void ShowGrowthFrame();
    // Sets the frame when the animation has one to show.
    void ShowFrameClamped(int64_t frame);
    void StartGrowthRun();
    // A harvest no worker holds a place at any more ends: the field is ripe again.
    void EndHarvestWithoutWorker();

    TimedValue<float> growth_;
    ResourceVector yield_;
    EffectHolder leaves_;
};
