// cMan: the base of everything that walks on a level (workers, the hero and his
// wife, enemies, animals). It walks a path of world points leg by leg at a constant
// speed, plays a directional animation (a base name plus a direction digit), draws a
// shadow under itself, can leave a trail of fading after-images, steps off a blocked
// grid cell and asks its screen for a new path when the cell ahead gets blocked. It
// tells its screen when it arrives (5506) and when its target changes (5507).
#pragma once
#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/grid_cell.h"
#include "framework/objects/linear_mover.h"
#include "framework/objects/sprite_anim.h"

class cMan;

// The data of 5106 (path finished), 5506 (arrived) and 5507 (target changed, with
// the old target and kind).
struct WalkEvent {
    cMan* man = nullptr;
    cGameObject* target = nullptr;
    int32_t kind = 0;
};

// States the framework gives a walker besides standing (-1).
enum ManState : int32_t {
    kStateWalking = 2,
    kStateHeld = 3,  // the cell tests run, the mover does not step
};

// One fading copy of a frame the walker showed.
struct AfterImage {
    vrk::TexturePtr texture;
    Quad corners;
    std::array<vec2, 4> texCoords;
    float alpha = 0.0f;
};

class cMan : public cGameObject {
public:
    // Targets walked to with a kind below this take a place there.
    static constexpr int32_t kPlaceTakingKinds = 2;
    static constexpr float kInitialSpeed = 100.0f;
    static constexpr int32_t kDefaultDirectionCount = 4;
    // Directional keys end in one digit.
    static constexpr int32_t kMaxDirectionCount = 8;
    // Ticks between two blocked-cell tests and between two look-ahead tests.
    static constexpr int32_t kCellTestTicks = 5;
    // One after-image every this many ticks while the trail is on.
    static constexpr int32_t kTrailTicks = 2;
    static constexpr float kTrailAlpha = 0.7f;
    static constexpr const char* kShadowSprite = "man_shadow";

    explicit cMan(cObjectOwner* owner);
    ~cMan() override;

    // --- Overrides ---
    void Update() override;
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    void SetSprite(const std::string& sprite) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    int32_t HitTest(const vec2& point) override;

    // --- Its own virtual operations, in their fixed order ---
    virtual void DrawTrail();
    // Restarts the move from the current point at this walker's speed.
    virtual void StartMove();
    virtual void WalkPath(const std::vector<vec2>& points, cGameObject* target, int32_t kind);
    virtual void SetTarget(cGameObject* target, int32_t kind);
    virtual void StartLeg(int32_t leg);
    // The next leg, or the end of the walk.
    virtual void OnLegEnd();
    virtual void GetMoveDirection(vec2& direction);
    // The base name plus the direction's digit; with no direction, an animation of
    // the plain name when there is one, else the base name in the current facing.
    virtual void PlayDirected(const std::string& name, const vec2& direction, int32_t mode);
    virtual void TurnTo(const vec2& direction, int32_t mode);
    virtual void SetTrail(bool on);
    virtual void AddTrailFrame();
    virtual void LeaveBlockedCell();
    virtual void CheckPathAhead();

    // --- Plain access for the screens and the level objects ---
    const std::vector<vec2>& GetPath() const { return path_; }
    int32_t GetLeg() const { return leg_; }
    LinearMover& Mover() { return mover_; }
    const LinearMover& Mover() const { return mover_; }
    const std::string& GetBaseName() const { return baseName_; }
    int32_t GetDirectionCount() const { return directionCount_; }
    // The unit vector toward the target; on the walker's own spot, or without a
    // target, the way it walks; zero when neither gives one (PlayDirected then keeps
    // the facing).
    vec2 DirectionToward(const cObject* target);
    // Clamped to 1 .. kMaxDirectionCount.
    void SetDirectionCount(int32_t count);
    cGameObject* GetTarget() const { return target_; }
    int32_t GetTargetKind() const { return targetKind_; }
    bool IsTrailOn() const { return trail_ != 0; }
    const std::list<AfterImage>& GetAfterImages() const { return afterImages_; }
    bool IsEscaping() const { return escape_ != 0; }
    const SpriteAnim& GetShadow() const { return shadow_; }

protected:
    // The common body of StartMove: the mover runs from where it is to its target at
    // the speed, a speed of 0 taken as 1.0.
    void StartMoveAtSpeed(float speed);
    // True when the cell lies within the target's footprint cells (bounds included).
    bool IsCellOnTarget(const GridCell& cell) const;
    bool IsCellImpassable(const GridCell& cell) const;
    // Plays the base name with the digit of the direction index (the base name alone
    // for an index out of range), restarting only a new key or a once-forward one.
    void PlayFacing(int32_t index, int32_t mode);

    std::vector<vec2> path_;
    int32_t leg_ = 0;
    LinearMover mover_;
    std::string baseName_;
    int32_t directionCount_ = kDefaultDirectionCount;
    int32_t facing_ = 0;
    cGameObject* target_ = nullptr;
    int32_t targetKind_ = 0;
    uint8_t trail_ = 0;
    int32_t trailCounter_ = 0;
    std::list<AfterImage> afterImages_;
    int32_t blockedCountdown_ = kCellTestTicks;
    uint8_t escape_ = 0;
    int32_t lookAheadCountdown_ = kCellTestTicks;
    SpriteAnim shadow_;
};
