// A headless screenshot through the real renderer and the OpenGL device: the hero
// striking an enemy, and a bandit column standing on its way points as the editor
// shows them (the bandits by their palette picture, the way points as red squares).
// The picture is written beside the build for a look and checked for each element.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "objects/bandit.h"
#include "objects/enemy.h"
#include "objects/hero.h"
#include "objects/way_point.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

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

// A sprite of one frame in one colour, its hot spot at the bottom centre.
void SolidSprite(const std::string& name, uint32_t argb, float width, float height)
{
    SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, 2, 10.0f, width, height, width * 0.5f, height);
}

class HeroBanditSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string skip = gl_.Start("hero test", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        render_->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, kWidth, kHeight);
        render_->SetHardwareDefaults();
        render_->SetOrtho2D(false, kWidth, kHeight);
        level_ = std::make_unique<test::TestLevelScreen>();
        app_.batch = &batch_;
    }
    void TearDown() override
    {
        level_.reset();
        app_.batch = nullptr;
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
    }

    void DrawScene()
    {
        render_->clearColor = 0xFF000000u;
        render_->ClearRenderTarget();
        for (int32_t layer = 0; layer < cObjectOwner::kLayerCount; ++layer) {
            render_->SetBlendMode(1, 0.0f);
            batch_.Clear();
            for (cObject* object : level_->GetLayers()[static_cast<size_t>(layer)]) object->DrawEditor();
            render_->DrawVertexBatch(batch_);
            batch_.Clear();
        }
        render_->SetBlendMode(0, 0.0f);
    }
    Rgb At(int x, int y) const
    {
        const size_t row = static_cast<size_t>(kHeight - 1 - y);
        const size_t at = (row * image_.width + static_cast<size_t>(x)) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
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
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/hero_bandit_screenshot.png", picture);
    }

    test::LogCapture log_;
    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
    test::FakeAppServices app_;
    vrk::VertexBatch batch_;
    std::unique_ptr<test::TestLevelScreen> level_;
};

TEST_F(HeroBanditSceneTest, Screenshot_ShowsTheHeroStrikingAndABanditColumnOnItsWayPoints)
{
    for (char digit = '0'; digit <= '3'; ++digit) {
        SolidSprite(std::string("hero_strike") + digit, 0xFFFFE000u, 24.0f, 40.0f);
    }
    SolidSprite("goblin_fear0", 0xFF20C020u, 20.0f, 30.0f);
    SolidSprite("enemy_shot", 0xFF2040F0u, 24.0f, 40.0f);

    // The hero strikes an enemy at his right.
    auto* enemy = new cEnemy(level_.get());
    enemy->SetPosition(120.0f, 100.0f);
    enemy->AddAnimation("stand", "enemy_shot");
    enemy->PlayAnimation("stand", kPlayLoopForward);
    enemy->SetTimerPeriod(10.0f);
    level_->AddObject(enemy, 0);
    auto* hero = dynamic_cast<cHero*>(level_->CreateObject(kTypeHero, 0));
    hero->SetPosition(70.0f, 100.0f);
    hero->SetSprite("hero");
    hero->SetTarget(enemy, 0);
    hero->SetState(cHero::kStateStriking);
    ASSERT_EQ(hero->GetAnimationKey().rfind("strike", 0), 0u);

    // The column in the editor: three way points, two bandits on the first two.
    level_->ForceMode(kModeEditor);
    const vec2 points[] = {{180.0f, 200.0f}, {240.0f, 200.0f}, {300.0f, 200.0f}};
    for (const vec2& at : points) {
        auto* point = dynamic_cast<cWayPoint*>(level_->CreateObject(kTypeWayPoint, 0));
        point->SetPositionV(at);
    }
    for (int i = 0; i < 2; ++i) {
        auto* bandit = dynamic_cast<cBandit*>(level_->CreateObject(kTypeBandit, 0));
        bandit->SetPositionV(points[i] + vec2{0.0f, -10.0f});
        bandit->SetSprite("bandit");
        ASSERT_EQ(bandit->GetAnimationKey(), "fear0");
    }

    ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
    DrawScene();
    device_->EndScene();
    ASSERT_TRUE(device_->ReadBackBuffer(image_));
    ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    SaveShot();

    const auto isYellow = [](const Rgb& p) { return p.r > 200 && p.g > 180 && p.b < 60; };
    const auto isBlue = [](const Rgb& p) { return p.b > 200 && p.r < 80; };
    const auto isGreen = [](const Rgb& p) { return p.g > 150 && p.r < 80 && p.b < 80; };
    const auto isRed = [](const Rgb& p) { return p.r > 200 && p.g < 40 && p.b < 40; };
    const auto isBlack = [](const Rgb& p) { return p.r < 20 && p.g < 20 && p.b < 20; };
    EXPECT_TRUE(isYellow(At(70, 80)));
    EXPECT_TRUE(isBlue(At(120, 80)));
    EXPECT_TRUE(isGreen(At(180, 175)));
    EXPECT_TRUE(isGreen(At(240, 175)));
    // Way points peek out below the bandits; the last one stands alone.
    EXPECT_TRUE(isRed(At(180, 204)));
    EXPECT_TRUE(isRed(At(300, 200)));
    EXPECT_TRUE(isBlack(At(300, 180)));
    EXPECT_TRUE(isBlack(At(20, 20)));
}

}  // namespace
