// Lights: adding with and without a texture, and the flickering squares they draw.
#include "framework/objects/light_list.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/render/vertex_batch.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

TEST(LightListTest, Add_WithTextureSetsSquareAndColour)
{
    test::RegistryCleaner cleaner;
    test::RegisterTestTexture("light_fire");
    LightList lights;
    EXPECT_EQ(lights.Add("light_fire", vec2(100.0f, 50.0f), 20.0f, 0xFF8000u), 0);
    const LightRecord& light = lights.lights[0];
    EXPECT_FLOAT_EQ(light.x, 80.0f);
    EXPECT_FLOAT_EQ(light.y, 30.0f);
    EXPECT_FLOAT_EQ(light.w, 40.0f);
    EXPECT_FLOAT_EQ(light.r, 1.0f);
    EXPECT_NEAR(light.g, 128.0f / 255.0f, 1e-6f);
    EXPECT_FLOAT_EQ(light.b, 0.0f);
}

TEST(LightListTest, MissingTexture_IsKeptButNeverDrawn)
{
    test::RegistryCleaner cleaner;
    LightList lights;
    EXPECT_EQ(lights.Add("no_such_light", vec2(0.0f, 0.0f), 10.0f, 0xFFFFFFu), 0);
    EXPECT_EQ(lights.Add("no_such_light", vec2(0.0f, 0.0f), 10.0f, 0xFFFFFFu), 1);
    EXPECT_EQ(lights.lights[1].texture, nullptr);
    vrk::VertexBatch batch;
    lights.Draw(batch, 1.0f);
    EXPECT_EQ(batch.UsedVertices(), 0u);
}

TEST(LightListTest, Draw_ScalesChannelsByAlphaAndNeverWrapsPastFull)
{
    test::RegistryCleaner cleaner;
    test::RegisterTestTexture("light_fire");
    LightList lights;
    lights.Add("light_fire", vec2(100.0f, 100.0f), 20.0f, 0xFFFFFFu);
    lights.Add("light_fire", vec2(100.0f, 100.0f), 20.0f, 0x000000u);
    lights.lights[0].angle = 0.2f;  // glow 0.02 + 0.02 sin 1.2: white would pass 255
    vrk::VertexBatch batch;
    // No renderer here: Draw builds and then empties the batch, so look at the
    // vertices it wrote.
    lights.Draw(batch, 1.0f);
    EXPECT_EQ(batch.vertices[0].color, 0xFFFFFFFFu);
    const uint32_t black = batch.vertices[6].color;
    EXPECT_EQ(black >> 24, 0xFFu);
    EXPECT_EQ(black & 0xFFu, 5u);  // angle 0: only the base glow, trunc(0.02 * 255)
    lights.Draw(batch, 0.5f);
    EXPECT_EQ(batch.vertices[0].color & 0xFFu, static_cast<uint32_t>((1.0f + 0.02f + 0.02f * std::sin(1.2f)) * 0.5f * 255.0f));
}

TEST(LightListTest, Draw_SquareSwingsWithTheAngle)
{
    test::RegistryCleaner cleaner;
    test::RegisterTestTexture("light_fire");
    LightList lights;
    lights.Add("light_fire", vec2(100.0f, 100.0f), 20.0f, 0xFFFFFFu);
    vrk::VertexBatch batch;
    lights.Draw(batch, 1.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 80.0f - 15.0f);  // angle 0: cos 1
    EXPECT_FLOAT_EQ(batch.vertices[0].y, 80.0f);
}

TEST(LightListTest, SetActive_SwitchesOneLightAndIgnoresIndicesOutOfRange)
{
    test::RegistryCleaner cleaner;
    test::RegisterTestTexture("light_fire");
    LightList lights;
    lights.Add("light_fire", vec2(0.0f, 0.0f), 10.0f, 0xFFFFFFu);
    lights.Add("light_fire", vec2(0.0f, 0.0f), 10.0f, 0xFFFFFFu);
    EXPECT_EQ(lights.lights[1].active, 1) << "a light starts switched on";
    lights.SetActive(1, false);
    EXPECT_EQ(lights.lights[0].active, 1);
    EXPECT_EQ(lights.lights[1].active, 0);
    lights.SetActive(1, true);
    EXPECT_EQ(lights.lights[1].active, 1);
    lights.SetActive(-1, false);
    lights.SetActive(2, false);
    EXPECT_EQ(lights.lights[0].active, 1);
    EXPECT_EQ(lights.lights[1].active, 1);
}

}  // namespace
