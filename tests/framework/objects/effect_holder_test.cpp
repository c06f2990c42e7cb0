// Effect holders: the effect descriptors, emission on and off, and drawing into the
// owner's batch.
#include "framework/objects/effect_holder.h"

#include <gtest/gtest.h>

#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/particle_spawn_random.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kTick = EffectHolder::kTickSeconds;

struct DescriptorCase {
    const char* descriptor;
    bool fire;
    uint32_t capacity;
    float spread;
    float interval;
};

class EffectDescriptorTest : public ::testing::TestWithParam<DescriptorCase> {
protected:
    test::RegistryCleaner cleaner_;
};

TEST_P(EffectDescriptorTest, SetEffect_BuildsTheKindsEmitterAndSource)
{
    const DescriptorCase& c = GetParam();
    EffectHolder holder;
    holder.SetEffect(nullptr, c.descriptor);
    ASSERT_TRUE(holder.HasEffect());
    ParticleEmitter* emitter = holder.GetEmitter();
    ASSERT_NE(emitter, nullptr);
    EXPECT_EQ(dynamic_cast<FireEmitter*>(emitter) != nullptr, c.fire);
    EXPECT_EQ(emitter->Slots().size(), c.capacity);
    ASSERT_TRUE(holder.GetParams());
    EXPECT_FLOAT_EQ(holder.GetParams()->spread, c.spread);
    EXPECT_FLOAT_EQ(holder.GetParams()->interval, c.interval);
    EXPECT_FLOAT_EQ(holder.GetParams()->accumulator, c.interval);
    EXPECT_FLOAT_EQ(holder.GetRate(), 1.0f / c.interval);
    EXPECT_TRUE(holder.IsEmitting());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EffectDescriptorTest,
    ::testing::Values(DescriptorCase{"fog", false, 15, 32.0f, 2.0f}, DescriptorCase{"fire", true, 15, 0.0f, 0.2f},
                      DescriptorCase{"smoke", false, 15, 0.0f, 0.6666667f},
                      DescriptorCase{"build_smoke", false, 15, 24.0f, 0.25f},
                      DescriptorCase{"build_smoke=32", false, 15, 32.0f, 0.25f},
                      DescriptorCase{"snow", false, 120, 128.0f, 0.016666668f},
                      DescriptorCase{"snow=64", false, 120, 64.0f, 0.016666668f},
                      DescriptorCase{"leaves", false, 30, 32.0f, 0.05f},
                      DescriptorCase{"pillar_snow=16", false, 40, 16.0f, 0.033333335f},
                      DescriptorCase{"hearts", false, 15, 5.0f, 0.5f},
                      DescriptorCase{"hearts=99", false, 15, 5.0f, 0.5f},
                      DescriptorCase{"wood_spark", false, 15, 8.0f, 0.0033333334f},
                      DescriptorCase{"stars_tail", false, 150, 6.0f, 0.05f}));

class UnknownEffectTest : public ::testing::TestWithParam<const char*> {};

TEST_P(UnknownEffectTest, SetEffect_UnknownKindLeavesTheHolderEmpty)
{
    EffectHolder holder;
    holder.SetEffect(nullptr, GetParam());
    EXPECT_FALSE(holder.HasEffect());
    EXPECT_FALSE(holder.IsEmitting());
    EXPECT_FLOAT_EQ(holder.GetRate(), 0.0f);
    holder.Update(kTick);                      // harmless
    holder.Draw(test::IdentityMatrix());
    holder.SetPosition(1.0f, 2.0f);
}

INSTANTIATE_TEST_SUITE_P(Words, UnknownEffectTest, ::testing::Values("fo", "fogs", "fog2", "Snow", "", "=32", "rain"));

TEST(EffectHolderTest, SetEmitting_OffStopsAndOnRestoresTheRate)
{
    EffectHolder holder;
    holder.SetEffect(nullptr, "hearts");
    holder.SetEmitting(false);
    EXPECT_FALSE(holder.IsEmitting());
    EXPECT_FLOAT_EQ(holder.GetParams()->interval, 0.0f);
    holder.SetEmitting(true);
    EXPECT_TRUE(holder.IsEmitting());
    EXPECT_FLOAT_EQ(holder.GetParams()->interval, 0.5f);
    EXPECT_FLOAT_EQ(holder.GetParams()->accumulator, 0.5f);
}

TEST(EffectHolderTest, SetEmitting_OnWithRateZeroLeavesIntervalZero)
{
    EffectHolder holder;
    holder.SetEffect(nullptr, "hearts");
    holder.GetParams()->interval = 0.0f;
    holder.SetEmitting(false);
    // A holder whose source never had a rate.
    EffectHolder empty;
    empty.SetEffect(nullptr, "smoke");
    empty.SetEmitting(false);
    empty.SetEmitting(true);
    EXPECT_TRUE(empty.IsEmitting());
    EffectHolder none;
    none.SetEmitting(true);
    EXPECT_FALSE(none.IsEmitting());
}

TEST(EffectHolderTest, UpdateAndDraw_CopiesQuadsIntoTheOwnerBatch)
{
    test::RegistryCleaner cleaner;
    vrk::TexturePtr snowTexture = test::RegisterTestTexture("part_snow");
    ResetParticleSpawnRandom();
    vrk::VertexBatch batch;
    EffectHolder holder;
    holder.SetEffect(&batch, "snow=10");
    holder.SetPosition(200.0f, 300.0f);
    // 60 a second: the first tick places 3 (the accumulator starts at one interval),
    // the second builds their quads and places 2 more.
    holder.Update(kTick);
    holder.Update(kTick);
    EXPECT_EQ(holder.GetLiveCount(), 5u);
    holder.Draw(test::IdentityMatrix());
    ASSERT_EQ(batch.runCount, 1u);
    EXPECT_EQ(batch.runs[0].key, snowTexture);
    EXPECT_EQ(batch.runs[0].count, 3u * 6u);
    for (uint32_t i = 0; i < batch.runs[0].count; ++i) {
        EXPECT_NEAR(batch.vertices[i].x, 200.0f, 10.0f + 3.0f + 2.0f);
    }
}

TEST(EffectHolderTest, SetEffectAgain_ReplacesTheEffect)
{
    EffectHolder holder;
    holder.SetEffect(nullptr, "fire");
    EmitterParamsPtr old = holder.GetParams();
    holder.SetEffect(nullptr, "snow");
    EXPECT_NE(holder.GetParams(), old);
    EXPECT_EQ(holder.GetEmitter()->Slots().size(), 120u);
    holder.Clear();
    EXPECT_FALSE(holder.HasEffect());
    EXPECT_EQ(holder.GetParticleCount(), 0);
}

}  // namespace
