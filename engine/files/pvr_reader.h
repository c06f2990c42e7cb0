// ReadPvr: reads the top level of a PVRTC-compressed ".pvr" file into a cImage.
#pragma once
#include "engine/files/image_reader.h"

namespace vrk {

// Size of the file header; the top level's data follows it directly.
constexpr uint32_t kPvrHeaderSize = 52;

// 0 on success; 2 the file cannot be opened; 3 no "PVR!" tag, a flags word other
// than plain PVRTC 2 or 4 bits per pixel, or an unusable size; 4 the file is
// shorter than its top level. On failure the image is left as it was.
int ReadPvr(cImage& image, const PathRecord& path);

}  // namespace vrk
