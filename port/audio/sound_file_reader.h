// Reads WAV, OGG Vorbis, FLAC and MP3 data from a memory block through libsndfile,
// delivering stereo float frames at the file's own rate.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace port {

using AudioBytes = std::shared_ptr<const std::vector<uint8_t>>;

class SoundFileReader {
public:
    // Null when libsndfile does not recognise the data. The reader keeps the bytes.
    static std::unique_ptr<SoundFileReader> Open(AudioBytes bytes);
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;

    int32_t Rate() const { return rate_; }
    int32_t Channels() const { return channels_; }
    // Reads up to `frames` frames as stereo (mono is doubled, channels past the
    // second are dropped); fewer than asked means the end of the data.
    size_t ReadStereo(float* out, size_t frames);
    bool Rewind();

    // Position inside the memory block; the libsndfile callbacks move it.
    struct Cursor {
        AudioBytes bytes;
        int64_t offset = 0;
    };

private:
    SoundFileReader() = default;

    Cursor cursor_;
    void* file_ = nullptr;  // the libsndfile handle, kept out of this header
    int32_t rate_ = 0;
    int32_t channels_ = 0;
    std::vector<float> interleaved_;
};

}  // namespace port
