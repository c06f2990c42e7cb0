// cPrison: the building where bandits lock up the workers they capture. The
// captives sit inside, shown as a row of heads above it, until the wife's magic
// (7005) opens it: a laser flashes, "worker_joy" sounds and every captive steps out
// at the exit point and walks home. The last prison made is the level's prison.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "objects/build.h"

class cPrison : public cBuild {
public:
    // Opening costs 80 mana.
    static constexpr int32_t kOpenMana = 80;
    static constexpr int32_t kPlaces = 100;

    // Becomes the current level screen's prison.
    explicit cPrison(cObjectOwner* owner);
    ~cPrison() override;

    // --- Overrides ---
    void Update() override;
    void Draw() override;
    // 7005 (the wife's magic) opens the prison.
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // Strictly inside the current frame's rectangle; false without an animation.
    int32_t HitTest(const vec2& point) override;
    // -1 without captives, else the game objects' default verdict.
    int32_t GetOrderState() override;
    ResourceVector GetCost() override;
    std::string GetHintText() override;

    // --- Its own virtual operations ---
    // One more worker locked in.
    virtual void AddCaptive();
    // Frees every imprisoned worker at the exit point and sends it home.
    virtual void Release();

    // --- Plain access ---
    uint32_t GetCaptiveCount() const { return captives_; }
    bool IsLaserOn() const { return laser_.play.mode != kPlayStopped; }
    const SpriteAnim& GetHeadIcon() const { return headIcon_; }
    const SpriteAnim& GetLaser() const { return laser_; }

private:
    SpriteAnim headIcon_;
    uint32_t captives_ = 0;
    ResourceVector openPrice_;
    SpriteAnim laser_;
};
