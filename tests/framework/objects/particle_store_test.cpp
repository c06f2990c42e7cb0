// The weather store: binding textures, clearing, and which pass draws what (over the
// recording device).
#include "framework/objects/particle_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/objects/particle_spawn_random.h"
#include "framework/objects/weather_sources.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kFrame = 1.0f / 30.0f;

class ParticleStoreTest : public test::NullRenderTest {
protected:
    int DrawCalls() const
    {
        const auto& calls = system_->Recorder().calls;
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const std::string& line) {
            return line.rfind("DrawPrimitiveUP", 0) == 0;
        }));
    }
};

TEST_F(ParticleStoreTest, Bind_TakesTheTexturesThatExist)
{
    vrk::TexturePtr rain = test::RegisterTestTexture("part_rain");
    vrk::TexturePtr star = test::RegisterTestTexture("part_star");
    ParticleStore store;
    vrk::VertexBatch batch;
    store.Bind(&batch);
    EXPECT_EQ(store.batch, &batch);
    EXPECT_EQ(store.rain.mesh.texture, rain);
    EXPECT_EQ(store.stars.mesh.texture, star);
    EXPECT_EQ(store.snow.mesh.texture, nullptr);
    EXPECT_EQ(store.shine.mesh.batch, &batch);
}

TEST_F(ParticleStoreTest, Draw_WeatherAfterLayerNineStarsOnlyInTheScreenPass)
{
    ResetParticleSpawnRandom();
    ParticleStore store;
    render_->SetOrtho2D(false, 1024.0f, 768.0f);
    AddRainEmitter(store, vec2(512.0f, 800.0f), 400.0f);
    AddSnowEmitter(store, vec2(512.0f, 800.0f), 400.0f);
    AddShineEmitter(store, vec2(512.0f, 768.0f), 300.0f);
    AddParticleBurst(store, 20, vec2(300.0f, 300.0f), 0xFFFFFF00u, 5.0f);
    store.Update(kFrame);
    store.Update(kFrame);
    Recorder().Clear();
    for (int layer = 0; layer < 9; ++layer) store.Draw(test::IdentityMatrix(), layer);
    EXPECT_EQ(DrawCalls(), 0);
    store.Draw(test::IdentityMatrix(), ParticleStore::kWeatherLayer);
    EXPECT_EQ(DrawCalls(), 3);  // rain, snow, shine
    EXPECT_TRUE(render_->blendEnabled);
    EXPECT_FALSE(render_->alphaTestEnabled);
    Recorder().Clear();
    store.Draw(test::IdentityMatrix(), ParticleStore::kScreenSpaceLayer);
    EXPECT_EQ(DrawCalls(), 1);  // the stars
}

TEST_F(ParticleStoreTest, RainRotation_FollowsTheFallDirection)
{
    ParticleStore store;
    EmitterParamsPtr rain = AddRainEmitter(store, vec2(0.0f, 0.0f), 10.0f);
    EXPECT_NEAR(rain->rotationMin, -1.8925f, 1e-4f);
    EXPECT_EQ(rain->rotationMin, rain->rotationMax);
    EXPECT_FLOAT_EQ(rain->accumulator, rain->interval);
}

TEST_F(ParticleStoreTest, Clear_EmptiesAllFourEmitters)
{
    ParticleStore store;
    AddRainEmitter(store, vec2(0.0f, 0.0f), 10.0f);
    AddSnowEmitter(store, vec2(0.0f, 0.0f), 10.0f);
    AddShineEmitter(store, vec2(0.0f, 0.0f), 10.0f);
    AddParticleBurst(store, 5, vec2(0.0f, 0.0f), 0xFFFFFFFFu, 1.0f);
    store.Update(kFrame);
    store.Clear();
    EXPECT_EQ(store.rain.LiveCount() + store.snow.LiveCount() + store.stars.LiveCount() + store.shine.LiveCount(), 0u);
    EXPECT_TRUE(store.rain.Sources().empty());
    EXPECT_TRUE(store.shine.Sources().empty());
}

}  // namespace
