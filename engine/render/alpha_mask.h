// cAlphaMask: how much of a picture shows at each texel, kept at two bits a texel
// beside a texture once its pixels have gone to the device, so that a scene can
// tell a click on a picture from a click on its empty corners without reading the
// device back (the recording device of the tests keeps no pixels either).
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace vrk {

class cImage;

// How a texel shows, from its alpha.
enum TexelCover : int32_t {
    kCoverNone = 0,   // transparent: nothing of the picture is there
    kCoverFaint = 1,  // a see-through tint (a marked plot, a soft edge)
    kCoverSolid = 2,  // the picture hides what lies behind it
};

class cAlphaMask {
public:
    // An alpha from this value up shows something of the picture; the renderer's
    // highlight pass keeps texels from the same value.
    static constexpr uint8_t kFaintAlpha = 26;
    // An alpha from this value up hides what lies behind the picture.
    static constexpr uint8_t kSolidAlpha = 128;

    // The mask of the image's first level. Null when there is nothing to keep: a
    // picture without alpha or whose every texel is solid (it shows all over), and a
    // layout whose alpha the engine does not read (block-compressed, 4-bit).
    static std::unique_ptr<cAlphaMask> FromImage(const cImage& image);

    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    // The cover of the texel in column x of stored row y (row 0 is the picture's top
    // row); none outside the picture.
    TexelCover CoverOfTexel(uint32_t x, uint32_t y) const;
    // The cover at texture coordinates as the renderer takes them: v counts up from
    // the picture's bottom row. Coordinates outside 0..1 wrap, as the textures'
    // default address mode does.
    TexelCover CoverAt(float u, float v) const;

private:
    cAlphaMask(uint32_t width, uint32_t height);
    void SetCover(uint32_t x, uint32_t y, TexelCover cover);

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    // Four texels a byte, row by row from the top.
    std::vector<uint8_t> bits_;
};

}  // namespace vrk
