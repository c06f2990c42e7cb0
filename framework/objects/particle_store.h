// ParticleStore: the application's weather, one emitter each for rain, snow, star
// bursts and shine. The screens advance it every frame, empty it when a level is
// cleared and draw it after their draw layers; the stars are drawn in screen space
// after the GUI.
#pragma once
#include <cstdint>

#include "engine/render/matrix4.h"
#include "framework/objects/particle_emitter.h"
#include "framework/objects/particle_shine_emitter.h"

namespace vrk {
class VertexBatch;
}

class ParticleStore {
public:
    static constexpr uint32_t kRainCapacity = 550;
    static constexpr uint32_t kSnowCapacity = 550;
    static constexpr uint32_t kStarCapacity = 1000;
    // The pass after the top draw layer that draws rain, snow and shine.
    static constexpr int32_t kWeatherLayer = 9;
    // The screen-space pass of the star bursts (identity matrix), after the GUI.
    static constexpr int32_t kScreenSpaceLayer = -1;

    ParticleStore();
    ParticleStore(const ParticleStore&) = delete;
    ParticleStore& operator=(const ParticleStore&) = delete;

    // Stores the batch in the store and its emitters and takes the four textures
    // from the registry (each left as it is when missing).
    void Bind(vrk::VertexBatch* drawingBatch);
    // Advances all four emitters by the frame time.
    void Update(float dt);
    // Empties all four emitters (sources and particles).
    void Clear();
    // Draws what belongs to the pass of that layer: the weather after layer 9, the
    // stars in the screen-space pass; any other layer draws nothing.
    void Draw(const vrk::Matrix4& matrix, int32_t layer);

    vrk::VertexBatch* batch = nullptr;  // not owned
    ParticleEmitter rain;
    ParticleEmitter snow;
    ParticleEmitter stars;
    ShineEmitter shine;
};
