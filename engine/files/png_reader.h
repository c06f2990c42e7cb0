// ReadPng: decodes a PNG file through libpng into a one-level cImage.
#pragma once
#include "engine/files/image_reader.h"

namespace vrk {

// 0 on success; 2 the file cannot be opened; 3 no PNG signature or a picture
// larger than kMaxImageSide; 4 libpng refused the file (corrupt or truncated).
// Grey, grey+alpha, RGB and RGBA images come out as "L8", "L8A8", "R8G8B8",
// "R8G8B8A8" with 8 bits per channel; palettes are expanded and a transparency
// chunk becomes alpha. On failure the image is left as it was.
int ReadPng(cImage& image, const PathRecord& path);

}  // namespace vrk
