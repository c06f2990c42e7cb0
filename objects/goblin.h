// cGoblin: the thief. It leaves its camp for the nearest free tree (a wood goblin)
// or gold nugget (a money goblin), picks at it until the source's work runs out,
// carries the yield home in its bag and vanishes there; once beaten by the hero it
// runs home screaming. Also the order test the goblin shares with the skeletons.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/resource_vector.h"
#include "objects/enemy.h"

class cGoblin : public cEnemy {
public:
    enum GoblinState : int32_t {
        kStatePicking = 6,
    };
    enum GoblinMode : uint32_t {
        kModeWood = 0,
        kModeMoney = 2,
    };
    static constexpr float kHealth = 10.0f;
    static constexpr float kWalkSpeed = 45.0f;
    static constexpr float kBagSpeed = 35.0f;
    static constexpr float kFearSpeed = 200.0f;
    static constexpr float kOtherSpeed = 100.0f;
    // The pick animation's blow lands between these two frames.
    static constexpr int32_t kBlowFrameBefore = 6;
    static constexpr int32_t kBlowFrameAfter = 7;
    // The tree count that unlocks the achievement on its level.
    static constexpr int32_t kAchievementTrees = 5;

    explicit cGoblin(cObjectOwner* owner);
    ~cGoblin() override;

    // --- Overrides ---
    void Update() override;
    int32_t OnMessage(uint32_t code, uintptr_t data) override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    void SetSprite(const std::string& sprite) override;
    // What its set-up takes, for a camp to mark while the level loads.
    static std::vector<std::string> SetUpSprites();
    int32_t OnStateChange(int32_t oldState, int32_t newState) override;
    int32_t GetOrderState() override;
    void StartMove() override;
    // Stores the target without place bookkeeping; a source given up is free for
    // the player again.
    void SetTarget(cGameObject* target, int32_t kind) override;

    // --- Its own operations ---
    // The first walker on the walkers' layer whose target is the object, or null.
    virtual cMan* FindManTargeting(cObject* object);

    // --- Plain access ---
    uint32_t GetMode() const { return mode_; }
    const ResourceVector& GetBag() const { return bag_; }

private:
    // State 6: the blow, the source's work timer and the loot.
    void UpdatePicking();
    // State 4: the nearest free source this goblin steals from; false when none.
    bool ChooseSource();
    void OnLootTaken(cGameObject* source);
    // Off the level (no camp to go to), letting go of its source.
    void LeaveLevel();

    uint32_t mode_ = kModeMoney;
    ResourceVector bag_;
    int32_t lastPickFrame_ = 0;
};

// The order test of the goblin and the skeletons: only the hero fights them, so on
// a level without a hero every order is refused (6); else the default verdict,
// refused (1) while the hero has no way to the walker.
int32_t GoblinOrderState(cEnemy& enemy);
