// cSuccub: the succubus, a walking enemy that steals workers by charm. She steps out
// of a portal, walks to the nearest worker she can charm and, close enough, charms
// it (8005); twenty magic animations later the worker is in love (8006) and follows
// her. Passing by she snatches any charmable worker that comes near. With nobody
// left she walks back to her camp and vanishes there. She has no health and cannot
// be clicked, so neither the hero nor a tower ever takes her on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"
#include "objects/enemy.h"

class cWorker;


// The ground speed of the succubus and the witch under an animation key: walking,
// or 1.0 for anything else (the appear animation barely moves them).
float EnemyCasterMoveSpeed(const std::string& animationKey);

// A worker the caster may take: still on the level, at the player's command, not
// frozen, not already threatened by her and not the target of another enemy.
bool CasterMayTake(cEnemy& caster, cWorker* worker);

// The caster's animations from the sprites named after her (spriteBase "succub"
// gives "succub_appear0", "succub_walk0".."succub_death3"): the appearance and
// the walk, the magic and the death in each direction.
cEnemy::AnimationList CasterAnimations(const std::string& spriteBase);

class cSuccub : public cEnemy {
public:
    enum SuccubState : int32_t {
        kStateReplan = 3,  // plan the path to the chased worker again
        kStateMagic = 6,   // casting at a charmed worker
        kStateVanish = 7,
    };
    static constexpr float kWalkSpeed = 25.0f;
    static constexpr float kSnatchSeconds = 0.4f;
    static constexpr float kChaseSeconds = 2.0f;
    // A worker this near is snatched; the charm itself needs one strictly nearer.
    static constexpr float kCharmReach = 60.0f;
    static constexpr int32_t kMagicRounds = 20;
    // Succubi vanishing within one of the level screen's counter windows that
    // unlock the achievement on its level.
    static constexpr int32_t kAchievementSuccubi = 3;

    explicit cSuccub(cObjectOwner* owner);
    ~cSuccub() override;

    // --- Overrides ---
    void Update() override;
    // The portal, then the walker with its shadow.
    void Draw() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // What its set-up takes (the portal too), for a camp to mark while the level loads.
    static std::vector<std::string> SetUpSprites();
    // Never hit: the player cannot click a succubus.
    int32_t HitTest(const vec2& point) override;
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    void StartMove() override;

    // --- Her own operations ---
    // Not inside, cut off or already charmed, not in love, not frozen, not the
    // target of another enemy, and still on the level.
    virtual bool CanCharm(cWorker* worker);

    // --- Plain access for the tests ---
    int32_t GetMagicCount() const { return magicCount_; }
    const TimedValue<float>& GetSnatchPulse() const { return snatchPulse_; }
    const TimedValue<float>& GetChasePulse() const { return chasePulse_; }
    const SpriteAnim& GetPortal() const { return portal_; }

private:
    // The first commandable worker within reach becomes her target at once.
    bool Snatch();
    // State 4: the nearest charmable worker she can reach, or home, or off.
    void Choose();
    void Chase();
    void OnArrived();
    void EndMagicRound();

    TimedValue<float> snatchPulse_;
    int32_t magicCount_ = 0;
    TimedValue<float> chasePulse_;
    SpriteAnim portal_;
};
