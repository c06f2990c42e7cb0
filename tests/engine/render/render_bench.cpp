// Benchmark: one frame of 10,000 sprites over 50 textures, written into the vertex
// batch and drawn through the renderer onto the recording device. Reports CPU time
// per frame, with the sprites grouped by texture and with a texture change per sprite.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "port/gpu/null_gpu_system.h"

namespace {

constexpr int kSprites = 10000;
constexpr int kTextures = 50;
constexpr float kVirtualWidth = 1024.0f;
constexpr float kVirtualHeight = 768.0f;

void BM_FillAndDrawSprites(benchmark::State& state)
{
    const bool groupedByTexture = state.range(0) != 0;
    port::NullGpuSystem system;
    port::PresentParameters params;
    params.windowed = 1;
    std::unique_ptr<port::GpuDevice> device;
    if (system.CreateDevice(port::kCreateHardwareVertexProcessing, params, device) != port::kGpuOk) {
        state.SkipWithError("no device");
        return;
    }
    vrk::cRender* render = vrk::CreateRender();
    render->CopyDevice(device.get(), device->GetPresentParameters(), nullptr);
    render->SetScreenRect(0, 0, 1024, 768);
    render->SetHardwareDefaults();

    std::vector<vrk::TexturePtr> textures;
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 64, 64, 1);
    for (int i = 0; i < kTextures; ++i) {
        textures.push_back(vrk::CreateTextureFromImage("bench" + std::to_string(i), &picture));
    }
    vrk::VertexBatch batch;
    for (auto _ : state) {
        render->ZeroFrameCounters();
        render->SetOrtho2D(true, kVirtualWidth, kVirtualHeight);
        render->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
        for (int i = 0; i < kSprites; ++i) {
            const int texture = groupedByTexture ? i / (kSprites / kTextures) : i % kTextures;
            const float x = static_cast<float>(i % 100) * 10.0f;
            const float y = static_cast<float>(i / 100) * 7.0f;
            vrk::cRender::AddQuad(batch, textures[static_cast<size_t>(texture)], 0, 0, 1, 1, x, y, 32, 32,
                                  0xFFFFFFFF);
        }
        render->DrawVertexBatch(batch);
        batch.Clear();
        render->KeepFrameCounters();
        state.PauseTiming();
        system.Recorder().Clear();  // the recorder's own copies are not the renderer's cost
        state.ResumeTiming();
    }
    state.counters["draw_calls"] = render->lastDrawCallCount;
    textures.clear();
    vrk::GetTextureMap().clear();
    vrk::DestroyRender();
}

BENCHMARK(BM_FillAndDrawSprites)->Arg(1)->Arg(0)->ArgName("grouped")->Unit(benchmark::kMicrosecond);

}  // namespace
