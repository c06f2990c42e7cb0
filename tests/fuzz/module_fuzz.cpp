// Fuzz target: a tracker module opened for music: rendered for a few blocks, moved
// to another order and rendered again.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "port/audio/module_source.h"

namespace {
constexpr size_t kBlockFrames = 1024;
constexpr int kBlocks = 4;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto module = port::ModuleSource::Open(data, size);
    if (!module) return 0;
    std::vector<float> block(kBlockFrames * 2);
    for (int i = 0; i < kBlocks; ++i) module->Read(block.data(), kBlockFrames);
    module->SetLooping(false);
    if (module->OrderCount() > 1 && module->SetPosition(port::ModulePosition{1, 0}))
        module->Read(block.data(), kBlockFrames);
    return 0;
}
