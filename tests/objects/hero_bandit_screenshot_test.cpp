// A headless screenshot through the real renderer and the OpenGL device: the hero
// striking an enemy, and a bandit column standing on its way points as the editor
// shows them (the bandits by their palette picture, the way points as red squares).
// The picture is written beside the build for a look and checked for each element.
#include <gtest/gtest.h>

#include <string>

#include "objects/bandit.h"
#include "objects/enemy.h"
#include "objects/hero.h"
#include "objects/way_point.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

using Rgb = test::ShotRgb;

// A sprite of one frame in one colour, its hot spot at the bottom centre.
void SolidSprite(const std::string& name, uint32_t argb, float width, float height)
{
    test::SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, 2, 10.0f, width, height, width * 0.5f, height);
}

class HeroBanditSceneTest : public test::SpriteShotTest {
protected:
    HeroBanditSceneTest() : SpriteShotTest("hero test", kWidth, kHeight) {}

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
    SaveShot("hero_bandit_screenshot.png");

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
