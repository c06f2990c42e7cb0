// The CPU side of a device texture: one tightly packed byte block per mipmap level,
// the lock bookkeeping and the format arithmetic (row pitch, rows, level size). Each
// backend derives its texture from it and sends levels to the GPU on unlock.
#pragma once
#include <cstdint>
#include <vector>

#include "port/gpu/gpu_texture.h"

namespace port {

// Bytes per pixel of an uncompressed texture format, 0 for block-compressed or
// unknown formats.
uint32_t TextureBytesPerPixel(GpuFormat format);
bool IsCompressedFormat(GpuFormat format);
bool IsTextureFormat(GpuFormat format);
// Bytes from one row to the next of a level `width` pixels wide (a row of 4x4 blocks
// for DXT formats), and the number of such rows in a level `height` pixels high.
uint32_t TextureRowPitch(uint32_t width, GpuFormat format);
uint32_t TextureRowCount(uint32_t height, GpuFormat format);
// Levels of a full mipmap chain: 1 + how often the larger side halves before reaching 1.
uint32_t FullMipChainLength(uint32_t width, uint32_t height);

class StoredTexture;

// The device side of the texture/device link: textures report their end so the device
// can unbind them; the device detaches its live textures when it goes first.
class TextureOwner {
public:
    virtual ~TextureOwner() = default;
    virtual void OnTextureDestroyed(StoredTexture* texture) = 0;
};

class StoredTexture : public GpuTexture {
public:
    // levels 0 means the full chain; more than the full chain is capped to it.
    StoredTexture(TextureOwner* owner, uint32_t width, uint32_t height, uint32_t levels,
                  GpuFormat format);
    ~StoredTexture() override;
    StoredTexture(const StoredTexture&) = delete;
    StoredTexture& operator=(const StoredTexture&) = delete;

    uint32_t GetLevelCount() const override { return static_cast<uint32_t>(levels_.size()); }
    GpuResult GetLevelDesc(uint32_t level, SurfaceDesc& desc) const override;
    GpuResult LockRect(uint32_t level, LockedRect& locked, uint32_t flags) override;
    GpuResult UnlockRect(uint32_t level) override;

    GpuFormat Format() const { return format_; }
    SurfaceDesc LevelDesc(uint32_t level) const;
    const std::vector<uint8_t>& LevelBytes(uint32_t level) const { return levels_[level]; }
    // Called by the owner on its own destruction: from then on the texture is CPU-only.
    void DetachOwner();
    TextureOwner* Owner() const { return owner_; }

protected:
    // A writable lock of `level` ended: its bytes changed.
    virtual void OnLevelChanged(uint32_t /*level*/) {}
    // The owner is going away: drop whatever lives on the GPU.
    virtual void OnDetach() {}

private:
    TextureOwner* owner_;
    uint32_t width_;
    uint32_t height_;
    GpuFormat format_;
    std::vector<std::vector<uint8_t>> levels_;
    std::vector<uint32_t> lockFlags_;  // per level: 0 unlocked, else the lock's flags | kLocked
};

}  // namespace port
