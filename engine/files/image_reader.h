// Loading a picture file into a cImage: the decoder is chosen by the extension and
// an optional "alpha" companion file gives the picture its alpha channel.
#pragma once
#include <cstdint>

#include "engine/files/path_record.h"
#include "engine/render/image.h"

namespace vrk {

// Results of the image decoders and of LoadImageFile.
enum ImageReadResult : int {
    kImageReadOk = 0,
    kImageCannotOpen = 2,      // the file cannot be opened
    kImageUnsupported = 3,     // empty, unknown kind or a header the engine cannot use
    kImageDataRefused = 4,     // the decoder refused the data (corrupt or truncated)
};

// Sender of the decoders' log lines.
constexpr const char* kImageLogSender = "Data Manager";

// No decoder accepts a picture wider or taller than this: a header is never
// trusted with an allocation larger than the engine can use.
constexpr uint32_t kMaxImageSide = 16384;

// Decodes a "png", "jpg" or "pvr" file (extension compared exactly) into image;
// any other extension gives kImageUnsupported without a log line. On success a
// "NAME.alpha" JPEG on disk beside the file gives the alpha channel, and colour
// images end as 32-bit pixels in blue, green, red, alpha/x byte order. On failure
// the image is left as it was.
int LoadImageFile(cImage& image, const PathRecord& path);

}  // namespace vrk
