// cAlphaMask: built from a decoded image's alpha bytes, read by texel or by texture
// coordinates.
#include "engine/render/alpha_mask.h"

#include <algorithm>
#include <cmath>

#include "engine/render/image.h"
#include "engine/render/pixel_format.h"

namespace vrk {

namespace {

constexpr uint32_t kTexelsPerByte = 4;
constexpr uint32_t kBitsPerTexel = 2;
constexpr uint8_t kCoverBits = 3;

TexelCover CoverOfAlpha(uint8_t alpha)
{
    if (alpha >= cAlphaMask::kSolidAlpha) return kCoverSolid;
    return alpha >= cAlphaMask::kFaintAlpha ? kCoverFaint : kCoverNone;
}

// The texel a coordinate falls on, after wrapping it into 0..1.
uint32_t TexelIndex(float coordinate, uint32_t size)
{
    const float wrapped = coordinate - std::floor(coordinate);
    const auto index = static_cast<uint32_t>(wrapped * static_cast<float>(size));
    return std::min(index, size - 1);
}

}  // namespace

cAlphaMask::cAlphaMask(uint32_t width, uint32_t height)
    : width_(width), height_(height),
      bits_((static_cast<size_t>(width) * height + kTexelsPerByte - 1) / kTexelsPerByte, 0)
{
}

std::unique_ptr<cAlphaMask> cAlphaMask::FromImage(const cImage& image)
{
    // Only the 8-bit layouts whose alpha is the last byte of a pixel are read.
    const uint32_t format = image.Format();
    if (format != kFormatL8A8 && format != kFormatR8G8B8A8) return nullptr;
    const uint32_t width = image.Width();
    const uint32_t height = image.Height();
    const uint8_t* pixels = image.LevelData(0);
    const size_t step = image.Desc().components;
    if (pixels == nullptr || width == 0 || height == 0 ||
        image.LevelByteSize(0) < static_cast<size_t>(width) * height * step) {
        return nullptr;
    }
    std::unique_ptr<cAlphaMask> mask(new cAlphaMask(width, height));
    bool allSolid = true;
    const uint8_t* alpha = pixels + step - 1;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x, alpha += step) {
            const TexelCover cover = CoverOfAlpha(*alpha);
            allSolid = allSolid && cover == kCoverSolid;
            mask->SetCover(x, y, cover);
        }
    }
    if (allSolid) return nullptr;
    return mask;
}

void cAlphaMask::SetCover(uint32_t x, uint32_t y, TexelCover cover)
{
    const size_t index = static_cast<size_t>(y) * width_ + x;
    const uint32_t shift = static_cast<uint32_t>(index % kTexelsPerByte) * kBitsPerTexel;
    uint8_t& byte = bits_[index / kTexelsPerByte];
    byte = static_cast<uint8_t>((byte & ~(kCoverBits << shift)) | (static_cast<uint32_t>(cover) << shift));
}

TexelCover cAlphaMask::CoverOfTexel(uint32_t x, uint32_t y) const
{
    if (x >= width_ || y >= height_) return kCoverNone;
    const size_t index = static_cast<size_t>(y) * width_ + x;
    const uint32_t shift = static_cast<uint32_t>(index % kTexelsPerByte) * kBitsPerTexel;
    return static_cast<TexelCover>((bits_[index / kTexelsPerByte] >> shift) & kCoverBits);
}

TexelCover cAlphaMask::CoverAt(float u, float v) const
{
    if (!std::isfinite(u) || !std::isfinite(v)) return kCoverNone;
    // The renderer turns v upside down: v = 0 is the bottom of the stored picture.
    const uint32_t x = TexelIndex(u, width_);
    const uint32_t row = height_ - 1 - TexelIndex(v, height_);
    return CoverOfTexel(x, row);
}

}  // namespace vrk
