// cImage: a decoded picture in memory, one owned byte block per mipmap level, with
// the few pixel operations the texture code needs before upload.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/render/pixel_format.h"

namespace vrk {

class cImage {
public:
    // Format 0, 1 x 1, one level of 0 bytes.
    cImage();
    cImage(uint32_t format, uint32_t width, uint32_t height, uint32_t levels);
    cImage(const cImage&) = delete;
    cImage& operator=(const cImage&) = delete;
    // The source is left with no levels.
    cImage(cImage&& other) noexcept;
    cImage& operator=(cImage&& other) noexcept;
    ~cImage() = default;

    // Frees the old levels and allocates new ones for the format and size. Levels
    // below 1 become 1, more than the size allows are capped. A side of 0 gives no
    // levels. False (and no levels) when the memory cannot be had.
    bool Create(uint32_t format, uint32_t width, uint32_t height, uint32_t levels);
    void FreeLevels();
    // A new image with equal format, size, levels and bytes; null when out of memory.
    std::unique_ptr<cImage> Clone() const;

    // ImageByteSize of the level's dimensions (0 for a level the image lacks).
    std::size_t LevelByteSize(uint32_t level) const;
    uint32_t LevelWidth(uint32_t level) const;
    uint32_t LevelHeight(uint32_t level) const;

    // Exchanges the first and third byte of every pixel ("R8G8B8", "R8G8B8X8",
    // "R8G8B8A8" only).
    void SwapRedBlue();
    // "R8G8B8" becomes "R8G8B8X8" (fourth byte 255); other formats stay as they are.
    void ExpandToRGBX();
    // Takes the alpha of every pixel from the first byte of the mask's pixel; the
    // image becomes "R8G8B8A8". Only for 24/32-bit colour images of the mask's size.
    void ApplyAlpha(const cImage& mask);

    // Replaces a level's block; refused (false) unless it holds LevelByteSize bytes.
    bool SetLevelBytes(uint32_t level, std::vector<uint8_t>&& bytes);

    const PixelFormatDesc& Desc() const { return desc_; }
    uint32_t Format() const { return desc_.id; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    uint32_t LevelCount() const { return levelCount_; }
    // Null for a level the image lacks.
    uint8_t* LevelData(uint32_t level);
    const uint8_t* LevelData(uint32_t level) const;

private:
    // Rebuilds every level of a 3-byte-per-pixel image with a fourth byte per pixel:
    // level 0 takes it from alpha0 (one byte every alphaStep bytes; 255 when null),
    // the other levels 255. False, image unchanged, when out of memory.
    bool ExpandLevelsToFourBytes(const uint8_t* alpha0, std::size_t alphaStep);

    PixelFormatDesc desc_;
    uint32_t width_ = 1;
    uint32_t height_ = 1;
    uint32_t levelCount_ = 0;
    std::vector<std::vector<uint8_t>> levels_;
};

}  // namespace vrk
