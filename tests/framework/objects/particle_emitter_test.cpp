// Particle emitters: source accounting, bursts, slot walking, spawning with the fixed
// spawn generator, and the billboard, streak and sheet quads.
#include "framework/objects/particle_emitter.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "framework/objects/particle_fire_emitter.h"
#include "framework/objects/particle_spawn_random.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/weather_sources.h"

namespace {

constexpr float kFrame = 1.0f / 30.0f;

class ParticleEmitterTest : public ::testing::Test {
protected:
    void SetUp() override { ResetParticleSpawnRandom(); }
};

EmitterParamsPtr Source(float interval, uint32_t flags = 0)
{
    auto params = std::make_shared<EmitterParams>();
    params->interval = interval;
    params->accumulator = interval;
    params->flags = flags;
    params->lifeMin = 10.0f;
    params->lifeMax = 10.0f;
    return params;
}

class BurstCountTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(BurstCountTest, AddParticleBurst_PlacesExactlyTheCount)
{
    ResetParticleSpawnRandom();
    ParticleStore store;
    const int32_t count = GetParam();
    AddParticleBurst(store, count, vec2(100.0f, 100.0f), 0xFFFF0000u, 10.0f);
    store.stars.Update(kFrame);
    EXPECT_EQ(store.stars.LiveCount(), static_cast<uint32_t>(count));
    // Spent: stopped after placing, deleted on the next update.
    store.stars.Update(kFrame);
    EXPECT_TRUE(store.stars.Sources().empty());
    EXPECT_EQ(store.stars.LiveCount(), static_cast<uint32_t>(count));
}

INSTANTIATE_TEST_SUITE_P(Counts, BurstCountTest, ::testing::Values(1, 10, 20, 30, 40, 50, 100, 999));

TEST_F(ParticleEmitterTest, BurstOfZero_NeverEmitsAndStays)
{
    ParticleStore store;
    AddParticleBurst(store, 0, vec2(0.0f, 0.0f), 0xFFFFFFFFu, 0.0f);
    for (int i = 0; i < 5; ++i) store.stars.Update(kFrame);
    EXPECT_EQ(store.stars.LiveCount(), 0u);
    EXPECT_EQ(store.stars.Sources().size(), 1u);
}

TEST_F(ParticleEmitterTest, IntervalZero_EmitsNothingAndStaysInTheList)
{
    ParticleEmitter emitter(10);
    emitter.AddParams(Source(0.0f));
    emitter.Update(kFrame);
    emitter.Update(kFrame);
    EXPECT_EQ(emitter.LiveCount(), 0u);
    EXPECT_EQ(emitter.Sources().size(), 1u);
}

TEST_F(ParticleEmitterTest, FirstUpdate_EmitsAtOnce)
{
    ParticleEmitter emitter(10);
    emitter.AddParams(Source(0.5f));
    emitter.Update(kFrame);  // the accumulator starts at the interval
    EXPECT_EQ(emitter.LiveCount(), 1u);
    EXPECT_EQ(emitter.Sources()[0]->count, 1);
}

TEST_F(ParticleEmitterTest, BurstLargerThanFreeSlots_PlacesTheRestLater)
{
    ParticleEmitter emitter(10);
    auto burst = Source(1.0f / 40.0f, kEmitterBurst);
    emitter.AddParams(burst);
    emitter.Update(kFrame);
    EXPECT_EQ(emitter.LiveCount(), 10u);
    EXPECT_EQ(burst->toEmit, 30);
    EXPECT_EQ(burst->flags & kEmitterStopped, 0u);
    // Free the slots; the rest goes out in the next frames.
    for (int frame = 0; frame < 3; ++frame) {
        for (const Particle& p : emitter.Slots()) const_cast<Particle&>(p).life = 0.0f;
        emitter.Update(kFrame);
    }
    EXPECT_EQ(burst->count, 40);
    EXPECT_NE(burst->flags & kEmitterStopped, 0u);
    emitter.Update(kFrame);
    EXPECT_TRUE(emitter.Sources().empty());
}

TEST_F(ParticleEmitterTest, DyingParticle_GivesOneLastQuadOfSizeZero)
{
    ParticleEmitter emitter(1);
    auto source = Source(100.0f);
    source->lifeMin = source->lifeMax = 0.05f;
    source->sizeMin = source->sizeMax = 4.0f;
    emitter.AddParams(source);
    emitter.Update(kFrame);  // spawned, no quad yet
    EXPECT_EQ(emitter.mesh.quadCount, 0u);
    emitter.Update(kFrame);  // alive: a quad of half-side 4
    ASSERT_EQ(emitter.mesh.quadCount, 1u);
    EXPECT_FLOAT_EQ(emitter.mesh.vertices[5].x - emitter.mesh.vertices[0].x, 8.0f);
    emitter.Update(kFrame);  // dies: one last quad, all corners on the point
    ASSERT_EQ(emitter.mesh.quadCount, 1u);
    EXPECT_FLOAT_EQ(emitter.mesh.vertices[5].x, emitter.mesh.vertices[0].x);
    emitter.Update(kFrame);
    EXPECT_EQ(emitter.mesh.quadCount, 0u);
}

TEST_F(ParticleEmitterTest, TwoActiveSources_TakeFreeSlotsInTurn)
{
    ParticleEmitter emitter(6);
    auto first = Source(1.0f / 3.0f, kEmitterBurst);
    auto second = Source(1.0f / 3.0f, kEmitterBurst);
    first->position = {1.0f, 0.0f, 0.0f};
    second->position = {2.0f, 0.0f, 0.0f};
    emitter.AddParams(first);
    emitter.AddParams(second);
    emitter.Update(kFrame);
    const float expected[6] = {1, 2, 1, 2, 1, 2};
    for (size_t i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(emitter.Slots()[i].position.x, expected[i]) << i;
}

TEST_F(ParticleEmitterTest, SpawnGenerator_ResetGivesTheSameParticles)
{
    auto run = [] {
        ResetParticleSpawnRandom();
        ParticleStore store;
        AddSnowEmitter(store, vec2(500.0f, 700.0f), 64.0f);
        for (int i = 0; i < 10; ++i) store.snow.Update(kFrame);
        return store.snow.Slots();
    };
    const auto a = run();
    const auto b = run();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].position.x, b[i].position.x);
        EXPECT_EQ(a[i].life, b[i].life);
    }
    // 300 per second over 10 frames (the first frame emits at once).
    uint32_t live = 0;
    for (const Particle& p : a) live += p.life > 0.0f ? 1 : 0;
    EXPECT_GE(live, 90u);
    EXPECT_LE(live, 101u);
    for (const Particle& p : a) {
        if (p.life <= 0.0f) continue;
        EXPECT_GE(p.position.x, 500.0f - 64.0f - 50.0f);
        EXPECT_LE(p.position.x, 500.0f + 64.0f + 50.0f);
    }
}

TEST_F(ParticleEmitterTest, Clear_DropsSourcesAndParticles)
{
    ParticleEmitter emitter(10);
    EmitterParamsPtr kept = Source(0.1f);
    emitter.AddParams(kept);
    emitter.Update(kFrame);
    emitter.Clear();
    EXPECT_EQ(emitter.LiveCount(), 0u);
    EXPECT_TRUE(emitter.Sources().empty());
    EXPECT_EQ(emitter.lastSlot, 0);
    // The caller's reference stays valid after the emitter let go of it.
    kept->position.x = 5.0f;
    EXPECT_EQ(kept.use_count(), 1);
}

struct ColorCase {
    float life;
    uint32_t expected;
};

class KeyColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(KeyColorTest, ParticleKeyColor_BlendsBirthMiddleDeath)
{
    Particle p;
    p.fadeByLife = 0;
    p.lifeStart = 2.0f;
    p.life = GetParam().life;
    p.colorBirth = 0xFF0000FFu;
    p.colorMiddle = 0xFF00FF00u;
    p.colorDeath = 0x00FF0000u;
    EXPECT_EQ(ParticleKeyColor(p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyColorTest,
                         ::testing::Values(ColorCase{2.0f, 0xFF0000FFu},   // born
                                           ColorCase{1.0f, 0xFF00FF00u},   // middle
                                           ColorCase{1.5f, 0xFF007F7Fu},   // half way to middle
                                           ColorCase{0.0f, 0x00FF0000u})); // dead

TEST_F(ParticleEmitterTest, ParticleKeyColor_StaysBetweenTheKeysOutsideTheLife)
{
    Particle p;
    p.fadeByLife = 0;
    p.lifeStart = 2.0f;
    p.colorBirth = 0xFF0000FFu;
    p.colorMiddle = 0xFFFFFF00u;
    p.colorDeath = 0x10203040u;
    // The last quad of a dying particle is built after its life went below 0.
    p.life = -0.25f;
    EXPECT_EQ(ParticleKeyColor(p), 0x10203040u);
    p.life = -30.0f;
    EXPECT_EQ(ParticleKeyColor(p), 0x10203040u);
    // More life than at the start reads as newborn.
    p.life = 3.0f;
    EXPECT_EQ(ParticleKeyColor(p), 0xFF0000FFu);
    p.life = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ParticleKeyColor(p), 0x00000000u);
    p.fadeByLife = 1;
    EXPECT_EQ(ParticleKeyColor(p), 0x00FFFFFFu);

    // A whole emitter's dying particles, built through its update, end on the death key.
    struct OpenEmitter : ParticleEmitter {
        using ParticleEmitter::ParticleEmitter;
        using ParticleEmitter::slots;
    };
    OpenEmitter emitter(1);
    Particle& slot = emitter.slots[0];
    slot = p;
    slot.fadeByLife = 0;
    slot.life = 0.01f;
    emitter.Update(0.25f);
    ASSERT_EQ(emitter.mesh.quadCount, 1u);
    EXPECT_EQ(emitter.mesh.vertices[0].color, 0x10203040u);
}

TEST_F(ParticleEmitterTest, FadeByLife_IsWhiteWithAlphaOfTheLastSecond)
{
    Particle p;
    p.fadeByLife = 1;
    p.life = 0.5f;
    EXPECT_EQ(ParticleKeyColor(p), 0x7FFFFFFFu);
    p.life = 3.0f;
    EXPECT_EQ(ParticleKeyColor(p), 0xFFFFFFFFu);
}

TEST_F(ParticleEmitterTest, Streaks_PointAlongTheRotation)
{
    ParticleEmitter emitter(1);
    auto source = Source(100.0f);
    source->sizeMin = source->sizeMax = 1.0f;
    source->stretch = 10.0f;
    emitter.AddParams(source);
    emitter.UpdateStreaks(kFrame);
    emitter.UpdateStreaks(kFrame);
    ASSERT_EQ(emitter.mesh.quadCount, 1u);
    const auto& v = emitter.mesh.vertices;
    // Rotation 0: along +x, 10 long; across is 2 wide.
    EXPECT_NEAR(v[1].x - v[0].x, 10.0f, 1e-4f);
    EXPECT_NEAR(v[0].y - v[2].y, -2.0f, 1e-4f);
    EXPECT_EQ(v[0].color, 0xFFFFFFFFu);
}

TEST_F(ParticleEmitterTest, FireSheet_DyingParticleStaysOnTheLastCell)
{
    FireEmitter fire;
    fire.columns = 8;
    fire.rows = 4;
    fire.cellWidth = 0.125f;
    fire.cellHeight = 0.25f;
    auto source = Source(100.0f);
    source->lifeMin = source->lifeMax = 0.05f;
    fire.AddParams(source);
    fire.Update(kFrame);
    fire.Update(kFrame);
    ASSERT_EQ(fire.mesh.quadCount, 1u);
    // Two thirds of its life gone: cell 21 of 32, column 5 of row 2.
    EXPECT_FLOAT_EQ(fire.mesh.vertices[0].u, 0.625f);
    EXPECT_FLOAT_EQ(fire.mesh.vertices[0].v, 0.25f);
    fire.Update(kFrame);                                   // dies
    ASSERT_EQ(fire.mesh.quadCount, 1u);
    EXPECT_FLOAT_EQ(fire.mesh.vertices[0].u, 0.875f);      // last column
    EXPECT_FLOAT_EQ(fire.mesh.vertices[0].v, 0.0f);        // last row
}

}  // namespace
