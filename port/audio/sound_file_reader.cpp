// libsndfile over a memory block: virtual I/O callbacks and channel layout folding.
#include "port/audio/sound_file_reader.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace port {

namespace {

// Files outside these bounds are refused before any frame is read.
constexpr int32_t kMaxFileChannels = 256;
constexpr int32_t kMaxFileRate = 768000;

SoundFileReader::Cursor& CursorOf(void* user) { return *static_cast<SoundFileReader::Cursor*>(user); }

sf_count_t MemoryLength(void* user)
{
    return static_cast<sf_count_t>(CursorOf(user).bytes->size());
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user)
{
    auto& cursor = CursorOf(user);
    const auto size = static_cast<sf_count_t>(cursor.bytes->size());
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = cursor.offset;
    else if (whence == SEEK_END)
        base = size;
    const sf_count_t target = base + offset;
    if (target < 0 || target > size)
        return -1;
    cursor.offset = target;
    return cursor.offset;
}

sf_count_t MemoryRead(void* ptr, sf_count_t count, void* user)
{
    auto& cursor = CursorOf(user);
    const auto size = static_cast<sf_count_t>(cursor.bytes->size());
    if (count <= 0 || cursor.offset >= size)
        return 0;
    const sf_count_t n = std::min(count, size - cursor.offset);
    std::memcpy(ptr, cursor.bytes->data() + cursor.offset, static_cast<size_t>(n));
    cursor.offset += n;
    return n;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t MemoryTell(void* user) { return CursorOf(user).offset; }

SF_VIRTUAL_IO MemoryIo()
{
    SF_VIRTUAL_IO io{};
    io.get_filelen = MemoryLength;
    io.seek = MemorySeek;
    io.read = MemoryRead;
    io.write = MemoryWrite;
    io.tell = MemoryTell;
    return io;
}

}  // namespace

std::unique_ptr<SoundFileReader> SoundFileReader::Open(AudioBytes bytes)
{
    if (!bytes || bytes->empty())
        return nullptr;
    std::unique_ptr<SoundFileReader> reader(new SoundFileReader());
    reader->cursor_.bytes = std::move(bytes);
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &reader->cursor_);
    if (!file)
        return nullptr;
    reader->file_ = file;
    if (info.channels < 1 || info.channels > kMaxFileChannels || info.samplerate < 1 ||
        info.samplerate > kMaxFileRate)
        return nullptr;
    reader->rate_ = info.samplerate;
    reader->channels_ = info.channels;
    return reader;
}

SoundFileReader::~SoundFileReader()
{
    if (file_)
        sf_close(static_cast<SNDFILE*>(file_));
}

size_t SoundFileReader::ReadStereo(float* out, size_t frames)
{
    auto* file = static_cast<SNDFILE*>(file_);
    const auto channels = static_cast<size_t>(channels_);
    if (channels == 2)
        return static_cast<size_t>(std::max<sf_count_t>(sf_readf_float(file, out, static_cast<sf_count_t>(frames)), 0));
    interleaved_.resize(frames * channels);
    const auto got = static_cast<size_t>(
        std::max<sf_count_t>(sf_readf_float(file, interleaved_.data(), static_cast<sf_count_t>(frames)), 0));
    for (size_t i = 0; i < got; ++i) {
        const float left = interleaved_[i * channels];
        out[i * 2] = left;
        out[i * 2 + 1] = channels == 1 ? left : interleaved_[i * channels + 1];
    }
    return got;
}

bool SoundFileReader::Rewind()
{
    return sf_seek(static_cast<SNDFILE*>(file_), 0, SEEK_SET) == 0;
}

}  // namespace port
