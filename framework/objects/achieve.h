// cAchieve: one tile of the achievements screen. Its sprite field names its
// achievement ("achieve_" plus the id) and that achievement's picture; the tile stays
// a question mark until the active player has unlocked it. Hovering shows the
// description and marks the achievement as seen; a new one is circled by two star
// trails until then.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/effect_holder.h"
#include "framework/objects/object.h"
#include "framework/objects/sprite_anim.h"

struct CaptionHandle;

class cAchieve : public cObject {
public:
    static constexpr float kMaxHighlight = 0.3f;
    static constexpr float kGlowUpRate = 5.0f;
    static constexpr float kGlowDownRate = -2.0f;
    static constexpr float kOrbitRadius = 50.0f;
    static constexpr float kFullTurn = 6.2831855f;
    static constexpr const char* kTrailEffect = "stars_tail";

    explicit cAchieve(cObjectOwner* owner);
    ~cAchieve() override;

    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override { return kTypeAchieve; }
    bool IsKindOf(int32_t id) const override { return id == kTypeAchieve || id == kTypeObject; }
    void SetSprite(const std::string& sprite) override;
    int32_t HitTest(const vec2& point) override;
    // The trails start emitting: the achievement is new.
    virtual void ShowNewStars();

    // Links the tile to an entry of the application's achievement list (-1: none)
    // and sets whether the player has unlocked it.
    void SetAchievement(int32_t index, bool unlocked);
    int32_t GetAchievementIndex() const { return achievementIndex_; }
    bool IsUnlocked() const { return unlocked_ != 0; }
    float GetGlowRate() const { return glowRate_; }
    float GetOrbitAngle() const { return orbitAngle_; }
    bool HasCaption() const { return caption_ != nullptr; }
    const EffectHolder& GetTrail(int32_t which) const { return which == 0 ? trail1_ : trail2_; }

private:
    void ReleaseOwnCaption();
    // Places both trails on opposite sides of the tile at the orbit angle.
    void PlaceTrails();

    uint8_t unlocked_ = 0;
    float glowRate_ = 0.0f;
    CaptionHandle* caption_ = nullptr;
    SpriteAnim picture_;
    SpriteAnim question_;
    // -1 until the screen links the tile to an achievement.
    int32_t achievementIndex_ = -1;
    float orbitAngle_ = 0.0f;
    EffectHolder trail1_;
    EffectHolder trail2_;
};
