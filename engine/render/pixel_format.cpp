// The pixel format table and the level byte sizes.
#include "engine/render/pixel_format.h"

#include <algorithm>

namespace vrk {

namespace {

const PixelFormatDesc kFormatTable[kPixelFormatCount] = {
    {kFormatUnknown, 0, 0, 0},     {kFormatL8, 0, 1, 0},          {kFormatL8A8, 0, 2, 1},
    {kFormatR5G6B5, 0, 3, 0},      {kFormatR8G8B8, 0, 3, 0},      {kFormatR4G4B4A4, 0, 4, 1},
    {kFormatR8G8B8X8, 0, 4, 0},    {kFormatR8G8B8A8, 0, 4, 1},    {kFormatDXT1, 1, 3, 0},
    {kFormatDXT3, 1, 4, 1},        {kFormatDXT5, 1, 4, 1},        {kFormatPVRTC2_RGB, 1, 3, 0},
    {kFormatPVRTC2_RGBA, 1, 4, 1}, {kFormatPVRTC4_RGB, 1, 3, 0},  {kFormatPVRTC4_RGBA, 1, 4, 1},
};

const char* const kFormatNames[kPixelFormatCount] = {
    "?",        "L8",   "L8A8", "R5G6B5", "R8G8B8",     "R4G4B4A4",    "R8G8B8X8",   "R8G8B8A8",
    "DXT1",     "DXT3", "DXT5", "PVRTC2_RGB", "PVRTC2_RGBA", "PVRTC4_RGB", "PVRTC4_RGBA",
};

// DXT codes 4 x 4 blocks: a level is never smaller than one block.
constexpr std::size_t kDxtMinSide = 4;
constexpr std::size_t kDxtBlockPixels = 16;
constexpr std::size_t kDxt1BlockBytes = 8;
// PVRTC levels are never smaller than 8 x 8 pixels.
constexpr std::size_t kPvrtcMinSide = 8;
constexpr std::size_t kBitsPerByte = 8;
constexpr std::size_t kPvrtc2Bits = 2;
constexpr std::size_t kPvrtc4Bits = 4;

}  // namespace

const PixelFormatDesc& GetPixelFormatDesc(uint32_t format)
{
    return kFormatTable[format < kPixelFormatCount ? format : kFormatUnknown];
}

const char* PixelFormatName(uint32_t format)
{
    return kFormatNames[format < kPixelFormatCount ? format : kFormatUnknown];
}

std::size_t ImageByteSize(uint32_t width, uint32_t height, uint32_t format)
{
    const std::size_t w = width;
    const std::size_t h = height;
    const std::size_t dxtArea = std::max(w, kDxtMinSide) * std::max(h, kDxtMinSide);
    const std::size_t pvrArea = std::max(w, kPvrtcMinSide) * std::max(h, kPvrtcMinSide);
    switch (format) {
    case kFormatL8:
        return w * h;
    case kFormatL8A8:
    case kFormatR5G6B5:
    case kFormatR4G4B4A4:
        return 2 * w * h;
    case kFormatR8G8B8:
        return 3 * w * h;
    case kFormatR8G8B8X8:
    case kFormatR8G8B8A8:
        return 4 * w * h;
    case kFormatDXT1:
        return dxtArea / kDxtBlockPixels * kDxt1BlockBytes;
    case kFormatDXT3:
    case kFormatDXT5:
        return dxtArea;
    case kFormatPVRTC2_RGB:
    case kFormatPVRTC2_RGBA:
        return pvrArea * kPvrtc2Bits / kBitsPerByte;
    case kFormatPVRTC4_RGB:
    case kFormatPVRTC4_RGBA:
        return pvrArea * kPvrtc4Bits / kBitsPerByte;
    default:
        return 0;
    }
}

uint32_t MaxMipLevels(uint32_t width, uint32_t height)
{
    uint32_t side = std::max(width, height);
    uint32_t levels = 1;
    while (side > 1) {
        side >>= 1;
        ++levels;
    }
    return levels;
}

}  // namespace vrk
