// cBaseEnemy: the enemy camp, an invisible spawn point. Its sprite name says which
// walking enemy it releases, its text the base interval and the most walkers of that
// type on the level at once ("30;2"). At random intervals around the base it makes
// a walker at its own position; the walkers treat it as their home.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/game_object.h"
#include "framework/objects/timed_value.h"

class cBaseEnemy : public cGameObject {
public:
    static constexpr int32_t kCampLayer = 5;
    // Each interval is the base times a factor drawn from [kLowFactor, kLowFactor +
    // kFactorRange).
    static constexpr float kLowFactor = 0.8f;
    static constexpr float kFactorRange = 0.7f;
    // What a camp's text may ask for: more walkers or shorter intervals turn a
    // level text into a flood. Longer intervals and fewer walkers are as given.
    static constexpr uint32_t kMostWalkersAsked = 20;
    static constexpr float kShortestInterval = 1.0f;
    // Enemies of every kind a level holds at once; a camp's release beyond it
    // waits for the camp's next interval.
    static constexpr uint32_t kMostLevelEnemies = 200;

    explicit cBaseEnemy(cObjectOwner* owner);
    ~cBaseEnemy() override;

    // --- Overrides ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // The walker type and picture by the exact name, the text's interval and
    // maximum; then the textures of what the walker type's set-up takes are marked,
    // so that the level's loading loads them.
    void SetSprite(const std::string& sprite) override;
    // Picked only in the editor.
    int32_t HitTest(const vec2& point) override;

    // --- What the level screen's enemy scripts and spells drive ---
    float GetBaseInterval() const { return baseInterval_; }
    void SetBaseInterval(float seconds) { baseInterval_ = seconds; }
    uint32_t GetMaxWalkers() const { return maxWalkers_; }
    void SetMaxWalkers(uint32_t count) { maxWalkers_ = count; }
    // Zeroes the release timer's start, target, current, elapsed and duration (the
    // speed stays): the next tick draws a fresh interval.
    void ResetReleaseTimer();

    // --- Plain access ---
    int32_t GetWalkerType() const { return walkerType_; }
    const TimedValue<float>& GetReleaseTimer() const { return releaseTimer_; }

private:
    // Reads "interval;maximum"; a negative value reads 0, an interval below
    // kShortestInterval reads as that and a maximum above kMostWalkersAsked as that,
    // each with a warning.
    void ReadText();
    // A new walker of the type when fewer than the maximum are on the level.
    void Release();
    // Made by the level's factory and added to the level; null when the factory
    // makes no such walker.
    cObject* MakeWalker();

    TimedValue<float> releaseTimer_;
    float baseInterval_ = 0.0f;
    int32_t walkerType_ = 0;
    uint32_t maxWalkers_ = 0;
};
