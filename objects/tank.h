// cTank: the stationary enemy gun. Its barrel sweeps back and forth over a quarter
// turn; whenever a working worker lies in the barrel's line it fires a shell that
// stuns the worker (8011) and pauses for a moment. It has no health and ignores hits;
// a level slows its sweep through the tank gun speed factor.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"
#include "objects/shot_record.h"

class cTank : public cGameObject {
public:
    // The barrel sweeps a quarter turn at 0.2 radians a second.
    static constexpr float kQuarterTurn = 1.5707964f;
    static constexpr float kSweepRate = 0.2f;
    static constexpr float kScanSeconds = 0.3f;
    static constexpr float kRecoilSeconds = 1.5f;
    // A worker is in the line when both components of its direction lie this close
    // to the barrel's.
    static constexpr float kAimTolerance = 0.15f;
    static constexpr float kMuzzleLength = 110.0f;
    // One barrel direction per frame of the gun sprite.
    static constexpr int32_t kGunDirections = 9;

    explicit cTank(cObjectOwner* owner);
    ~cTank() override;

    // --- Overrides ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // No worker has business at the tank: every order is refused, as at the enemy
    // tower.
    int32_t GetOrderState() override;

    // --- Its own virtual operations ---
    virtual vec2 GetShotOrigin();
    // Only a working worker (state 8) is shot.
    virtual bool CanShoot(cObject* target);
    virtual void Shoot(cObject* target);
    virtual void HitTarget(cObject* target);
    // The barrel direction's index for the current angle, 0 to the last direction.
    virtual int32_t GetGunFrame();
    virtual vec2 GetMuzzlePoint();
    // The unit vector of the barrel's direction.
    virtual vec2 GetGunDirection();

    // --- Plain access ---
    const TimedValue<float>& GetGunAngle() const { return gunAngle_; }
    const TimedValue<float>& GetRecoilTimer() const { return recoilTimer_; }
    const TimedValue<float>& GetScanTimer() const { return scanTimer_; }
    const SpriteAnim& GetGunSprite() const { return gun_; }
    const SpriteAnim& GetMuzzleFlash() const { return flash_; }
    bool IsFlashing() const { return flash_.play.mode != kPlayStopped; }
    const std::vector<ShotRecord>& GetShells() const { return shells_; }
    const SpriteAnim& GetShellSprite() const { return shell_; }

private:
    // Looks along the barrel for a working worker and fires at the first.
    void Look();
    void Sweep();

    TimedValue<float> gunAngle_;
    TimedValue<float> recoilTimer_;
    TimedValue<float> scanTimer_;
    SpriteAnim gun_;
    SpriteAnim flash_;
    std::vector<ShotRecord> shells_;
    SpriteAnim shell_;
};
