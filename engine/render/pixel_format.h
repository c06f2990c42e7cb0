// The fixed table of pixel formats a decoded image or a device texture can hold:
// ids, names for the texture dump, and the byte size of one mipmap level.
#pragma once
#include <cstddef>
#include <cstdint>

namespace vrk {

// Format ids. Their values are the table indexes and are kept in texture dumps.
enum PixelFormatId : uint32_t {
    kFormatUnknown = 0,
    kFormatL8 = 1,
    kFormatL8A8 = 2,
    kFormatR5G6B5 = 3,
    kFormatR8G8B8 = 4,
    kFormatR4G4B4A4 = 5,
    kFormatR8G8B8X8 = 6,
    kFormatR8G8B8A8 = 7,
    kFormatDXT1 = 8,
    kFormatDXT3 = 9,
    kFormatDXT5 = 10,
    kFormatPVRTC2_RGB = 11,
    kFormatPVRTC2_RGBA = 12,
    kFormatPVRTC4_RGB = 13,
    kFormatPVRTC4_RGBA = 14,
};

constexpr uint32_t kPixelFormatCount = 15;

struct PixelFormatDesc {
    uint32_t id = kFormatUnknown;
    uint32_t compressed = 0;  // 1 for block-compressed formats
    // Channels per pixel; for the uncompressed 8-bit-per-channel formats it is also
    // the byte step from one pixel to the next.
    uint32_t components = 0;
    uint32_t alpha = 0;  // 1 when the format carries alpha
};

// The table entry of a format; ids outside the table give entry 0.
const PixelFormatDesc& GetPixelFormatDesc(uint32_t format);
// "L8", "R8G8B8A8", "DXT5", ...; "?" for format 0 and unknown ids.
const char* PixelFormatName(uint32_t format);

// Bytes of one level of width x height pixels. 64-bit so that no size a caller
// can pass overflows.
std::size_t ImageByteSize(uint32_t width, uint32_t height, uint32_t format);

// 1 + how often the longer side can be halved before it reaches 1 (256 x 64 -> 9).
uint32_t MaxMipLevels(uint32_t width, uint32_t height);

}  // namespace vrk
