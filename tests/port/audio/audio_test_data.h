// Sound data the audio tests make for themselves: sine and ramp signals written
// through libsndfile into memory, and a small four-channel tracker module built
// byte by byte.
#pragma once
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <numbers>
#include <vector>

namespace audio_test {

using Bytes = std::vector<uint8_t>;

// A growable memory file for libsndfile's writer.
struct MemoryFile {
    Bytes bytes;
    sf_count_t position = 0;

    static MemoryFile& Of(void* user) { return *static_cast<MemoryFile*>(user); }
    static sf_count_t Length(void* user) { return static_cast<sf_count_t>(Of(user).bytes.size()); }
    static sf_count_t Seek(sf_count_t offset, int whence, void* user)
    {
        auto& file = Of(user);
        const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? file.position : Length(user);
        file.position = base + offset;
        return file.position;
    }
    static sf_count_t Read(void* ptr, sf_count_t count, void* user)
    {
        auto& file = Of(user);
        const sf_count_t available = std::max<sf_count_t>(0, Length(user) - file.position);
        const sf_count_t n = std::min(count, available);
        std::memcpy(ptr, file.bytes.data() + file.position, static_cast<size_t>(n));
        file.position += n;
        return n;
    }
    static sf_count_t Write(const void* ptr, sf_count_t count, void* user)
    {
        auto& file = Of(user);
        const auto end = static_cast<size_t>(file.position + count);
        if (file.bytes.size() < end)
            file.bytes.resize(end);
        std::memcpy(file.bytes.data() + file.position, ptr, static_cast<size_t>(count));
        file.position += count;
        return count;
    }
    static sf_count_t Tell(void* user) { return Of(user).position; }
};

// Writes `frames` frames of `channels` channels, every channel carrying signal(i),
// as a sound file of the given libsndfile format. Empty when libsndfile cannot.
inline Bytes WriteSound(int format, int rate, int channels, size_t frames, const std::function<float(size_t)>& signal)
{
    MemoryFile file;
    SF_VIRTUAL_IO io{MemoryFile::Length, MemoryFile::Seek, MemoryFile::Read, MemoryFile::Write, MemoryFile::Tell};
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* sound = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sound)
        return {};
    std::vector<float> data(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            data[i * static_cast<size_t>(channels) + static_cast<size_t>(c)] = signal(i);
    const sf_count_t written = sf_writef_float(sound, data.data(), static_cast<sf_count_t>(frames));
    sf_close(sound);
    if (written != static_cast<sf_count_t>(frames))
        return {};
    return file.bytes;
}

inline constexpr float kSineFrequency = 441.0f;

inline std::function<float(size_t)> Sine(int rate, float amplitude)
{
    return [rate, amplitude](size_t i) {
        return amplitude * std::sin(2.0f * std::numbers::pi_v<float> * kSineFrequency * static_cast<float>(i) / rate);
    };
}

// A signal whose value tells the frame it came from: frame i is i / frames.
inline std::function<float(size_t)> Ramp(size_t frames)
{
    return [frames](size_t i) { return static_cast<float>(i) / static_cast<float>(frames); };
}

inline Bytes SineWav(int rate, int channels, size_t frames, float amplitude = 0.5f)
{
    return WriteSound(SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, channels, frames, Sine(rate, amplitude));
}

inline Bytes SineOgg(int rate, int channels, size_t frames, float amplitude = 0.5f)
{
    return WriteSound(SF_FORMAT_OGG | SF_FORMAT_VORBIS, rate, channels, frames, Sine(rate, amplitude));
}

inline Bytes RampWav(size_t frames)
{
    return WriteSound(SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 1, frames, Ramp(frames));
}

// A four-channel module with `orders` orders, each playing its own pattern, at
// speed 1 (one row per 20 ms) so that a pattern lasts 1.28 s. Channel 1 plays a
// looped square-wave instrument from the first row of every pattern.
inline Bytes TinyModule(int orders = 3)
{
    constexpr size_t kTitle = 20, kSampleHeader = 30, kSamples = 31, kOrderTable = 128;
    constexpr size_t kRows = 64, kChannels = 4, kNoteBytes = 4;
    constexpr size_t kSampleWords = 16;
    Bytes bytes(kTitle, 0);
    std::memcpy(bytes.data(), "test tune", 9);
    for (size_t s = 0; s < kSamples; ++s) {
        Bytes header(kSampleHeader, 0);
        if (s == 0) {
            std::memcpy(header.data(), "square", 6);
            header[22] = 0;
            header[23] = kSampleWords;  // length in words, big-endian
            header[25] = 64;            // volume
            header[26] = 0;
            header[27] = 0;             // loop start
            header[28] = 0;
            header[29] = kSampleWords;  // loop length
        }
        bytes.insert(bytes.end(), header.begin(), header.end());
    }
    bytes.push_back(static_cast<uint8_t>(orders));
    bytes.push_back(127);
    for (size_t o = 0; o < kOrderTable; ++o)
        bytes.push_back(o < static_cast<size_t>(orders) ? static_cast<uint8_t>(o) : 0);
    for (char c : {'M', '.', 'K', '.'})
        bytes.push_back(static_cast<uint8_t>(c));
    constexpr uint16_t kPeriod = 428;
    for (int p = 0; p < orders; ++p) {
        Bytes pattern(kRows * kChannels * kNoteBytes, 0);
        pattern[0] = static_cast<uint8_t>(kPeriod >> 8);  // sample 1: high nibble 0
        pattern[1] = static_cast<uint8_t>(kPeriod & 0xFF);
        pattern[2] = 0x10;  // sample 1, no effect
        pattern[4 + 2] = 0x0F;  // channel 2: set speed
        pattern[4 + 3] = 0x01;
        bytes.insert(bytes.end(), pattern.begin(), pattern.end());
    }
    for (size_t i = 0; i < kSampleWords * 2; ++i)
        bytes.push_back(i < kSampleWords ? 0x60 : 0xA0);
    return bytes;
}

}  // namespace audio_test
