// ParticleMesh: the drawing side of an emitter. The update writes six vertices per
// particle in place; a draw copies them in one block into a vertex batch or hands
// them to the renderer directly.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/matrix4.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/particle.h"

// Texture coordinates of one quad: corner 0 at (u0, v0), 1 at (u1, v0), 2 at (u0, v1),
// 3 at (u1, v1).
struct QuadWindow {
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 1.0f;
    float v1 = 1.0f;
};

class ParticleMesh {
public:
    static constexpr uint32_t kVerticesPerQuad = 6;
    static constexpr uint32_t kTrianglesPerQuad = 2;

    explicit ParticleMesh(uint32_t capacity);

    // Unchanged when the registry has no texture of that name.
    void SetTexture(const std::string& name);
    // A = (m[0], m[4], m[8]), B = (m[1], m[5], m[9]): the world directions of one
    // screen unit right and up under the matrix.
    void SetAxes(const vrk::Matrix4& matrix);

    // Writes the quad (c0, c1, c2), (c2, c1, c3) at the next quad index. Ignored when
    // every slot already has its quad this frame.
    void AddQuad(const ParticleVec3& c0, const ParticleVec3& c1, const ParticleVec3& c2,
                 const ParticleVec3& c3, const QuadWindow& window, uint32_t color);

    // Reserves the built quads in the batch under the texture and copies them in.
    void CopyToBatch();
    // Draws the built quads through the renderer with the texture bound.
    void DrawDirect() const;

    uint32_t Capacity() const { return capacity; }

    vrk::VertexBatch* batch = nullptr;  // not owned: the owner's drawing batch
    std::vector<vrk::BatchVertex> vertices;
    vrk::TexturePtr texture;  // null draws untextured
    uint32_t quadCount = 0;
    // Until the first draw says otherwise world and screen axes agree.
    ParticleVec3 axisA{1.0f, 0.0f, 0.0f};
    ParticleVec3 axisB{0.0f, 1.0f, 0.0f};

private:
    uint32_t capacity = 0;
};
