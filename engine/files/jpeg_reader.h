// ReadJpeg: decodes a JPEG file through libjpeg into a one-level cImage.
#pragma once
#include "engine/files/image_reader.h"

namespace vrk {

// 0 on success; 2 the file cannot be opened; 3 the file holds no data or a picture
// larger than kMaxImageSide; 4 libjpeg refused the data or the file is far too
// small for the picture its header promises. One component gives "L8",
// three "R8G8B8", any other count "?" (with an empty level). A truncated file
// ends as if its end marker had been reached. On failure the image is left as it was.
int ReadJpeg(cImage& image, const PathRecord& path);

}  // namespace vrk
