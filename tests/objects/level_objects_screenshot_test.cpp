// A headless screenshot of the stand-in level screen through the real renderer and
// the OpenGL device: a frozen lake, a burning bonfire with its light, an altar whose
// spell runs (orb and bar) and the bell. The picture is written beside the build for
// a look and checked for each element's colour where it must show.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "objects/altar.h"
#include "objects/bell.h"
#include "objects/bonfire.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/objects/support/test_level_screen.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
// World units per pixel: the 1024 x 768 scene fills the window.
constexpr float kUnitsPerPixel = 1024.0f / kWidth;
constexpr int kTicks = 20;

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

// A one-colour sprite of the size with its hot spot at its centre.
void SolidSprite(const std::string& name, uint32_t argb, float width, float height, int frames = 1)
{
    SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, frames, 10.0f, width, height, width * 0.5f, height * 0.5f);
}

class LevelObjectsScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string skip = gl_.Start("level objects", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        render_->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, kWidth, kHeight);
        render_->SetHardwareDefaults();
        render_->SetOrtho2D(false, 1024, 768);
        app_.batch = &batch_;
        level_ = std::make_unique<test::TestLevelScreen>();
    }
    void TearDown() override
    {
        level_.reset();
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
    }

    template <class T>
    T* Place(int32_t type, const std::string& sprite, float x, float y)
    {
        auto* object = dynamic_cast<T*>(level_->CreateObject(type, 0));
        EXPECT_NE(object, nullptr);
        if (object == nullptr) return nullptr;
        object->SetPosition(x, y);
        object->SetSprite(sprite);
        return object;
    }

    // The colour of the pixel showing a world point.
    Rgb AtWorld(float x, float y) const
    {
        const size_t column = static_cast<size_t>(x / kUnitsPerPixel);
        const size_t row = static_cast<size_t>(kHeight - 1) - static_cast<size_t>(y / kUnitsPerPixel);
        const size_t at = (row * image_.width + column) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
    }
    void SaveShot() const
    {
        test::PngPicture picture;
        picture.width = kWidth;
        picture.height = kHeight;
        picture.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 3);
        for (size_t i = 0; i < static_cast<size_t>(kWidth) * kHeight; ++i) {
            for (size_t c = 0; c < 3; ++c) picture.pixels[i * 3 + c] = image_.bgra[i * 4 + 2 - c];
        }
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/level_objects_screenshot.png", picture);
    }

    test::LogCapture log_;
    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
    vrk::VertexBatch batch_;
    test::FakeAppServices app_;
    std::unique_ptr<test::TestLevelScreen> level_;
};

TEST_F(LevelObjectsScreenshotTest, Screenshot_ShowsLakeBonfireWithLightAltarWithOrbAndBarAndBell)
{
    SolidSprite("ice", 0xFFA0E0FFu, 200.0f, 160.0f);
    SolidSprite("bonfire", 0xFF803000u, 64.0f, 64.0f, 4);
    SolidTexture("effect_fire", 0x60FFFFFFu);
    SolidSprite("altar00", 0xFF808080u, 96.0f, 96.0f);
    SolidSprite("spell_shield_off", 0xFF2040FFu, 24.0f, 24.0f, 2);
    SolidSprite("spell_shield_on", 0xFFFFFF40u, 24.0f, 24.0f, 2);
    SolidSprite("progress", 0xFF20FF20u, 80.0f, 10.0f, 2);
    SolidSprite("bell00", 0xFFC0A020u, 64.0f, 96.0f);
    SolidSprite("bell00_bell", 0xFFFF00FFu, 16.0f, 16.0f, 6);
    SolidTexture("part_snow", 0xFFFFFFFFu);
    level_->InitLevel("010");

    auto* lake = Place<cLake>(kTypeLake, "lake00", 200.0f, 300.0f);
    auto* bonfire = Place<cBonfire>(kTypeBonfire, "bonfire00", 520.0f, 560.0f);
    auto* altar = Place<cAltar>(kTypeAltar, "spell_shield", 850.0f, 250.0f);
    auto* bell = Place<cBell>(kTypeBell, "bell00", 850.0f, 600.0f);
    ASSERT_TRUE(lake != nullptr && bonfire != nullptr && altar != nullptr && bell != nullptr);
    lake->SetFrozen(true);
    level_->Stock().amounts[0] = 10;
    bonfire->TakePlace();
    bonfire->SetState(cBonfire::kStateBurning);
    // Affordable, but running: the orb stays dark.
    level_->Stock().amounts[3] = 100;
    level_->spellTimers[5] = 17.5f;
    for (int tick = 0; tick < kTicks; ++tick) {
        for (cObject* object : {static_cast<cObject*>(lake), static_cast<cObject*>(bonfire),
                                static_cast<cObject*>(altar), static_cast<cObject*>(bell)}) {
            object->Update();
        }
    }

    ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
    render_->clearColor = 0xFF000000u;
    render_->ClearRenderTarget();
    level_->DrawPlay(batch_);
    device_->EndScene();
    ASSERT_TRUE(device_->ReadBackBuffer(image_));
    ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    SaveShot();

    const auto isIce = [](const Rgb& p) { return p.b > 200 && p.g > 180 && p.r > 120; };
    const auto isBlack = [](const Rgb& p) { return p.r + p.g + p.b < 30; };
    // The light tints the ground around the fire orange; beyond its square stays dark.
    const auto isFireLight = [](const Rgb& p) { return p.r > 40 && p.r > p.b + 20; };
    const auto isBar = [](const Rgb& p) { return p.g > 150 && p.r < 120; };
    const auto isOffOrb = [](const Rgb& p) { return p.b > 150 && p.r < 100; };
    const auto isBell = [](const Rgb& p) { return p.r > 150 && p.g > 100 && p.b < 100; };

    EXPECT_TRUE(isIce(AtWorld(200.0f, 300.0f)));
    EXPECT_TRUE(isBlack(AtWorld(20.0f, 20.0f)));
    EXPECT_TRUE(isFireLight(AtWorld(520.0f + 200.0f, 560.0f + 120.0f))) << "within the light";
    EXPECT_TRUE(isFireLight(AtWorld(520.0f, 560.0f))) << "the fire itself";
    // The shield runs: the bar below the altar, the orb dark above it.
    EXPECT_TRUE(isBar(AtWorld(850.0f, 250.0f - 32.0f)));
    const vec2 orb{850.0f - 5.0f + 7.0f * std::cos(altar->GetPhase()),
                   250.0f + 30.0f + 3.0f * std::sin(2.0f * altar->GetPhase())};
    EXPECT_TRUE(isOffOrb(AtWorld(orb.x, orb.y)));
    EXPECT_TRUE(isBell(AtWorld(850.0f, 640.0f)));
}

}  // namespace
