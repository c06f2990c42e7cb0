// AnimEffectList: the level screen's one-shot sprite animations (each plays its
// frames once where it was added, then goes) and its firework launchers, which add
// a firework animation with a bang at intervals until their bursts are spent.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/sprite_info.h"
#include "framework/objects/vec2.h"

namespace vrk {
class VertexBatch;
}

struct AnimEffect {
    float time = 0.0f;  // seconds since start
    float x = 0.0f;
    float y = 0.0f;
    SpriteInfo sprite;  // shares the description's frame tables
    float frameTime = 0.0f;
};

struct FireworkLauncher {
    float x = 0.0f;
    float y = 0.0f;
    float spread = 0.0f;
    uint32_t remaining = 0;  // bursts left
    float interval = 0.0f;   // seconds between bursts
    float countdown = 0.0f;
};

class AnimEffectList {
public:
    // Starts the sprite's animation at the point. A sprite that is missing, has no
    // frames or no positive frame rate adds nothing. True when added.
    bool Add(const std::string& spriteName, const vec2& point);
    // A launcher that fires at once and then every interval seconds, each burst
    // scattered within +-spread of the point.
    void LaunchFirework(const vec2& point, uint32_t bursts, float interval, float spread);
    // Ages the animations (dropping finished ones), then runs the launchers.
    void Update(float dt);
    // Empties the batch, appends every animation's current frame and draws it.
    void Draw(vrk::VertexBatch& batch) const;
    void Clear();

    std::vector<AnimEffect> effects;
    std::vector<FireworkLauncher> launchers;
};
