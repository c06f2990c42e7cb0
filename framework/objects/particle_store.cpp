// ParticleStore: binding, updating, clearing and drawing the weather emitters.
#include "framework/objects/particle_store.h"

#include "engine/render/render.h"

namespace {

// The renderer's blend factor "one" (source one, destination one: additive light).
constexpr uint32_t kBlendFactorOne = 2;

vrk::Matrix4 IdentityMatrix()
{
    vrk::Matrix4 matrix;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) matrix.At(i, i) = 1.0f;
    return matrix;
}

}  // namespace

ParticleStore::ParticleStore() : rain(kRainCapacity), snow(kSnowCapacity), stars(kStarCapacity) {}

void ParticleStore::Bind(vrk::VertexBatch* drawingBatch)
{
    batch = drawingBatch;
    rain.mesh.batch = drawingBatch;
    snow.mesh.batch = drawingBatch;
    stars.mesh.batch = drawingBatch;
    shine.mesh.batch = drawingBatch;
    rain.SetTexture("part_rain");
    snow.SetTexture("part_snow");
    stars.SetTexture("part_star");
    shine.SetTexture("part_shine");
}

void ParticleStore::Update(float dt)
{
    rain.UpdateStreaks(dt);
    snow.Update(dt);
    stars.Update(dt);
    shine.Update(dt);
}

void ParticleStore::Clear()
{
    rain.Clear();
    snow.Clear();
    stars.Clear();
    shine.Clear();
}

void ParticleStore::Draw(const vrk::Matrix4& matrix, int32_t layer)
{
    if (layer == kScreenSpaceLayer) {
        stars.mesh.SetAxes(matrix);
        stars.mesh.DrawDirect();
        return;
    }
    if (layer != kWeatherLayer) return;

    rain.mesh.SetAxes(matrix);
    rain.mesh.DrawDirect();
    snow.mesh.SetAxes(matrix);
    snow.mesh.DrawDirect();

    // The rays are additive light; the alpha test of the layers would cut their
    // dark ends off.
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;
    render->SetTransform(IdentityMatrix(), vrk::cRender::kWorld);
    render->SetBlendFunc(kBlendFactorOne, kBlendFactorOne);
    if (render->alphaTestEnabled) render->SetAlphaTest(0, 0.0f);
    shine.mesh.SetAxes(matrix);
    shine.mesh.DrawDirect();
    render->SetTransform(matrix, vrk::cRender::kWorld);
}
