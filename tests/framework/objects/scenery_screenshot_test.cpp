// A headless screenshot of a small scene through the real renderer and the OpenGL
// device (offscreen window, fake owner): a background picture, a swaying tree, a
// cloud, snow and a star burst. The picture is written beside the build for a look
// and checked for each element's colour where it must show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "tests/support/headless_gl.h"
#include "engine/files/path_macros.h"
#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "framework/objects/back.h"
#include "framework/objects/decor.h"
#include "framework/objects/fly_decor.h"
#include "framework/objects/particle_spawn_random.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/particles_decor.h"
#include "framework/objects/weather_sources.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kTicks = 45;

struct Rgb {
    int r, g, b;
};

// A 4 x 4 texture of one colour (ARGB), registered under the name.
void SolidTexture(const std::string& name, uint32_t argb)
{
    constexpr uint32_t kSide = 4;
    vrk::cImage picture(vrk::kFormatR8G8B8A8, kSide, kSide, 1);
    uint8_t* bytes = picture.LevelData(0);
    for (uint32_t i = 0; i < kSide * kSide; ++i) {
        bytes[i * 4 + 0] = static_cast<uint8_t>(argb);
        bytes[i * 4 + 1] = static_cast<uint8_t>(argb >> 8);
        bytes[i * 4 + 2] = static_cast<uint8_t>(argb >> 16);
        bytes[i * 4 + 3] = static_cast<uint8_t>(argb >> 24);
    }
    vrk::CreateTextureFromImage(name, &picture);
}

class ScenerySceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string skip = gl_.Start("scenery test", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        gl_.AttachRender(*render_);
        render_->SetOrtho2D(false, kWidth, kHeight);
        oldStatic_ = vrk::GetPathMacro("{StaticPath}");
        vrk::SetPathMacro("{StaticPath}", folder_.Str());
        ResetParticleSpawnRandom();
    }
    void TearDown() override
    {
        vrk::SetPathMacro("{StaticPath}", oldStatic_);
        objects_.clear();
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
    }

    template <class T>
    T* Place(const std::string& sprite, float x, float y)
    {
        auto object = std::make_unique<T>(&owner_);
        T* raw = object.get();
        object->SetPosition(x, y);
        object->SetSprite(sprite);
        owner_.Add(raw);
        objects_.push_back(std::move(object));
        return raw;
    }

    // The screen's draw: each layer in order with its blend mode, one batch per layer.
    void DrawScene(ParticleStore& store)
    {
        render_->clearColor = 0xFF000000u;
        render_->ClearRenderTarget();
        for (int32_t layer = 0; layer < cObjectOwner::kLayerCount; ++layer) {
            render_->SetBlendMode(owner_.GetLayerBlendMode(layer), 0.0f);
            owner_.batch.Clear();
            for (cObject* object : owner_.layers[static_cast<size_t>(layer)]) object->Draw();
            render_->DrawVertexBatch(owner_.batch);
            owner_.batch.Clear();
        }
        // The star bursts: screen space, additive, after everything else.
        render_->SetBlendFunc(2, 2);
        store.Draw(test::IdentityMatrix(), ParticleStore::kScreenSpaceLayer);
        render_->SetBlendMode(0, 0.0f);
    }

    Rgb At(int x, int y) const
    {
        const size_t row = static_cast<size_t>(kHeight - 1 - y);
        const size_t at = (row * image_.width + static_cast<size_t>(x)) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
    }
    template <class Test>
    int CountIn(int x0, int y0, int x1, int y1, Test test) const
    {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) count += test(At(x, y)) ? 1 : 0;
        }
        return count;
    }
    void SaveShot() const
    {
        test::PngPicture picture;
        picture.width = kWidth;
        picture.height = kHeight;
        picture.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 3);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const Rgb p = At(x, kHeight - 1 - y);
                const size_t at = (static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)) * 3;
                picture.pixels[at] = static_cast<uint8_t>(p.r);
                picture.pixels[at + 1] = static_cast<uint8_t>(p.g);
                picture.pixels[at + 2] = static_cast<uint8_t>(p.b);
            }
        }
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/scenery_screenshot.png", picture);
    }

    test::LogCapture log_;
    test::TempFolder folder_;
    std::string oldStatic_;
    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
    std::vector<std::unique_ptr<cObject>> objects_;
};

TEST_F(ScenerySceneTest, Screenshot_ShowsBackgroundTreeCloudSnowAndBurst)
{
    // The background: one dark blue picture over the whole window.
    test::PngPicture back;
    back.width = kWidth;
    back.height = kHeight;
    back.pixels.clear();
    for (int i = 0; i < kWidth * kHeight; ++i) back.pixels.insert(back.pixels.end(), {20, 30, 90});
    folder_.Write("texture/back/shot_0.png", "");
    ASSERT_TRUE(test::WritePng(folder_.Str() + "/texture/back/shot_0.png", back));
    owner_.levelName = "shot";
    owner_.levelWidth = kWidth;
    owner_.levelHeight = kHeight;

    SolidTexture("tree_tex", 0xFF20C020u);
    SolidTexture("map_cloud0_tex", 0xFFF0F0F0u);
    SolidTexture("part_snow", 0xFFFFFFFFu);
    SolidTexture("part_star", 0xFFFFFFFFu);
    test::RegisterTestSprite("tree", 1, 0.0f, 40.0f, 100.0f, 20.0f, 0.0f);
    test::RegisterTestSprite("map_cloud0", 1, 0.0f, 60.0f, 30.0f, 30.0f, 15.0f);

    Place<cBack>("", 0.0f, 0.0f);
    Place<cDecor>("tree=tree;-0.3;0.3;0.8", 80.0f, 20.0f);
    cFlyDecor* cloud = Place<cFlyDecor>("map_cloud0", 0.0f, 0.0f);
    cloud->SetSpeed(40.0f);
    Place<cParticlesDecor>("snow=48", 230.0f, 220.0f);

    ParticleStore store;
    store.Bind(&owner_.batch);
    AddParticleBurst(store, 40, vec2(250.0f, 80.0f), 0xFFFFE000u, 6.0f);

    for (int tick = 0; tick < kTicks; ++tick) {
        for (auto& object : objects_) {
            object->Update();
            object->UpdateFade(cObject::kTickSeconds);
        }
        store.Update(cObject::kTickSeconds);
    }
    ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
    DrawScene(store);
    device_->EndScene();
    ASSERT_TRUE(device_->ReadBackBuffer(image_));
    ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    SaveShot();

    const auto isBackground = [](const Rgb& p) { return p.r < 40 && p.g < 50 && p.b > 70 && p.b < 110; };
    const auto isTree = [](const Rgb& p) { return p.g > 150 && p.r < 80 && p.b < 80; };
    const auto isWhite = [](const Rgb& p) { return p.r > 120 && p.g > 120 && p.b > 120; };
    const auto isYellow = [](const Rgb& p) { return p.r > 120 && p.g > 100 && p.b < 100; };

    EXPECT_TRUE(isBackground(At(5, 120)));
    // The tree's base stays put whatever the sway; its top has moved.
    EXPECT_TRUE(isTree(At(80, 22)));
    EXPECT_GT(CountIn(40, 20, 120, 130, isTree), 2500);
    // The cloud flies somewhere along its line.
    const vec2 at = cloud->GetPosition();
    ASSERT_EQ(cloud->GetFlightState(), cFlyDecor::kFlightFlying);
    if (at.x > 5.0f && at.x < kWidth - 5.0f && at.y > 5.0f && at.y < kHeight - 5.0f &&
        (at.x > 140.0f || at.y > 140.0f)) {
        EXPECT_TRUE(isWhite(At(static_cast<int>(at.x), static_cast<int>(at.y))));
    }
    // Snow falls below its source; a burst of yellow stars spreads around its point.
    EXPECT_GT(CountIn(160, 120, 300, 240, isWhite), 40);
    EXPECT_GT(CountIn(200, 30, 300, 130, isYellow), 40);
    EXPECT_EQ(CountIn(0, 0, 40, 240, isYellow), 0);
}

}  // namespace
