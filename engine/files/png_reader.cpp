// ReadPng: libpng with a read function over the engine's file handles and an error
// recovery point, so that a corrupt or truncated file ends in a result code.
#include "engine/files/png_reader.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>
#include <utility>
#include <vector>

#include "engine/files/file_handle.h"
#include "engine/log/log.h"

namespace vrk {

namespace {

constexpr std::size_t kPngSignatureSize = 8;
// Deflate never packs more than about 1032 bytes into one, so a file smaller than
// its raw pixel bytes divided by this cannot hold the picture its header promises.
constexpr int64_t kDeflateMaxRatio = 1032;
constexpr std::size_t kErrorTextSize = 160;

enum class PngStep { kDone, kLibraryError, kTooLarge, kTooShort, kNoMemory };

// Everything the decoding step touches lives here, outside the frame that libpng
// may leave by longjmp, so no destructor is ever skipped.
struct PngDecode {
    FileHandle* file = nullptr;
    int64_t fileSize = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int colorType = 0;
    std::size_t rowBytes = 0;
    char errorText[kErrorTextSize] = {};

    ~PngDecode()
    {
        if (png)
            png_destroy_read_struct(&png, &info, nullptr);
    }
};

void OnPngError(png_structp png, png_const_charp message)
{
    auto* decode = static_cast<PngDecode*>(png_get_error_ptr(png));
    std::snprintf(decode->errorText, sizeof(decode->errorText), "%s", message ? message : "");
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadFromFile(png_structp png, png_bytep data, png_size_t length)
{
    auto* file = static_cast<FileHandle*>(png_get_io_ptr(png));
    if (FileRead(file, data, 1, length) != length)
        png_error(png, "unexpected end of file");
}

bool AllocateRows(PngDecode& d)
{
    try {
        d.pixels.resize(std::size_t(d.height) * d.rowBytes);
        d.rows.resize(d.height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (png_uint_32 y = 0; y < d.height; ++y)
        d.rows[y] = d.pixels.data() + std::size_t(y) * d.rowBytes;
    return true;
}

// No object with a destructor may be created in this frame: libpng leaves it by
// longjmp on any error.
PngStep DecodePng(PngDecode& d)
{
    if (setjmp(png_jmpbuf(d.png)))
        return PngStep::kLibraryError;

    png_set_read_fn(d.png, d.file, ReadFromFile);
    png_set_sig_bytes(d.png, int(kPngSignatureSize));
    png_read_info(d.png, d.info);

    const png_uint_32 width = png_get_image_width(d.png, d.info);
    const png_uint_32 height = png_get_image_height(d.png, d.info);
    if (width > kMaxImageSide || height > kMaxImageSide)
        return PngStep::kTooLarge;
    const int64_t bitsPerPixel = int64_t(png_get_bit_depth(d.png, d.info)) * png_get_channels(d.png, d.info);
    const int64_t rawBytes = int64_t(height) * (1 + (int64_t(width) * bitsPerPixel + 7) / 8);
    if (d.fileSize < rawBytes / kDeflateMaxRatio)
        return PngStep::kTooShort;

    png_set_strip_16(d.png);
    const int sourceType = png_get_color_type(d.png, d.info);
    const int sourceDepth = png_get_bit_depth(d.png, d.info);
    if (sourceType == PNG_COLOR_TYPE_PALETTE && sourceDepth <= 8)
        png_set_palette_to_rgb(d.png);
    if (sourceType == PNG_COLOR_TYPE_GRAY && sourceDepth < 8)
        png_set_expand_gray_1_2_4_to_8(d.png);
    if (png_get_valid(d.png, d.info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(d.png);
    png_set_interlace_handling(d.png);
    png_read_update_info(d.png, d.info);

    d.width = png_get_image_width(d.png, d.info);
    d.height = png_get_image_height(d.png, d.info);
    d.colorType = png_get_color_type(d.png, d.info);
    d.rowBytes = png_get_rowbytes(d.png, d.info);
    if (!AllocateRows(d))
        return PngStep::kNoMemory;

    png_read_image(d.png, d.rows.data());
    png_read_end(d.png, nullptr);
    return PngStep::kDone;
}

uint32_t FormatOfColorType(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY: return kFormatL8;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return kFormatL8A8;
    case PNG_COLOR_TYPE_RGB: return kFormatR8G8B8;
    case PNG_COLOR_TYPE_RGB_ALPHA: return kFormatR8G8B8A8;
    default: return kFormatUnknown;
    }
}

}  // namespace

int ReadPng(cImage& image, const PathRecord& path)
{
    FileHandlePtr file;
    if (FileOpen(file, path, "rb") != kFileOpened)
        return kImageCannotOpen;

    png_byte signature[kPngSignatureSize] = {};
    if (FileRead(file.get(), signature, 1, kPngSignatureSize) != kPngSignatureSize ||
        png_sig_cmp(signature, 0, kPngSignatureSize) != 0) {
        LogWrite(kImageLogSender, "^5", "Invalid PNG format: Unknown signature in file %s",
                 FormatArg::FromString(path.path));
        return kImageUnsupported;
    }

    PngDecode d;
    d.file = file.get();
    d.fileSize = FileSize(file.get());
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &d, OnPngError, OnPngWarning);
    if (!d.png) {
        LogWrite(kImageLogSender, "^5", "Create 'png_struct' - failed");
        return kImageDataRefused;
    }
    d.info = png_create_info_struct(d.png);
    if (!d.info) {
        LogWrite(kImageLogSender, "^5", "Create 'png_info' - failed");
        return kImageDataRefused;
    }

    switch (DecodePng(d)) {
    case PngStep::kDone:
        break;
    case PngStep::kTooLarge:
        LogWrite(kImageLogSender, "^5", "Invalid PNG format: picture too large in file %s",
                 FormatArg::FromString(path.path));
        return kImageUnsupported;
    case PngStep::kTooShort:
        LogWrite(kImageLogSender, "^5", "Internal error in PNG file: %s (%s)", FormatArg::FromString(path.path),
                 FormatArg::FromText("file shorter than its picture"));
        return kImageDataRefused;
    case PngStep::kNoMemory:
        LogWrite(kImageLogSender, "^5", "Internal error in PNG file: %s (%s)", FormatArg::FromString(path.path),
                 FormatArg::FromText("out of memory"));
        return kImageDataRefused;
    case PngStep::kLibraryError:
        LogWrite(kImageLogSender, "^5", "Internal error in PNG file: %s (%s)", FormatArg::FromString(path.path),
                 FormatArg::FromText(d.errorText));
        return kImageDataRefused;
    }

    const uint32_t format = FormatOfColorType(d.colorType);
    cImage decoded;
    if (!decoded.Create(format, d.width, d.height, 1) ||
        (format != kFormatUnknown && !decoded.SetLevelBytes(0, std::move(d.pixels)))) {
        LogWrite(kImageLogSender, "^5", "Internal error in PNG file: %s (%s)", FormatArg::FromString(path.path),
                 FormatArg::FromText("cannot store the picture"));
        return kImageDataRefused;
    }
    image = std::move(decoded);
    return kImageReadOk;
}

}  // namespace vrk
