// cImage: level allocation and the in-place pixel operations.
#include "engine/render/image.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace vrk {

namespace {

constexpr std::size_t kRgbBytes = 3;
constexpr std::size_t kRgbxBytes = 4;
constexpr uint8_t kOpaque = 255;

bool IsRgbFamily(uint32_t format)
{
    return format == kFormatR8G8B8 || format == kFormatR8G8B8X8 || format == kFormatR8G8B8A8;
}

}  // namespace

cImage::cImage()
    : desc_(GetPixelFormatDesc(kFormatUnknown)), levelCount_(1), levels_(1)
{
}

cImage::cImage(uint32_t format, uint32_t width, uint32_t height, uint32_t levels)
{
    Create(format, width, height, levels);
}

cImage::cImage(cImage&& other) noexcept
{
    *this = std::move(other);
}

cImage& cImage::operator=(cImage&& other) noexcept
{
    if (this != &other) {
        desc_ = other.desc_;
        width_ = other.width_;
        height_ = other.height_;
        levelCount_ = other.levelCount_;
        levels_ = std::move(other.levels_);
        // A moved-from vector is empty: its level count must say so too.
        other.levels_.clear();
        other.levelCount_ = 0;
    }
    return *this;
}

bool cImage::Create(uint32_t format, uint32_t width, uint32_t height, uint32_t levels)
{
    FreeLevels();
    desc_ = GetPixelFormatDesc(format);
    width_ = width;
    height_ = height;
    if (width == 0 || height == 0)
        return true;
    const uint32_t count = levels < 1 ? 1 : std::min(levels, MaxMipLevels(width, height));
    try {
        std::vector<std::vector<uint8_t>> blocks(count);
        for (uint32_t i = 0; i < count; ++i)
            blocks[i].resize(ImageByteSize(std::max(width >> i, 1u), std::max(height >> i, 1u), desc_.id));
        levels_ = std::move(blocks);
        levelCount_ = count;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

void cImage::FreeLevels()
{
    levels_.clear();
    levels_.shrink_to_fit();
    levelCount_ = 0;
}

std::unique_ptr<cImage> cImage::Clone() const
{
    try {
        auto copy = std::make_unique<cImage>();
        copy->desc_ = desc_;
        copy->width_ = width_;
        copy->height_ = height_;
        copy->levels_ = levels_;
        copy->levelCount_ = levelCount_;
        return copy;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

uint32_t cImage::LevelWidth(uint32_t level) const
{
    return level < 32 ? std::max(width_ >> level, 1u) : 1u;
}

uint32_t cImage::LevelHeight(uint32_t level) const
{
    return level < 32 ? std::max(height_ >> level, 1u) : 1u;
}

std::size_t cImage::LevelByteSize(uint32_t level) const
{
    if (level >= levelCount_)
        return 0;
    return ImageByteSize(LevelWidth(level), LevelHeight(level), desc_.id);
}

uint8_t* cImage::LevelData(uint32_t level)
{
    return level < levelCount_ ? levels_[level].data() : nullptr;
}

const uint8_t* cImage::LevelData(uint32_t level) const
{
    return level < levelCount_ ? levels_[level].data() : nullptr;
}

bool cImage::SetLevelBytes(uint32_t level, std::vector<uint8_t>&& bytes)
{
    if (level >= levelCount_ || bytes.size() != LevelByteSize(level))
        return false;
    levels_[level] = std::move(bytes);
    return true;
}

void cImage::SwapRedBlue()
{
    if (!IsRgbFamily(desc_.id))
        return;
    // Every level, not only the top one: a mip chain must keep one byte order.
    const std::size_t step = desc_.components;
    for (auto& block : levels_) {
        for (std::size_t i = 0; i + step <= block.size(); i += step)
            std::swap(block[i], block[i + 2]);
    }
}

void cImage::ExpandToRGBX()
{
    if (desc_.id != kFormatR8G8B8)
        return;
    if (ExpandLevelsToFourBytes(nullptr, 0))
        desc_ = GetPixelFormatDesc(kFormatR8G8B8X8);
}

void cImage::ApplyAlpha(const cImage& mask)
{
    if (!IsRgbFamily(desc_.id) || levelCount_ == 0 || mask.levelCount_ == 0)
        return;
    if (width_ != mask.width_ || height_ != mask.height_)
        return;
    // The mask is read one pixel every `components` bytes; a packed or compressed
    // mask (whose block is smaller than that) cannot be read this way.
    const std::size_t pixels = std::size_t(width_) * height_;
    const std::size_t maskStep = mask.desc_.components;
    if (mask.desc_.compressed != 0 || maskStep == 0 || mask.levels_[0].size() < pixels * maskStep)
        return;
    const uint8_t* maskBytes = mask.levels_[0].data();

    if (desc_.id == kFormatR8G8B8) {
        if (ExpandLevelsToFourBytes(maskBytes, maskStep))
            desc_ = GetPixelFormatDesc(kFormatR8G8B8A8);
        return;
    }
    std::vector<uint8_t>& block = levels_[0];
    if (block.size() < pixels * kRgbxBytes)
        return;
    for (std::size_t k = 0; k < pixels; ++k)
        block[k * kRgbxBytes + 3] = maskBytes[k * maskStep];
    desc_ = GetPixelFormatDesc(kFormatR8G8B8A8);
}

bool cImage::ExpandLevelsToFourBytes(const uint8_t* alpha0, std::size_t alphaStep)
{
    // Every level is rebuilt: a level left at three bytes per pixel under a
    // four-byte format would be read past its end by the upload.
    try {
        std::vector<std::vector<uint8_t>> expanded(levelCount_);
        for (uint32_t level = 0; level < levelCount_; ++level) {
            const std::vector<uint8_t>& source = levels_[level];
            const std::size_t pixels = source.size() / kRgbBytes;
            std::vector<uint8_t>& target = expanded[level];
            target.resize(pixels * kRgbxBytes);
            const uint8_t* alpha = level == 0 ? alpha0 : nullptr;
            for (std::size_t k = 0; k < pixels; ++k) {
                std::copy_n(&source[k * kRgbBytes], kRgbBytes, &target[k * kRgbxBytes]);
                target[k * kRgbxBytes + 3] = alpha ? alpha[k * alphaStep] : kOpaque;
            }
        }
        levels_ = std::move(expanded);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace vrk
