// cTower: a building that fires cannonballs. The player's tower ("tower00") is built
// on an empty site and upgraded by workers and shoots at the walking enemies in its
// range; the enemy tower ("tower_enemy00") stands ready from the start and shoots at
// the workers until the shield spell silences it. The level screen can destroy a
// player's tower: smoke and explosions for a few seconds, then the empty site again.
//
// Set-up, levels, hit test and drawing live in tower.cpp; the tick (firing, shots in
// flight, destruction) in tower_update.cpp.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/effect_holder.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"
#include "objects/build.h"
#include "objects/shot_record.h"

class cTower : public cBuild {
public:
    static constexpr int32_t kFlashCount = 3;
    static constexpr int32_t kSmokeCount = 2;
    // A scan for a target every 0.2 s while the tower is not reloading.
    static constexpr float kScanSeconds = 0.2f;
    // The longest distance a scan starts from: nearer candidates replace it.
    static constexpr float kNoTarget = 10000.0f;
    static constexpr float kDefaultRange = 100.0f;
    // The level screen's kill-towers spell destroys a tower over this time.
    static constexpr float kDestructionSeconds = 3.5f;

    explicit cTower(cObjectOwner* owner);
    ~cTower() override;

    // --- Overrides ---
    void Update() override;
    void Draw() override;
    // The game objects' selection, and in the editor the circle of the range.
    void DrawSelection() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // Never the enemy tower nor a built tower at its highest level; the empty site
    // by its picture as a building's answers (HitsPicture), otherwise wherever its
    // current frame shows.
    int32_t HitTest(const vec2& point) override;
    // The price of the next step; nothing while the work runs or at the highest level.
    ResourceVector GetCost() override;
    // The cost, damage, reload time and work period of the current level.
    void SetupLevel() override;

    // --- Its own virtual operations ---
    // Where cannonballs leave and the muzzle flash shows.
    virtual vec2 GetShotOrigin();
    // Whether the target may be shot: a walking enemy once it has set out and while
    // it lives, a worker while it can be commanded.
    virtual bool CanShoot(cObject* target);
    virtual void Shoot(cObject* target);
    // The landing: 8008 with the damage; an enemy tower's hit breaks the shield watch.
    virtual void HitTarget(cObject* target);

    // --- Plain access ---
    const ResourceVector& GetCostVector() const { return cost_; }
    const TimedValue<float>& GetReloadTimer() const { return reloadTimer_; }
    float GetScanTimer() const { return scanTimer_; }
    float GetDamage() const { return damage_; }
    float GetReloadTime() const { return reloadTime_; }
    float GetRange() const { return range_; }
    const SpriteAnim& GetFlash(int32_t index) const { return flashes_.at(static_cast<size_t>(index)); }
    const vec2& GetFlashOffset(int32_t index) const { return flashOffsets_.at(static_cast<size_t>(index)); }
    const std::vector<ShotRecord>& GetShots() const { return shots_; }
    const SpriteAnim& GetCannonSprite() const { return cannon_; }
    // 1 for the enemy tower, 0 for the player's.
    uint8_t GetEnemyFlag() const { return enemy_; }
    // Seconds of destruction left; 0 or below while the tower is not being destroyed.
    float GetDestructionTimer() const { return destructionTimer_; }
    // Starts a destruction of that many seconds; it runs only while the tower is
    // built (state 1).
    void StartDestruction(float seconds);
    float GetExplosionCountdown() const { return explosionCountdown_; }
    const EffectHolder& GetDestructionSmoke(int32_t index) const { return smokes_.at(static_cast<size_t>(index)); }

private:
    void SetUpEnemyTower();
    // The steps of the tick (tower_update.cpp).
    void UpdateDestruction();
    void UpdateFiring();
    void Scan();
    void Explode();

    ResourceVector cost_;
    TimedValue<float> reloadTimer_;
    float scanTimer_ = 0.0f;
    float damage_ = 0.0f;
    float reloadTime_ = 0.0f;
    float range_ = kDefaultRange;
    std::array<SpriteAnim, kFlashCount> flashes_;
    std::array<vec2, kFlashCount> flashOffsets_{};
    std::vector<ShotRecord> shots_;
    SpriteAnim cannon_;
    uint8_t enemy_ = 0;
    float destructionTimer_ = 0.0f;
    float explosionCountdown_ = 0.0f;
    std::array<EffectHolder, kSmokeCount> smokes_;
};
