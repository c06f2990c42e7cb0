// LoadImageFile: decoder choice by extension, the alpha companion, and the final
// byte order and pixel size the device textures take.
#include "engine/files/image_reader.h"

#include <string>
#include <utility>

#include "engine/files/file_system.h"
#include "engine/files/jpeg_reader.h"
#include "engine/files/png_reader.h"
#include "engine/files/pvr_reader.h"
#include "engine/files/path_split.h"

namespace vrk {

namespace {

constexpr const char* kAlphaExtension = "alpha";

int DecodeByExtension(cImage& image, const PathRecord& path)
{
    if (path.extension == "png")
        return ReadPng(image, path);
    if (path.extension == "jpg")
        return ReadJpeg(image, path);
    if (path.extension == "pvr")
        return ReadPvr(image, path);
    return kImageUnsupported;
}

PathRecord CompanionAlphaPath(const PathRecord& path)
{
    PathRecord companion = path;
    companion.extension = kAlphaExtension;
    MakePath(companion.path, companion.drive, companion.archive, companion.folder, companion.name,
             companion.extension);
    return companion;
}

}  // namespace

int LoadImageFile(cImage& image, const PathRecord& path)
{
    cImage decoded;
    const int result = DecodeByExtension(decoded, path);
    if (result != kImageReadOk)
        return result;

    // The companion is looked for on disk only; a picture inside an archive has none.
    const PathRecord companion = CompanionAlphaPath(path);
    if (!path.IsInArchive() && FileExists(companion.path)) {
        cImage mask;
        if (ReadJpeg(mask, companion) == kImageReadOk)
            decoded.ApplyAlpha(mask);
    }

    decoded.SwapRedBlue();
    decoded.ExpandToRGBX();
    image = std::move(decoded);
    return kImageReadOk;
}

}  // namespace vrk
