// A headless screenshot of the stand-in level screen through the real renderer and
// the OpenGL device: a frozen lake, a burning bonfire with its light, an altar whose
// spell runs (orb and bar) and the bell. The picture is written beside the build for
// a look and checked for each element's colour where it must show.
#include <gtest/gtest.h>

#include <string>

#include "objects/altar.h"
#include "objects/bell.h"
#include "objects/bonfire.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kTicks = 20;

using Rgb = test::ShotRgb;
using test::SolidTexture;

// A one-colour sprite of the size with its hot spot at its centre.
void SolidSprite(const std::string& name, uint32_t argb, float width, float height, int frames = 1)
{
    test::SolidTexture(name + "_tex", argb);
    test::RegisterTestSprite(name, frames, 10.0f, width, height, width * 0.5f, height * 0.5f);
}

class LevelObjectsScreenshotTest : public test::SpriteShotTest {
protected:
    LevelObjectsScreenshotTest() : SpriteShotTest("level objects", 1024, 768) {}

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
    SaveShot("level_objects_screenshot.png");

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
