// Fuzz target: a sound file (WAV, OGG Vorbis, FLAC, MP3) decoded whole as a sample
// is, and read as a stream is: a few blocks, a rewind, one more block.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "port/audio/sample_playback.h"
#include "port/audio/sound_file_reader.h"

namespace {
constexpr size_t kStreamBlockFrames = 1024;
constexpr int kStreamBlocks = 4;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = std::make_shared<const std::vector<uint8_t>>(data, data + size);
    port::SampleInfo info;
    port::DecodeSample(bytes, info);

    auto stream = port::SoundFileReader::Open(bytes);
    if (!stream) return 0;
    std::vector<float> block(kStreamBlockFrames * 2);
    for (int i = 0; i < kStreamBlocks; ++i) {
        if (stream->ReadStereo(block.data(), kStreamBlockFrames) < kStreamBlockFrames) break;
    }
    if (stream->Rewind()) stream->ReadStereo(block.data(), kStreamBlockFrames);
    return 0;
}
