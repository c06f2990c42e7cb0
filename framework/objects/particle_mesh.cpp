// ParticleMesh: quad building and the two ways of drawing an emitter's vertices.
#include "framework/objects/particle_mesh.h"

#include <algorithm>

#include "engine/render/render.h"

ParticleMesh::ParticleMesh(uint32_t capacityIn)
    : vertices(static_cast<size_t>(capacityIn) * kVerticesPerQuad), capacity(capacityIn)
{
}

void ParticleMesh::SetTexture(const std::string& name)
{
    vrk::TexturePtr found = vrk::FindTexture(name);
    if (found) texture = std::move(found);
}

void ParticleMesh::SetAxes(const vrk::Matrix4& matrix)
{
    axisA = {matrix.m[0], matrix.m[4], matrix.m[8]};
    axisB = {matrix.m[1], matrix.m[5], matrix.m[9]};
}

void ParticleMesh::AddQuad(const ParticleVec3& c0, const ParticleVec3& c1, const ParticleVec3& c2,
                           const ParticleVec3& c3, const QuadWindow& window, uint32_t color)
{
    if (quadCount >= capacity) return;
    vrk::BatchVertex* out = vertices.data() + static_cast<size_t>(quadCount) * kVerticesPerQuad;
    auto put = [&out, color](const ParticleVec3& p, float u, float v) {
        *out++ = vrk::BatchVertex{p.x, p.y, p.z, color, u, v};
    };
    put(c0, window.u0, window.v0);
    put(c1, window.u1, window.v0);
    put(c2, window.u0, window.v1);
    put(c2, window.u0, window.v1);
    put(c1, window.u1, window.v0);
    put(c3, window.u1, window.v1);
    ++quadCount;
}

void ParticleMesh::CopyToBatch()
{
    if (batch == nullptr || quadCount == 0) return;
    const uint32_t count = quadCount * kVerticesPerQuad;
    vrk::BatchVertex* target = vrk::cRender::AllocBatchVertices(*batch, texture, count);
    if (target == nullptr) return;  // the batch is full this frame
    std::copy_n(vertices.data(), count, target);
}

void ParticleMesh::DrawDirect() const
{
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr || quadCount == 0) return;
    const vrk::DeviceTexture* deviceTexture = texture ? texture->deviceTexture.get() : nullptr;
    render->DrawTexturedPrimitives(deviceTexture, quadCount * kTrianglesPerQuad,
                                   quadCount * kVerticesPerQuad, vertices.data());
}
