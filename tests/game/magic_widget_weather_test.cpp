// The level screen's weather, day and night lengths and enemy tuning as the
// per-level set-up applies them.
#include <gtest/gtest.h>

#include <string>

#include "engine/render/vertex_batch.h"
#include "framework/objects/particle_store.h"
#include "objects/enemy_tuning.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

class MagicWidgetWeatherTest : public test::ScreenTest {
protected:
    ~MagicWidgetWeatherTest() override { EnemyTuningValues() = {}; }

    size_t Sources(const std::string& emitter)
    {
        ParticleStore& store = middle_.GetWeather();
        if (emitter == "rain") return store.rain.Sources().size();
        if (emitter == "snow") return store.snow.Sources().size();
        if (emitter == "shine") return store.shine.Sources().size();
        return 0;
    }
};

TEST_F(MagicWidgetWeatherTest, EachWeatherColoursTheSceneAndAddsItsEmitter)
{
    const struct {
        const char* name;
        uint32_t color;
        const char* emitter;
    } cases[] = {{"snow", 0xFFFFFFFFu, "snow"}, {"rain", 0xFFC8C8C8u, "rain"}, {"shine", 0xFFFFFFDCu, "shine"},
                 {"night", 0xFF6060C0u, ""},     {"fog", 0xFFFFFFFFu, ""}};
    for (const auto& entry : cases) {
        test::TestMagicWidget screen;
        middle_.GetWeather().Clear();
        screen.SetSceneColor(0xFF000000u);
        screen.SetWeather(entry.name);
        EXPECT_EQ(screen.GetSceneColor(), entry.color) << entry.name;
        for (const char* emitter : {"rain", "snow", "shine"})
            EXPECT_EQ(Sources(emitter), std::string(emitter) == entry.emitter ? 1u : 0u) << entry.name << " " << emitter;
        EXPECT_EQ(screen.night, std::string(entry.name) == "night") << entry.name;
    }
}

TEST_F(MagicWidgetWeatherTest, RainLoopsOnceUntilClearingAndNightIsAtFullStrengthAtOnce)
{
    test::TestMagicWidget screen;
    screen.SetWeather("rain");
    vrk::cSound* rain = screen.GetRainSound();
    ASSERT_NE(rain, nullptr);
    screen.SetWeather("rain");
    EXPECT_EQ(screen.GetRainSound(), rain);
    screen.ClearLevel();
    EXPECT_EQ(screen.GetRainSound(), nullptr);

    screen.SetWeather("night");
    EXPECT_TRUE(screen.night);
    EXPECT_EQ(screen.nightStrength.current, 1.0f);
    EXPECT_EQ(screen.nightStrength.duration, 0.0f);
    // Clearing fades the night out from where it stands.
    screen.ClearLevel();
    EXPECT_FALSE(screen.night);
    EXPECT_EQ(screen.nightStrength.target, 0.0f);
    EXPECT_EQ(screen.nightCount, -1);
}

TEST_F(MagicWidgetWeatherTest, ALevelAfterANightKeepsTheWeatherItsSetUpGives)
{
    // Rain "001", night "027" and plain-weather "006", each entered after a level
    // that ended at night.
    const struct {
        const char* level;
        uint32_t color;
        float nightStrength;
    } cases[] = {{"001", 0xFFC8C8C8u, 0.0f}, {"027", 0xFF6060C0u, 1.0f}, {"006", 0xFFFFFFFFu, 0.0f}};
    for (const auto& entry : cases) {
        test::TestMagicWidget screen;
        screen.SetNight(true);
        screen.tint.Set(cMagicWidget::kNightTint);
        screen.nightStrength.current = 1.0f;
        screen.ClearLevel();
        screen.InitLevel(entry.level);
        for (int tick = 0; tick < 30 * 6; ++tick) screen.TickPlay();
        EXPECT_EQ(screen.GetSceneColor(), entry.color) << entry.level;
        EXPECT_EQ(screen.nightStrength.current, entry.nightStrength) << entry.level;
        EXPECT_EQ(screen.night, entry.nightStrength > 0.0f) << entry.level;
    }
}

TEST_F(MagicWidgetWeatherTest, EnemyTuningIsResetAndDayNightLengthsStored)
{
    test::TestMagicWidget screen;
    EnemyTuningValues() = {0.04f, 1.2f, 0.15f};
    screen.ResetEnemyTuning();
    EXPECT_EQ(EnemyTuningValues().goblinWorkRate, 0.2f);
    EXPECT_EQ(EnemyTuningValues().banditSpeedFactor, 1.0f);
    EXPECT_EQ(EnemyTuningValues().tankGunSpeedFactor, 1.0f);

    screen.SetDayNightLengths(120.0f, 60.0f);
    EXPECT_EQ(screen.dayLength, 120.0f);
    EXPECT_EQ(screen.nightLength, 60.0f);
    screen.ClearLevel();
    EXPECT_EQ(screen.nightLength, 0.0f);
}

TEST_F(MagicWidgetWeatherTest, LightsAreDrawnAfterLayerEightWithTheNightStrength)
{
    test::RegisterTestTexture("light_fire");
    test::TestMagicWidget screen;
    screen.lightList.Add("light_fire", vec2(100.0f, 100.0f), 20.0f, 0xFFFFFFu);
    screen.nightStrength.current = 0.5f;
    vrk::VertexBatch other;
    const size_t untouched = other.vertices.size();
    for (int32_t layer : {6, 9}) screen.OnDrawLayer(other, layer);
    EXPECT_EQ(other.UsedVertices(), 0u);
    EXPECT_TRUE(other.vertices.size() == untouched && (untouched == 0 || other.vertices[0].color == 0u));

    vrk::VertexBatch batch;
    screen.OnDrawLayer(batch, cMagicWidget::kLightLayer);
    ASSERT_FALSE(batch.vertices.empty());
    // A light at rest glows 2 % over its colour.
    EXPECT_EQ(batch.vertices[0].color & 0xFFu, static_cast<uint32_t>(1.02f * 0.5f * 255.0f));
}

}  // namespace
