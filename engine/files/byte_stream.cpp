// cByteStream: encoding, decoding and whole-file load and save.
#include "engine/files/byte_stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "engine/files/file_handle.h"
#include "engine/files/replacing_group.h"
#include "engine/log/log.h"

namespace vrk {
namespace {

constexpr int kLoaded = 0;
constexpr int kNotOpened = 2;
constexpr int kEmpty = 3;
constexpr int kTooLarge = 4;
constexpr int kBitsPerByte = 8;
constexpr uint32_t kLowByte = 0xFF;

bool IsUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

void cByteStream::WriteByte(uint8_t value) { bytes_.push_back(value); }

void cByteStream::WriteInt32(uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>((value >> (kBitsPerByte * i)) & kLowByte));
}

void cByteStream::WriteFloat(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteInt32(bits);
}

void cByteStream::WriteString(const std::string& value)
{
    size_t length = value.size();
    if (length > kMaxStringBytes) {
        // Back up to the first byte of the character that would be split.
        length = kMaxStringBytes;
        while (length > 0 && IsUtf8Continuation(static_cast<unsigned char>(value[length]))) --length;
        LogWrite("cByteStream", "^5", "String of %i bytes cut to %i bytes",
                 FormatArg::FromInt(static_cast<int32_t>(std::min<size_t>(value.size(), INT32_MAX))),
                 FormatArg::FromInt(static_cast<int32_t>(length)));
    }
    bytes_.push_back(static_cast<uint8_t>(length & kLowByte));
    bytes_.push_back(static_cast<uint8_t>((length >> kBitsPerByte) & kLowByte));
    bytes_.insert(bytes_.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length));
}

// The cursor is 32 bits wide: every file the reader takes must be addressable.
static_assert(kMaxFileBytes <= std::numeric_limits<uint32_t>::max());
// ... and every bound is logged as a 32-bit count.
static_assert(kMaxFileBytes <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max()));

uint8_t cByteStream::ReadNextByte()
{
    if (cursor_ >= bytes_.size()) return 0;
    return bytes_[cursor_++];
}

uint32_t cByteStream::ReadInt32()
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(ReadNextByte()) << (kBitsPerByte * i);
    return value;
}

void cByteStream::ReadFloat(float& value)
{
    const uint32_t bits = ReadInt32();
    std::memcpy(&value, &bits, sizeof value);
}

std::string cByteStream::ReadString()
{
    const uint8_t low = ReadNextByte();
    const uint8_t high = ReadNextByte();
    const int16_t length = static_cast<int16_t>(static_cast<uint16_t>(low | (high << kBitsPerByte)));
    std::string value;
    if (length < 1) return value;
    value.reserve(static_cast<size_t>(length));
    for (int16_t i = 0; i < length; ++i) value.push_back(static_cast<char>(ReadNextByte()));
    return value;
}

int cByteStream::LoadFromFile(const std::string& path) { return LoadFromFile(path, kMaxFileBytes); }

int cByteStream::LoadFromFile(const std::string& path, uint64_t maxBytes)
{
    maxBytes = std::min(maxBytes, kMaxFileBytes);
    FileHandlePtr handle;
    if (FileOpen(handle, PathRecord(path), "rb") != kFileOpened) return kNotOpened;
    const auto tooLarge = [&path, maxBytes] {
        LogWrite("cByteStream", "^5", "File %s is larger than %i bytes and is not read", FormatArg::FromString(path),
                 FormatArg::FromInt(static_cast<int32_t>(maxBytes)));
        return kTooLarge;
    };
    if (static_cast<uint64_t>(std::max<int64_t>(FileSize(handle.get()), 0)) > maxBytes) return tooLarge();
    std::vector<unsigned char> block;
    if (!FileReadAll(handle.get(), block, maxBytes)) {
        // Either the file grew after its size was looked at, or a read failed.
        const bool readFailed = handle->kind == FileHandle::kDisk && std::ferror(handle->stream) != 0;
        if (!readFailed) return tooLarge();
        LogWrite("cByteStream", "^5", "File %s could not be read", FormatArg::FromString(path));
        return kEmpty;
    }
    FileClose(handle);
    if (block.empty()) return kEmpty;
    bytes_ = std::move(block);
    cursor_ = 0;
    return kLoaded;
}

int cByteStream::SaveToFile(const std::string& path) const
{
    return WriteFileReplacing(path, bytes_.data(), bytes_.size());
}

}  // namespace vrk
