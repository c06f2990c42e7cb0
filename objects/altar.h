// cAltar: the player's altar, bound to one of the six spells by its set-up name. The
// wife's magic casts the spell; while it runs the altar takes no orders and shows the
// time left; while it is usable and affordable it glows and announces itself once.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/sprite_anim.h"

class cAltar : public cGameObject {
public:
    static constexpr int32_t kNoSpell = -1;

    explicit cAltar(cObjectOwner* owner);
    ~cAltar() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    void DrawOverlay() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;

    // --- Overrides of cGameObject ---
    int32_t GetOrderState() override;
    ResourceVector GetCost() override;
    std::string GetHintText() override;

    // Binds the altar to a spell and loads the orb's two pictures; an id outside the
    // spell table leaves it without a spell (and without an orb).
    void SetSpell(int32_t id);

    // --- Plain access ---
    int32_t GetSpellId() const { return spellId_; }
    bool IsReady() const { return ready_; }
    // True while the altar's spell runs (its timer on the level screen).
    bool IsSpellRunning() const;
    const SpriteAnim& GetOffAnim() const { return offAnim_; }
    const SpriteAnim& GetOnAnim() const { return onAnim_; }
    const SpriteAnim& GetLaser() const { return laser_; }
    float GetPhase() const { return phase_; }

private:
    // Usable and affordable now.
    bool CheckReady() const;

    int32_t spellId_ = kNoSpell;
    bool ready_ = false;
    SpriteAnim offAnim_;
    SpriteAnim onAnim_;
    SpriteAnim laser_;
    float phase_ = 0.0f;
    bool wasReady_ = false;
};
