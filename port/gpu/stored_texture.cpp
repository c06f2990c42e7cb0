// CPU copies of texture levels, locking and texture format arithmetic.
#include "port/gpu/stored_texture.h"

#include <algorithm>

namespace port {

namespace {

constexpr uint32_t kBlockSide = 4;
constexpr uint32_t kDxt1BlockBytes = 8;
constexpr uint32_t kDxt35BlockBytes = 16;
// Marks a level as locked in lockFlags_, beside the lock's own flags.
constexpr uint32_t kLocked = 0x80000000u;

uint32_t BlockBytes(GpuFormat format) {
    if (format == kFormatDXT1) return kDxt1BlockBytes;
    if (format == kFormatDXT3 || format == kFormatDXT5) return kDxt35BlockBytes;
    return 0;
}

uint32_t Blocks(uint32_t pixels) { return (std::max(pixels, 1u) + kBlockSide - 1) / kBlockSide; }

}  // namespace

uint32_t TextureBytesPerPixel(GpuFormat format) {
    switch (format) {
        case kFormatL8: return 1;
        case kFormatA8L8:
        case kFormatR5G6B5: return 2;
        case kFormatX8R8G8B8:
        case kFormatA8R8G8B8: return 4;
        default: return 0;
    }
}

bool IsCompressedFormat(GpuFormat format) { return BlockBytes(format) != 0; }

bool IsTextureFormat(GpuFormat format) {
    return TextureBytesPerPixel(format) != 0 || IsCompressedFormat(format);
}

uint32_t TextureRowPitch(uint32_t width, GpuFormat format) {
    if (IsCompressedFormat(format)) return Blocks(width) * BlockBytes(format);
    return std::max(width, 1u) * TextureBytesPerPixel(format);
}

uint32_t TextureRowCount(uint32_t height, GpuFormat format) {
    return IsCompressedFormat(format) ? Blocks(height) : std::max(height, 1u);
}

uint32_t FullMipChainLength(uint32_t width, uint32_t height) {
    uint32_t side = std::max(width, height);
    uint32_t levels = 1;
    while (side > 1) {
        side >>= 1;
        ++levels;
    }
    return levels;
}

StoredTexture::StoredTexture(TextureOwner* owner, uint32_t width, uint32_t height,
                             uint32_t levels, GpuFormat format)
    : owner_(owner), width_(std::max(width, 1u)), height_(std::max(height, 1u)), format_(format) {
    const uint32_t chain = FullMipChainLength(width_, height_);
    const uint32_t count = (levels == 0) ? chain : std::min(levels, chain);
    levels_.resize(count);
    lockFlags_.assign(count, 0);
    for (uint32_t i = 0; i < count; ++i) {
        const SurfaceDesc desc = LevelDesc(i);
        levels_[i].assign(static_cast<size_t>(TextureRowPitch(desc.width, format_)) *
                              TextureRowCount(desc.height, format_),
                          0);
    }
}

StoredTexture::~StoredTexture() {
    if (owner_) owner_->OnTextureDestroyed(this);
}

void StoredTexture::DetachOwner() {
    OnDetach();
    owner_ = nullptr;
}

SurfaceDesc StoredTexture::LevelDesc(uint32_t level) const {
    return SurfaceDesc{format_, std::max(width_ >> level, 1u), std::max(height_ >> level, 1u)};
}

GpuResult StoredTexture::GetLevelDesc(uint32_t level, SurfaceDesc& desc) const {
    if (level >= levels_.size()) return kGpuInvalidCall;
    desc = LevelDesc(level);
    return kGpuOk;
}

GpuResult StoredTexture::LockRect(uint32_t level, LockedRect& locked, uint32_t flags) {
    if (level >= levels_.size() || lockFlags_[level] != 0) return kGpuInvalidCall;
    lockFlags_[level] = kLocked | flags;
    locked.pitch = static_cast<int32_t>(TextureRowPitch(LevelDesc(level).width, format_));
    locked.bits = levels_[level].data();
    return kGpuOk;
}

GpuResult StoredTexture::UnlockRect(uint32_t level) {
    if (level >= levels_.size() || lockFlags_[level] == 0) return kGpuInvalidCall;
    const bool changed = (lockFlags_[level] & kLockReadOnly) == 0;
    lockFlags_[level] = 0;
    if (changed) OnLevelChanged(level);
    return kGpuOk;
}

}  // namespace port
