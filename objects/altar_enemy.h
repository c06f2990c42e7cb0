// cAltarEnemy: the enemy's altar. It charges over the period its level-file text
// gives and, at each full charge, casts its enemy spell through the level screen.
// The player can order nothing on it.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

class cAltarEnemy : public cGameObject {
public:
    static constexpr const char* kKillWorkers = "enemy_spell_kill_workers";
    static constexpr const char* kKillTowers = "enemy_spell_kill_towers";
    // Charged past this share of the period.
    static constexpr float kChargedShare = 0.8f;

    explicit cAltarEnemy(cObjectOwner* owner);
    ~cAltarEnemy() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // Reads "spell name;period in seconds" from the object's text.
    void SetSprite(const std::string& sprite) override;

    // --- Overrides of cGameObject ---
    int32_t GetOrderState() override;
    std::string GetHintText() override;

    // --- Its own operation ---
    virtual bool IsCharged() const;

    // --- Plain access ---
    const std::string& GetSpellName() const { return spellName_; }
    float GetPeriod() const { return period_; }
    const TimedValue<float>& GetCharge() const { return charge_; }
    const SpriteAnim& GetOffAnim() const { return offAnim_; }
    const SpriteAnim& GetOnAnim() const { return onAnim_; }
    const SpriteAnim& GetLaser() const { return laser_; }
    float GetPhase() const { return phase_; }

private:
    // The charge starts over from 0 toward the period.
    void ArmCharge();
    // The widget event of the spell, 0 for a name that casts nothing.
    uint32_t SpellEvent() const;

    SpriteAnim laser_;
    SpriteAnim offAnim_;
    SpriteAnim onAnim_;
    TimedValue<float> charge_;
    std::string spellName_;
    float period_ = 0.0f;
    float phase_ = 0.0f;
    bool wasCharged_ = false;
};
