// test::LevelFixture: what the fixtures of the walking figures' tests share: the
// log heard for sounds, the app services with a fixed seed, the sprite registry
// emptied afterwards, a stand-in level screen of the given kind, and helpers that
// run ticks.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/logger.h"
#include "tests/engine/log/log_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace test {

template <class Screen>
class LevelFixture : public ::testing::Test {
protected:
    static constexpr float kTick = cObject::kTickSeconds;

    void HearLog(uint32_t seed)
    {
        // Without a sound manager every sound played logs that its buffer is
        // missing: that is how the tests hear them.
        logger = std::make_unique<vrk::Logger>();
        logger->SetConsole(std::make_unique<RecordingConsole>(&lines));
        app.random.seed = seed;
    }
    void TearDown() override { logger.reset(); }

    // Ticks of the whole screen (updates and queued events).
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) level.Tick();
    }
    // Ticks until the condition holds; the number of ticks, or -1 after the limit.
    template <typename Condition>
    int TicksUntil(Condition condition, int limit = 10000)
    {
        for (int i = 1; i <= limit; ++i) {
            level.Tick();
            if (condition()) return i;
        }
        return -1;
    }
    int Sounds(const std::string& name) const
    {
        const std::string text = "sound buffer not found '" + name + "'";
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }

    TempAppPath appPath;
    std::vector<std::string> lines;
    std::unique_ptr<vrk::Logger> logger;
    FakeAppServices app;
    RegistryCleaner cleaner;
    Screen level;
};

}  // namespace test
