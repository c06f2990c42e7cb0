// ProfileReader: bounded reads in the byte stream's encoding.
#include "framework/app/profile_reader.h"

#include <utf8.h>

#include <cstring>

namespace {

constexpr int kBitsPerByte = 8;
constexpr int kInt32Bytes = 4;

}  // namespace

uint8_t ProfileReader::ReadByte()
{
    if (cursor_ >= bytes_.size()) return 0;
    return bytes_[cursor_++];
}

uint32_t ProfileReader::ReadInt32()
{
    uint32_t value = 0;
    for (int i = 0; i < kInt32Bytes; ++i) value |= static_cast<uint32_t>(ReadByte()) << (kBitsPerByte * i);
    return value;
}

float ProfileReader::ReadFloat()
{
    const uint32_t bits = ReadInt32();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool ProfileReader::ReadString(std::string& text)
{
    text.clear();
    const uint8_t low = ReadByte();
    const uint8_t high = ReadByte();
    const int16_t length = static_cast<int16_t>(static_cast<uint16_t>(low | (high << kBitsPerByte)));
    if (length < 1) return true;
    if (static_cast<size_t>(length) > Remaining()) return false;
    const auto* first = reinterpret_cast<const char*>(bytes_.data() + cursor_);
    cursor_ += static_cast<size_t>(length);
    const std::string raw(first, static_cast<size_t>(length));
    try {
        text = utf8::replace_invalid(raw);
    } catch (...) {
        // replace_invalid only throws on allocation failure; keep nothing rather than bad text.
        text.clear();
    }
    return true;
}

bool ProfileReader::ReadCount(uint32_t& count, size_t elementBytes)
{
    count = ReadInt32();
    if (elementBytes == 0 || count <= Remaining() / elementBytes) return true;
    count = 0;
    return false;
}
