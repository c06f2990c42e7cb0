// Benchmarks of the game as the bot plays it, headless on the real data tree:
// - BM_BusiestLevelTick and BM_BusiestLevelDraw: the play level with the most
//   objects (the tool-built "002" while no play level is built), forced to night
//   with rain, after the bot has played it for a minute of game time; the CPU time
//   of one tick (GUI and level update) and, apart, of one frame's drawing into the
//   recording device, with the draw calls and texture changes of that frame;
// - BM_BotPlaysLevel: the bot's whole run of level "000" (or the tool-built "002"),
//   reported as game seconds per CPU second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/render/render.h"
#include "port/gpu/null_gpu_system.h"
#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr uint32_t kLevelCount = 40;
constexpr uint32_t kFallbackIndex = 2;
constexpr const char* kFallbackLevel = KELVARA_SOURCE_DIR "/tests/data/levels/level_002_test.lvl";
constexpr int kWarmUpTicks = 60 * 30;
constexpr int kOrderTicks = 30 * 30;

bool PlayLevelExists(uint32_t index)
{
    char name[32];
    std::snprintf(name, sizeof name, "/data/level/level%03u.lvl", index);
    return std::filesystem::exists(std::string(KELVARA_SOURCE_DIR) + name);
}

// The bot's fixture outside a test: started and stopped by the benchmark.
class BenchGame : public test::BotLevelRun {
public:
    // With a device, the game draws into the recording device from its start, so
    // its textures are made on that device as they load.
    explicit BenchGame(bool withDevice = false)
    {
        SetUp();
        if (withDevice) AttachDevice();
        StartBotGame();
        if (!PlayLevelExists(kFallbackIndex)) {
            app->GetLevelFiles().GetLevelStream(kFallbackIndex)->LoadFromFile(kFallbackLevel);
        }
    }
    ~BenchGame() override
    {
        TearDown();
        device_.reset();
    }
    void TestBody() override {}

    using BotLevelRun::EnterLevel;
    using BotLevelRun::PlayLevel;
    using BotLevelRun::Tick;
    cMagicWidget& Level() { return *level_; }
    vrk::cGame& Game() { return *game; }
    port::NullGpuRecorder& Recorder() { return system_.Recorder(); }

    // The level with the most objects on its screen once entered.
    uint32_t BusiestLevel()
    {
        uint32_t busiest = kFallbackIndex;
        size_t most = 0;
        for (uint32_t index = 0; index < kLevelCount; ++index) {
            if (!PlayLevelExists(index) || !EnterLevel(index, 1)) continue;
            size_t count = 0;
            for (const ObjectList& list : level_->GetLayers()) count += list.size();
            if (count > most) {
                most = count;
                busiest = index;
            }
        }
        return busiest;
    }

    // A minute of play, the bot giving orders for its first part only (so that
    // the level is still on), then night and rain.
    void WarmUp(uint32_t index)
    {
        EnterLevel(index, 1);
        PassTalk();
        test::LevelBot bot(*level_, [this](cObject* target, int32_t part) { return ClickObject(target, part); });
        for (int tick = 0; tick < kWarmUpTicks && !level_->IsPaused(); ++tick) {
            if (tick < kOrderTicks && tick % kDecisionTicks == 0) bot.Decide();
            Tick();
        }
        level_->SetNight(true);
        level_->SetWeather("rain");
    }

private:
    void AttachDevice()
    {
        port::PresentParameters params;
        params.windowed = 1;
        if (system_.CreateDevice(port::kCreateHardwareVertexProcessing, params, device_) != port::kGpuOk) return;
        vrk::cRender* render = vrk::GetRender();
        render->CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
        render->SetHardwareDefaults();
    }

    port::NullGpuSystem system_;
    std::unique_ptr<port::GpuDevice> device_;
};

void BM_BusiestLevelTick(benchmark::State& state)
{
    BenchGame bench;
    const uint32_t busiest = bench.BusiestLevel();
    bench.WarmUp(busiest);
    for (auto _ : state) bench.Tick();
    state.counters["level"] = busiest;
    state.counters["paused"] = bench.Level().IsPaused() ? 1 : 0;
    size_t objects = 0;
    for (const ObjectList& list : bench.Level().GetLayers()) objects += list.size();
    state.counters["objects"] = static_cast<double>(objects);
}
BENCHMARK(BM_BusiestLevelTick)->Unit(benchmark::kMicrosecond);

void BM_BusiestLevelDraw(benchmark::State& state)
{
    BenchGame bench(true);
    bench.WarmUp(bench.BusiestLevel());
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr || render->GetDevice() == nullptr) {
        state.SkipWithError("no recording device");
        return;
    }
    size_t textureChanges = 0;
    for (auto _ : state) {
        bench.Game().DrawFrame();
        state.PauseTiming();
        textureChanges = 0;
        uint32_t texture = ~0u;
        for (const port::NullDraw& draw : bench.Recorder().draws) {
            if (draw.textureId != texture) ++textureChanges;
            texture = draw.textureId;
        }
        // The recorder's own copies are not the game's cost.
        bench.Recorder().calls.clear();
        bench.Recorder().draws.clear();
        state.ResumeTiming();
    }
    state.counters["draw_calls"] = render->lastDrawCallCount;
    state.counters["texture_changes"] = static_cast<double>(textureChanges);
}
BENCHMARK(BM_BusiestLevelDraw)->Unit(benchmark::kMicrosecond);

void BM_BotPlaysLevel(benchmark::State& state)
{
    const uint32_t index = PlayLevelExists(0) ? 0 : kFallbackIndex;
    double gameSeconds = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<BenchGame>();
        state.ResumeTiming();
        const test::LevelResult result = bench->PlayLevel(index, 1);
        state.PauseTiming();
        if (!result.won) state.SkipWithError(("the bot lost: " + result.end).c_str());
        gameSeconds += result.levelTime;
        bench.reset();
        state.ResumeTiming();
    }
    state.counters["game_s_per_cpu_s"] = benchmark::Counter(gameSeconds, benchmark::Counter::kIsRate);
    state.counters["level"] = index;
}
BENCHMARK(BM_BotPlaysLevel)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
