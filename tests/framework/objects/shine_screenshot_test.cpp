// Headless screenshots of the "shine" weather through the real renderer, the OpenGL
// device and the committed ray texture: the rays must show as light, yet leave the
// scene under them readable (they are drawn additively, so a ray texture that keeps
// its colour where it is transparent washes whole wedges of the view out to white).
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/files/image_reader.h"
#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/particle_spawn_random.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/weather_sources.h"
#include "tests/support/headless_gl.h"

namespace {

// The level view, with the rays set up as the level screen sets them up.
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kShineLength = 768.0f;
constexpr uint32_t kGround = 0xFF606060u;
constexpr int kGroundLevel = 0x60;
constexpr float kTick = 1.0f / 30.0f;
constexpr int kWarmUpTicks = 300;  // ten seconds: the first rays have died and been replaced
constexpr int kTicksBetweenShots = 75;
constexpr int kShots = 4;
constexpr uint32_t kRaySide = 128;
constexpr uint32_t kRayRowHeight = 16;  // eight rays, picked by row

const std::string kRayArt = std::string(KELVARA_SOURCE_DIR) + "/data/texture/particles/part_shine.png";

// The largest colour byte of a pixel (the rays are added, so colour is their light).
int Light(const vrk::cImage& image, uint32_t x, uint32_t y)
{
    const uint8_t* pixel = image.LevelData(0) + (static_cast<size_t>(y) * kRaySide + x) * 4;
    return std::max({pixel[0], pixel[1], pixel[2]});
}

// The texture wraps: a ray's far tip is filtered with the first column, the edges of a
// row with the next row, and the ninth pick (one row past the bottom) with row 0. All
// of those must be dark, or thin bright lines show at the tips and sides of the rays.
TEST(ShineRayArtTest, RayTexture_IsDarkWhereFilteringWrapsOrCrossesRows)
{
    vrk::cImage image;
    ASSERT_EQ(vrk::LoadImageFile(image, vrk::PathRecord(kRayArt)), vrk::kImageReadOk);
    ASSERT_EQ(image.LevelWidth(0), kRaySide);
    ASSERT_EQ(image.LevelHeight(0), kRaySide);
    constexpr int kDark = 2;
    for (uint32_t y = 0; y < kRaySide; ++y) EXPECT_LE(Light(image, 0, y), kDark) << "first column, row " << y;
    for (uint32_t top = 0; top < kRaySide; top += kRayRowHeight) {
        for (uint32_t x = 0; x < kRaySide; ++x) {
            EXPECT_LE(Light(image, x, top), kDark) << "top of the ray at " << top;
            EXPECT_LE(Light(image, x, top + kRayRowHeight - 1), kDark) << "bottom of the ray at " << top;
        }
    }
    for (uint32_t top = 0; top < kRaySide; top += kRayRowHeight) {
        EXPECT_GT(Light(image, 1, top + kRayRowHeight / 2), 64) << "the ray at " << top << " starts dark";
    }
}

vrk::Matrix4 Identity()
{
    vrk::Matrix4 matrix;
    for (int i = 0; i < vrk::Matrix4::kSize; ++i) matrix.At(i, i) = 1.0f;
    return matrix;
}

class ShineScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string skip = gl_.Start("shine test", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        gl_.AttachRender(*render_);
        render_->SetOrtho2D(false, kWidth, kHeight);
        ResetParticleSpawnRandom();
    }
    void TearDown() override
    {
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
    }

    // Brightest channel gain over the ground of every pixel of one frame of the rays.
    std::vector<int> ShootGains(ParticleStore& store)
    {
        EXPECT_EQ(device_->BeginScene(), port::kGpuOk);
        render_->clearColor = kGround;
        render_->ClearRenderTarget();
        store.Draw(Identity(), ParticleStore::kWeatherLayer);
        render_->SetBlendMode(0, 0.0f);
        device_->EndScene();
        std::vector<int> gains;
        if (!device_->ReadBackBuffer(image_)) return gains;
        gains.reserve(static_cast<size_t>(kWidth) * kHeight);
        for (size_t at = 0; at + 3 < image_.bgra.size(); at += 4) {
            const int brightest = std::max({image_.bgra[at], image_.bgra[at + 1], image_.bgra[at + 2]});
            gains.push_back(brightest - kGroundLevel);
        }
        return gains;
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
};

TEST_F(ShineScreenshotTest, ShineRays_LightTheViewWithoutWashingItOut)
{
    vrk::TexturePtr texture = vrk::CreateTextureFromFile("part_shine", vrk::PathRecord(kRayArt));
    texture->inUse = true;
    texture->Apply();
    ASSERT_TRUE(texture->IsOnDevice());

    vrk::VertexBatch batch;
    ParticleStore store;
    store.Bind(&batch);
    AddShineEmitter(store, vec2(0.0f, kShineLength), kShineLength);
    for (int tick = 0; tick < kWarmUpTicks; ++tick) store.Update(kTick);

    const double pixels = static_cast<double>(kWidth) * kHeight;
    for (int shot = 0; shot < kShots; ++shot) {
        for (int tick = 0; tick < kTicksBetweenShots; ++tick) store.Update(kTick);
        ASSERT_GE(store.shine.LiveCount(), 3u);
        const std::vector<int> gains = ShootGains(store);
        ASSERT_EQ(gains.size(), static_cast<size_t>(kWidth) * kHeight);
        const auto share = [&](int least) {
            return static_cast<double>(std::count_if(gains.begin(), gains.end(), [least](int g) { return g >= least; })) /
                   pixels;
        };
        SCOPED_TRACE(shot);
        // Soft light over a good part of the view (about a tenth)...
        EXPECT_GT(share(12), 0.04);
        // ...but only the corner the rays come from, where they all meet, may get
        // close to white (about a seventieth of the view; rays that keep their colour
        // where they are transparent wash out a sixth to a quarter of it).
        EXPECT_LT(share(120), 0.03);
    }
}

}  // namespace
