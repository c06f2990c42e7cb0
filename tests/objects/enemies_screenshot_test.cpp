// A headless picture of the enemies drawn by the stand-in level screen through the
// real renderer on a hidden OpenGL window, with solid-colour test sprites: a goblin
// picking at a tree, a held skeleton under its health bar and a skeleton the hero
// is after, under his marker. The picture is written beside the build for a look
// and checked for each element's colour where it must show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "objects/goblin.h"
#include "objects/hero.h"
#include "objects/skeleton.h"
#include "objects/source.h"
#include "tests/objects/support/enemy_fixture.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

using Rgb = test::ShotRgb;

// A sprite of solid frames: its texture first, so the test registry keeps it.
void SolidSprite(const std::string& name, uint32_t argb, int frames, float width, float height)
{
    test::SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, frames, 10.0f, width, height, width * 0.5f, 0.0f);
}

// The stand-in with its play-mode drawing reachable.
class ShotScreen : public test::EnemyLevelScreen {
public:
    using cBaseWidget::DrawPlay;
};

class EnemiesScreenshotTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        if (const std::string skip = gl_.Start("enemies screenshot", kWidth, kHeight); !skip.empty()) {
            GTEST_SKIP() << skip;
        }
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        render_->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, kWidth, kHeight);
        render_->SetHardwareDefaults();
        app.batch = &batch_;
    }
    void TearDown() override
    {
        app.batch = nullptr;
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
        EnemyTest::TearDown();
    }

    Rgb At(int x, int y) const { return test::PixelAt(image_, kHeight, x, y); }
    template <class Test>
    int CountIn(const Rect& area, Test pass) const
    {
        return test::CountInRect(area, kWidth, kHeight, [&](int x, int y) { return pass(At(x, y)); });
    }
    void SaveShot() const { test::SaveShotPng(image_, kWidth, kHeight, "enemies_screenshot.png"); }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
    vrk::VertexBatch batch_;
};

TEST_F(EnemiesScreenshotTest, Screenshot_ShowsPickingGoblinHeldSkeletonWithBarAndTheHerosMarker)
{
    ShotScreen screen;
    SolidSprite("tree00_0", 0xFF10A010u, 1, 80.0f, 120.0f);
    for (char digit = '0'; digit <= '3'; ++digit) {
        SolidSprite(std::string("goblin_pick") + digit, 0xFFE02020u, 8, 30.0f, 40.0f);
        SolidSprite(std::string("goblin_walk") + digit, 0xFFE02020u, 2, 30.0f, 40.0f);
        SolidSprite(std::string("skeleton_walk") + digit, 0xFFF0F0F0u, 2, 30.0f, 50.0f);
    }
    SolidSprite("progress", 0xFFFFE000u, 2, 40.0f, 6.0f);
    SolidSprite("target", 0xFF2060FFu, 1, 16.0f, 16.0f);
    screen.InitLevel("shot");
    screen.SetLevelSize(static_cast<float>(kWidth), static_cast<float>(kHeight));
    screen.SetZoom(1.0f);
    screen.SetViewCenter(kWidth * 0.5f, kHeight * 0.5f);

    auto* tree = dynamic_cast<cSource*>(screen.CreateObject(kTypeSource, 0));
    tree->SetPosition(300.0f, 300.0f);
    tree->SetSprite("tree00_0");
    auto* goblin = dynamic_cast<cGoblin*>(screen.CreateObject(kTypeGoblin, 0));
    goblin->SetPosition(150.0f, 300.0f);
    goblin->SetSprite("goblin_wood");
    for (int tick = 0; tick < 300 && goblin->GetState() != cGoblin::kStatePicking; ++tick) screen.Tick();
    ASSERT_EQ(goblin->GetState(), cGoblin::kStatePicking);
    // The skeletons come after the goblin's walk: with no worker to hunt they would
    // leave the level at their first update.
    auto* held = dynamic_cast<cSkeleton*>(screen.CreateObject(kTypeSkeleton, 0));
    held->SetPosition(600.0f, 300.0f);
    held->SetSprite("skeleton");
    held->PlayAnimation("walk0", kPlayLoopForward);
    auto* hunted = dynamic_cast<cSkeleton*>(screen.CreateObject(kTypeSkeleton, 0));
    hunted->SetPosition(800.0f, 300.0f);
    hunted->SetSprite("skeleton");
    hunted->PlayAnimation("walk0", kPlayLoopForward);
    // The hero waits at home: only his target counts here.
    auto* hero = dynamic_cast<cHero*>(screen.CreateObject(kTypeHero, 0));
    ASSERT_NE(hero, nullptr);
    hero->SetPosition(900.0f, 600.0f);
    hero->SetState(cHero::kStateInside);
    hero->SetTarget(hunted, 0);
    held->OnMessage(kEventShot, 0);
    HitRecord hit{nullptr, 2.0f};
    held->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    ASSERT_TRUE(held->ShowsHealthBar());
    ASSERT_TRUE(hunted->ShowsTargetMarker());

    ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
    render_->clearColor = 0xFF000000u;
    render_->ClearRenderTarget();
    render_->SetOrtho2D(true, cBaseWidget::kVirtualWidth, cBaseWidget::kVirtualHeight);
    screen.DrawPlay(batch_);
    device_->EndScene();
    ASSERT_TRUE(device_->ReadBackBuffer(image_));
    ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    SaveShot();

    const auto frameOf = [](const cObject& object) {
        Rect frame;
        object.GetFrameRect(frame, -1);
        return frame;
    };
    const auto isGreen = [](const Rgb& p) { return p.g > 120 && p.r < 60 && p.b < 60; };
    const auto isRed = [](const Rgb& p) { return p.r > 180 && p.g < 80 && p.b < 80; };
    const auto isWhite = [](const Rgb& p) { return p.r > 200 && p.g > 200 && p.b > 200; };
    const auto isYellow = [](const Rgb& p) { return p.r > 200 && p.g > 180 && p.b < 60; };
    const auto isBlue = [](const Rgb& p) { return p.b > 200 && p.r < 80; };
    EXPECT_GT(CountIn(frameOf(*tree), isGreen), 1000) << "tree";
    EXPECT_GT(CountIn(frameOf(*goblin), isRed), 500) << "goblin";
    EXPECT_EQ(goblin->GetAnimationKey().rfind("pick", 0), 0u);
    EXPECT_GT(CountIn(frameOf(*held), isWhite), 500) << "held skeleton";
    EXPECT_GT(CountIn(frameOf(*hunted), isWhite), 500) << "hunted skeleton";
    const vec2 bar = held->GetPosition() + held->GetBarOffset();
    EXPECT_GT(CountIn(Rect{bar.x - 25.0f, bar.y - 8.0f, 50.0f, 16.0f}, isYellow), 50) << "health bar";
    EXPECT_EQ(CountIn(Rect{hunted->GetPosition().x - 25.0f, bar.y - 8.0f, 50.0f, 16.0f}, isYellow), 0);
    EXPECT_GT(CountIn(Rect{hunted->GetPosition().x - 40.0f, hunted->GetPosition().y - 40.0f, 80.0f, 80.0f}, isBlue),
              50)
        << "the hero's marker";
}

}  // namespace
