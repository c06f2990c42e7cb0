// How long a screen takes to load a level of 2,000 scenery objects.
#include <benchmark/benchmark.h>

#include "engine/files/byte_stream.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/level_file.h"

namespace {

constexpr int kObjectCount = 2000;

vrk::cByteStream MakeLevel()
{
    cLevelFile level;
    level.InitLevel("bench");
    for (int i = 0; i < kObjectCount; ++i) {
        cObject* object = level.CreateObject(i % 2 == 0 ? kTypeDecor : kTypeObject, 0);
        level.SetObjectLayer(object, i % 10);
        object->SetName("object" + std::to_string(i));
        object->SetPosition(static_cast<float>(i % 64) * 16.0f, static_cast<float>(i / 64) * 16.0f);
    }
    vrk::cByteStream stream;
    level.Save(stream);
    return stream;
}

void LoadLevel2000Objects(benchmark::State& state)
{
    vrk::cByteStream stream = MakeLevel();
    cBaseWidget widget("bench");
    for (auto _ : state) {
        benchmark::DoNotOptimize(widget.LoadLevel(stream, 0));
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}
BENCHMARK(LoadLevel2000Objects)->Unit(benchmark::kMillisecond);

}  // namespace
