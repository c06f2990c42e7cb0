// ReadPvr: the header of a PVRTC ".pvr" file and its top level; the rest of the
// file (lower levels, further surfaces) is not used.
#include "engine/files/pvr_reader.h"

#include <array>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "engine/files/file_handle.h"
#include "engine/log/log.h"

namespace vrk {

namespace {

constexpr uint32_t kPvrTag = 0x21525650;  // "PVR!" read little-endian
constexpr uint32_t kFlagsPvrtc2 = 24;
constexpr uint32_t kFlagsPvrtc4 = 25;

// Field order of the header, one unsigned 32-bit little-endian word each.
enum PvrHeaderField : std::size_t {
    kHeaderSize, kHeight, kWidth, kMipmapCount, kFlags, kDataSize, kBitsPerPixel,
    kRedMask, kGreenMask, kBlueMask, kAlphaMask, kTag, kSurfaceCount, kHeaderFieldCount
};
static_assert(kHeaderFieldCount * 4 == kPvrHeaderSize);

using PvrHeader = std::array<uint32_t, kHeaderFieldCount>;

bool ReadHeader(FileHandle* file, PvrHeader& header)
{
    uint8_t bytes[kPvrHeaderSize];
    if (FileRead(file, bytes, 1, kPvrHeaderSize) != kPvrHeaderSize)
        return false;
    for (std::size_t i = 0; i < kHeaderFieldCount; ++i) {
        const uint8_t* word = bytes + i * 4;
        header[i] = uint32_t(word[0]) | uint32_t(word[1]) << 8 | uint32_t(word[2]) << 16 | uint32_t(word[3]) << 24;
    }
    return true;
}

uint32_t FormatOfHeader(const PvrHeader& header)
{
    const bool alpha = header[kAlphaMask] != 0;
    if (header[kFlags] == kFlagsPvrtc2)
        return alpha ? kFormatPVRTC2_RGBA : kFormatPVRTC2_RGB;
    if (header[kFlags] == kFlagsPvrtc4)
        return alpha ? kFormatPVRTC4_RGBA : kFormatPVRTC4_RGB;
    return kFormatUnknown;
}

}  // namespace

int ReadPvr(cImage& image, const PathRecord& path)
{
    FileHandlePtr file;
    if (FileOpen(file, path, "rb") != kFileOpened)
        return kImageCannotOpen;

    PvrHeader header{};
    if (!ReadHeader(file.get(), header) || header[kTag] != kPvrTag)
        return kImageUnsupported;
    const uint32_t format = FormatOfHeader(header);
    if (format == kFormatUnknown)
        return kImageUnsupported;
    const uint32_t width = header[kWidth];
    const uint32_t height = header[kHeight];
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) {
        LogWrite(kImageLogSender, "^5", "Invalid PVR format: unusable size in file %s",
                 FormatArg::FromString(path.path));
        return kImageUnsupported;
    }

    // The size is checked against the file before anything is allocated for it.
    const std::size_t levelBytes = ImageByteSize(width, height, format);
    const int64_t fileSize = FileSize(file.get());
    if (fileSize < int64_t(kPvrHeaderSize) || std::size_t(fileSize - kPvrHeaderSize) < levelBytes) {
        LogWrite(kImageLogSender, "^5", "Invalid PVR format: file %s is shorter than its picture",
                 FormatArg::FromString(path.path));
        return kImageDataRefused;
    }

    std::vector<uint8_t> bytes;
    try {
        bytes.resize(levelBytes);
    } catch (const std::bad_alloc&) {
        return kImageDataRefused;
    }
    if (FileRead(file.get(), bytes.data(), 1, levelBytes) != levelBytes) {
        LogWrite(kImageLogSender, "^5", "Invalid PVR format: file %s is shorter than its picture",
                 FormatArg::FromString(path.path));
        return kImageDataRefused;
    }

    cImage decoded;
    if (!decoded.Create(format, width, height, 1) || !decoded.SetLevelBytes(0, std::move(bytes)))
        return kImageDataRefused;
    image = std::move(decoded);
    return kImageReadOk;
}

}  // namespace vrk
