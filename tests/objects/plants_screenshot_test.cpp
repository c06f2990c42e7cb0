// A headless screenshot of the stand-in level screen through the real renderer and
// the OpenGL device: a mill at its top level with a seated, a reserved and a free
// head, its fan turning and a load in processing, and a half-paid ruin with its
// bar. The picture is written beside the build for a look and checked where each
// element must show.
#include <gtest/gtest.h>

#include <string>

#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/tunnel_build.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kTicks = 20;

using Rgb = test::ShotRgb;

void SolidSprite(const std::string& name, uint32_t argb, float width, float height, int frames = 1)
{
    test::SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, frames, 10.0f, width, height, width * 0.5f, height * 0.5f);
}

class PlantsScreenshotTest : public test::SpriteShotTest {
protected:
    PlantsScreenshotTest() : SpriteShotTest("plants", 1024, 768) {}
};

TEST_F(PlantsScreenshotTest, Screenshot_ShowsMillHeadsFanAndAHalfPaidRuin)
{
    SolidSprite("mill00_up2", 0xFF806040u, 160.0f, 200.0f, 4);
    SolidSprite("mill00_fan", 0xFF2040FFu, 40.0f, 40.0f, 4);
    SolidSprite("icon_head", 0xFFFF0000u, 40.0f, 40.0f);
    SolidSprite("icon_head_circle", 0xFF000000u, 40.0f, 40.0f);
    SolidSprite("target", 0xFFFFFF00u, 10.0f, 10.0f);
    SolidSprite("ruins00", 0xFF60A060u, 240.0f, 160.0f, 5);
    SolidSprite("progress", 0xFF20FF20u, 80.0f, 10.0f, 2);
    level_->InitLevel("010");

    auto* mill = dynamic_cast<cPlant*>(level_->CreateObject(kTypePlant, 0));
    auto* ruins = dynamic_cast<cTunnelBuild*>(level_->CreateObject(kTypeTunnelBuild, 0));
    ASSERT_TRUE(mill != nullptr && ruins != nullptr);
    mill->SetPosition(250.0f, 300.0f);
    mill->SetText("2;2");
    mill->SetSprite("mill00");
    ruins->SetPosition(700.0f, 450.0f);
    ruins->SetSprite("ruins00");

    mill->SetSeat(0, cPlant::kSeatTaken);
    mill->OnMessage(kEventPartClick, 3);
    const int32_t food[4] = {0, 10, 0, 0};
    mill->QueueDelivery(ResourceVector(food, 4));
    level_->Stock().amounts[1] = 250;
    ruins->SetState(kStateWorking);
    for (int payment = 0; payment < 250; ++payment) ruins->UpdateTimer(1.0f);
    for (int tick = 0; tick < kTicks; ++tick) {
        mill->Update();
        ruins->Update();
    }
    EXPECT_GT(mill->GetFanSprite().play.frame, 0);

    ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
    render_->clearColor = 0xFF000000u;
    render_->ClearRenderTarget();
    level_->DrawPlay(batch_);
    device_->EndScene();
    ASSERT_TRUE(device_->ReadBackBuffer(image_));
    ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    SaveShot("plants_screenshot.png");

    const auto isMill = [](const Rgb& p) { return p.r > 100 && p.r < 160 && p.g > 70 && p.b < 100; };
    const auto isFan = [](const Rgb& p) { return p.b > 200 && p.r < 80; };
    const auto isSolidHead = [](const Rgb& p) { return p.r > 230 && p.g < 30 && p.b < 30; };
    const auto isTranslucentHead = [](const Rgb& p) { return p.r > 110 && p.r < 200 && p.g < 30 && p.b < 30; };
    const auto isMark = [](const Rgb& p) { return p.r > 200 && p.g > 200 && p.b < 60; };
    const auto isRuin = [](const Rgb& p) { return p.g > 140 && p.r < 120 && p.b < 120; };
    const auto isBar = [](const Rgb& p) { return p.g > 200 && p.r < 80; };

    // The picture spans 170 to 330 and 200 to 400; three 40-wide heads stand edge to
    // edge on its top, centred: x 190, 230 and 270 to their right edges.
    EXPECT_TRUE(isMill(AtWorld(180.0f, 220.0f)));
    EXPECT_TRUE(isFan(AtWorld(250.0f, 300.0f)));
    EXPECT_TRUE(isSolidHead(AtWorld(200.0f, 375.0f))) << "the seated worker";
    EXPECT_TRUE(isMark(AtWorld(250.0f, 380.0f))) << "the reserved seat";
    EXPECT_TRUE(isTranslucentHead(AtWorld(300.0f, 375.0f))) << "the free seat";
    EXPECT_TRUE(isRuin(AtWorld(620.0f, 420.0f)));
    EXPECT_TRUE(isBar(AtWorld(700.0f - 30.0f, 400.0f))) << "half the ruin's bar is filled";

    // The bars asked for: the mill's load in processing and the ruin's paid half.
    bool millBar = false;
    bool ruinBar = false;
    for (const auto& call : level_->progressCalls) {
        millBar = millBar || (call.point == vec2(250.0f, 250.0f) && call.fraction > 0.0f && call.fraction < 1.0f);
        ruinBar = ruinBar || (call.point == vec2(700.0f, 400.0f) && call.fraction == 0.5f);
    }
    EXPECT_TRUE(millBar);
    EXPECT_TRUE(ruinBar);
}

}  // namespace
