// A tracker module rendered by libopenmpt, with order/row positioning.
#pragma once
#include <cstdint>
#include <memory>

#include "port/audio/audio_types.h"
#include "port/audio/sound_source.h"

namespace openmpt {
class module;
}

namespace port {

class ModuleSource final : public SoundSource {
public:
    // Null when libopenmpt does not open the data.
    static std::unique_ptr<ModuleSource> Open(const void* data, size_t size);
    ~ModuleSource() override;

    size_t Read(float* out, size_t frames) override;
    bool Rewind() override;
    bool LoopsItself() const override { return true; }
    void SetLooping(bool looping) override;

    ModulePosition Position() const;
    // False when the order is outside the order list or the row outside its pattern.
    bool SetPosition(ModulePosition position);
    int32_t OrderCount() const;

private:
    explicit ModuleSource(std::unique_ptr<openmpt::module> module);

    std::unique_ptr<openmpt::module> module_;
};

}  // namespace port
