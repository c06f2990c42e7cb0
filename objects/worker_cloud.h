// cWorkerCloud: the thought bubble with an exclamation mark that comes and goes
// over a worker cut off from home or frozen. The worker creates it through
// CreateWorkerCloud and queues it for removal; the cloud stays where it was made.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/object.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"
#include "framework/objects/vec2.h"

class cWorkerCloud : public cObject {
public:
    // The first appearance comes after kFirstDelay + kFirstSpread * r seconds, each
    // stays kShownSeconds, the pauses last kPauseDelay + kPauseSpread * r.
    static constexpr float kFirstDelay = 4.0f;
    static constexpr float kFirstSpread = 3.0f;
    static constexpr float kShownSeconds = 8.0f;
    static constexpr float kPauseDelay = 18.0f;
    static constexpr float kPauseSpread = 7.0f;
    // Left of this x the bubble opens to the right, so it stays on screen.
    static constexpr float kMirrorBelowX = 512.0f;

    explicit cWorkerCloud(cObjectOwner* owner);

    // --- Overrides of cObject ---
    void Update() override;
    void Draw() override;
    int32_t GetTypeId() const override;
    // Only kind 1: a search for kind 130 never finds a cloud.
    bool IsKindOf(int32_t id) const override;
    // Loads "cloud" and plays "exclamation" in a loop under the key "life".
    void SetSprite(const std::string& sprite) override;

    // --- Plain access ---
    bool IsShown() const { return shown_; }
    float GetOpacity() const { return fade_.current; }
    const TimedValue<float>& GetCycleTimer() const { return cycle_; }
    const SpriteAnim& GetCloudSprite() const { return cloudSprite_; }

private:
    SpriteAnim cloudSprite_;
    TimedValue<float> cycle_;
    bool shown_ = false;
    TimedValue<float> fade_;
};

// A new cloud at the point on the current level screen, set up as "worker_cloud";
// null in editor mode or without a level screen.
cWorkerCloud* CreateWorkerCloud(const vec2& point);
