// cBuild: a building that workers put up and upgrade (the house), the home base
// where they deliver, and the base of the plants, towers, the prison and the
// special buildings. A building climbs from level -1 (not built) to its maximum
// level, each step for a price and a work period; a finished house adds a worker.
//
// Set-up, orders, hint and drawing live in build.cpp; the work timer, its smoke and
// what a finished step sets off in build_work.cpp.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"

class cBuild : public cGameObject {
public:
    static constexpr int32_t kBuildLayer = 6;
    static constexpr int32_t kNotBuilt = -1;
    // Seconds without work after which the smoke goes off.
    static constexpr float kSmokeIdleSeconds = 1.0f;

    explicit cBuild(cObjectOwner* owner);
    ~cBuild() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // The set-up by type name; the level-file text may give the levels.
    void SetSprite(const std::string& sprite) override;
    // A solid point of the picture, or a point of the picture over the footprint.
    int32_t HitTest(const vec2& point) override;
    // Where the picture is solid, nothing behind the building takes the pointer.
    bool HidesPoint(const vec2& point) override;

    // --- Overrides of cGameObject ---
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    ResourceVector GetCost() override;
    std::string GetHintText() override;
    int32_t UpdateTimer(float dt) override;

    // --- Its own virtual operations ---
    virtual void SetMaxLevel(int32_t maxLevel);
    // The price and work period of the step from the current level to the next.
    virtual void SetupLevel();

    // --- Plain access ---
    int32_t GetLevel() const { return level_; }
    int32_t GetMaxLevel() const { return maxLevel_; }
    bool IsHomeBase() const;
    // Whether the build icon marks the building (it can be built or upgraded).
    bool ShowsBuildIcon() const;
    float GetBobPhase() const { return bobPhase_; }
    const EffectHolder& GetSmoke() const { return smoke_; }
    const SpriteAnim& GetFlagSprite() const { return flagSprite_; }
    const SpriteAnim& GetShadowSprite() const { return shadowSprite_; }

protected:
    int32_t level_ = kNotBuilt;
    int32_t maxLevel_ = 0;
    ResourceVector price_;
    SpriteAnim flagSprite_;
    SpriteAnim shadowSprite_;
    SpriteAnim buildIcon_;
    float bobPhase_ = 0.0f;
    EffectHolder smoke_;
    float smokeIdle_ = 0.0f;

    // The "build_smoke" effect over the current frame, off (the set-up's last step).
    void SetUpSmoke();
    // Whether the point lies on the footprint's cells as the level screen lays them.
    bool HitsFootprint(const vec2& point) const;
    // Whether the picture answers a click at the point: where it is solid, or where
    // it shows at all over the footprint.
    bool HitsPicture(const vec2& point) const;

private:
    // The levels of the level-file text: "max" or "max;level" (then built).
    void ReadLevelText();
    // What a finished step sets off (build_work.cpp).
    void OnWorkDone();
    void SpawnWorker();
    void OnFinishedByName();
};
