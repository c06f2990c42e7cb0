// cBell: the alarm bell. A click rings it at once, with no cost and no walking:
// every worker hears the alarm, the queued orders are dropped and the clapper swings
// three times before it comes to rest.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/sprite_anim.h"

class cBell : public cGameObject {
public:
    // The clapper rests on this frame, or on its last when it has no more frames.
    static constexpr int32_t kRestFrame = 5;
    // Swings started after the one a ring sets going.
    static constexpr int32_t kExtraSwings = 2;
    static constexpr float kBellRadius = 50.0f;

    explicit cBell(cObjectOwner* owner);
    ~cBell() override;

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;

    // --- Overrides of cGameObject ---
    std::string GetHintText() override;
    float GetRadius() override;

    // What a click on the bell does: the alarm to every worker, the sound, the swing,
    // the orders dropped and the level's bell-not-rung flag cleared.
    void RingAlarm();

    // --- Plain access ---
    int32_t GetRingCounter() const { return ringCounter_; }
    const SpriteAnim& GetClapper() const { return clapper_; }

private:
    // A clapper of fewer than two frames has nothing to swing.
    bool CanSwing() const { return clapper_.play.frameCount >= 2; }
    void StartSwing(bool restart);

    int32_t ringCounter_ = 0;
    SpriteAnim clapper_;
};
