// Benchmark: a file texture in use applied once a frame without a drawing device, as
// the headless game and its tests apply every texture of a screen; the game's own
// 1024 x 1024 worker sheet. The decoded picture is kept, so a call costs next to
// nothing after the first.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/render/render.h"
#include "engine/render/texture.h"

namespace {

void BM_ApplyWithoutDevice(benchmark::State& state)
{
    vrk::DestroyRender();
    const std::string file = std::string(KELVARA_SOURCE_DIR) + "/data/texture/objects/workers.png";
    auto texture = vrk::CreateTextureFromFile("workers", vrk::PathRecord(file));
    texture->inUse = true;
    for (auto _ : state) {
        texture->Apply();
        benchmark::DoNotOptimize(texture->image.get());
    }
    if (texture->image == nullptr) state.SkipWithError("the picture did not load");
    vrk::GetTextureMap().clear();
}
BENCHMARK(BM_ApplyWithoutDevice)->Unit(benchmark::kMicrosecond);

}  // namespace
