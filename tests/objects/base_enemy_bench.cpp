// Benchmark: the level tick with enemy camps that a level text could make costly:
// thousands of idle camps, tens of thousands of camps whose walker type is at its
// maximum, and camps asking for a walker every tick without bound (their goblins
// find nothing to steal and vanish, so removals pile up too).
#include <benchmark/benchmark.h>

#include <string>

#include "objects/base_enemy.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr uint32_t kSeed = 4242u;

void RegisterGoblinSprites()
{
    for (const char* base : {"goblin_walk", "goblin_bag", "goblin_fear", "goblin_protect", "goblin_pick"}) {
        for (char digit = '0'; digit <= '3'; ++digit) {
            test::RegisterTestSprite(std::string(base) + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
        }
    }
}

void AddCamps(test::TestLevelScreen& level, int count, const std::string& text)
{
    for (int i = 0; i < count; ++i) {
        auto* camp = dynamic_cast<cBaseEnemy*>(level.CreateObject(kTypeBaseEnemy, 0));
        if (camp == nullptr) return;
        camp->SetPositionV(level.CellToPoint({2 + i % 18, 2 + (i / 18) % 12}));
        camp->SetText(text);
        camp->SetSprite("goblin_money");
    }
}

// A stand-in level with the goblins' pictures, its generator seeded.
struct CampLevel {
    CampLevel()
    {
        app.random.seed = kSeed;
        RegisterGoblinSprites();
    }
    test::RegistryCleaner cleaner;
    test::FakeAppServices app;
    test::TestLevelScreen level;
};

void IdleCamps(benchmark::State& state)
{
    CampLevel camps;
    test::TestLevelScreen& level = camps.level;
    // No ";": no maximum, so nothing to release.
    AddCamps(level, static_cast<int>(state.range(0)), "30");
    level.Tick();
    for (auto _ : state) level.Tick();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(IdleCamps)->Arg(4000)->Unit(benchmark::kMicrosecond);

void FullCamps(benchmark::State& state)
{
    CampLevel camps;
    test::TestLevelScreen& level = camps.level;
    // One goblin at most, wanted every second: after the first release every camp
    // finds the level full at each of its intervals.
    AddCamps(level, static_cast<int>(state.range(0)), "1;1");
    // Two seconds of play: every camp's first interval has run out.
    for (int tick = 0; tick < 2 * 30; ++tick) level.Tick();
    for (auto _ : state) level.Tick();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(FullCamps)->Arg(20000)->Unit(benchmark::kMillisecond);

void CampFlood(benchmark::State& state)
{
    CampLevel camps;
    test::TestLevelScreen& level = camps.level;
    AddCamps(level, 10, "0;2147483647");
    // Four minutes of play before the measured ticks.
    for (int tick = 0; tick < 4 * 60 * 30; ++tick) level.Tick();
    for (auto _ : state) level.Tick();
    state.counters["removed"] = static_cast<double>(level.GetRemovedObjects().size());
}
BENCHMARK(CampFlood)->Unit(benchmark::kMicrosecond);

}  // namespace
