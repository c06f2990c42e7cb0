// ReadJpeg: libjpeg with a source manager over the engine's file handles and an
// error exit that jumps back, so that a corrupt file ends in a result code.
#include "engine/files/jpeg_reader.h"

// libjpeg's header needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "engine/files/file_handle.h"
#include "engine/log/log.h"

namespace vrk {

namespace {

constexpr std::size_t kSourceBufferSize = 4096;
// A sequential JPEG spends at least two bits on every 8 x 8 block of every
// component, so it never packs more than 256 bytes of picture into one byte of
// file (512 with subsampled colour). A file smaller than its picture divided by
// this holds less than its header promises: it is refused before the library or
// the reader allocates anything for the picture.
constexpr int64_t kJpegMaxRatio = 1024;
const JOCTET kEndOfImage[2] = {0xFF, 0xD9};

struct JpegFileSource {
    jpeg_source_mgr base;  // first, so libjpeg's pointer converts back
    FileHandle* file;
    JOCTET* buffer;
    bool startOfFile;
};

struct JpegErrorTrap {
    jpeg_error_mgr base;  // first, so libjpeg's pointer converts back
    std::jmp_buf jump;
};

void OnJpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorTrap*>(info->err)->jump, 1);
}

// The library's warnings (a truncated file, a damaged marker) are not worth a line.
void OnJpegMessage(j_common_ptr) {}

void InitSource(j_decompress_ptr info)
{
    reinterpret_cast<JpegFileSource*>(info->src)->startOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<JpegFileSource*>(info->src);
    std::size_t count = FileRead(source->file, source->buffer, 1, kSourceBufferSize);
    if (count == 0) {
        if (source->startOfFile)
            return FALSE;
        // A truncated file ends as if its end marker had come.
        std::memcpy(source->buffer, kEndOfImage, sizeof(kEndOfImage));
        count = sizeof(kEndOfImage);
    }
    source->base.next_input_byte = source->buffer;
    source->base.bytes_in_buffer = count;
    source->startOfFile = false;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* source = info->src;
    std::size_t remaining = std::size_t(count);
    while (remaining > source->bytes_in_buffer) {
        remaining -= source->bytes_in_buffer;
        if (!FillInputBuffer(info)) {
            source->bytes_in_buffer = 0;
            return;
        }
    }
    source->next_input_byte += remaining;
    source->bytes_in_buffer -= remaining;
}

void TermSource(j_decompress_ptr) {}

void InstallFileSource(j_decompress_ptr info, FileHandle* file)
{
    auto* source = static_cast<JpegFileSource*>(
        (*info->mem->alloc_small)(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(JpegFileSource)));
    source->buffer = static_cast<JOCTET*>(
        (*info->mem->alloc_small)(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, kSourceBufferSize));
    source->file = file;
    source->startOfFile = true;
    source->base.init_source = InitSource;
    source->base.fill_input_buffer = FillInputBuffer;
    source->base.skip_input_data = SkipInputData;
    source->base.resync_to_restart = jpeg_resync_to_restart;
    source->base.term_source = TermSource;
    source->base.next_input_byte = nullptr;
    source->base.bytes_in_buffer = 0;
    info->src = &source->base;
}

enum class JpegStep { kDone, kLibraryError, kNoData, kTooLarge, kTooShort, kNoMemory };

// Everything the decoding step touches lives here, outside the frame that libjpeg
// may leave by longjmp, so no destructor is ever skipped.
struct JpegDecode {
    FileHandle* file = nullptr;
    int64_t fileSize = 0;
    JpegErrorTrap trap{};
    jpeg_decompress_struct info{};
    std::vector<uint8_t> pixels;
    uint32_t width = 0;
    uint32_t height = 0;
    int components = 0;

    JpegDecode()
    {
        info.err = jpeg_std_error(&trap.base);
        trap.base.error_exit = OnJpegErrorExit;
        trap.base.output_message = OnJpegMessage;
    }
    // Safe on a decompressor whose creation failed: it was zeroed first.
    ~JpegDecode() { jpeg_destroy_decompress(&info); }
};

bool AllocatePixels(JpegDecode& d, std::size_t rowBytes)
{
    try {
        d.pixels.resize(std::size_t(d.height) * rowBytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// No object with a destructor may be created in this frame: libjpeg leaves it by
// longjmp on any error.
JpegStep DecodeJpeg(JpegDecode& d)
{
    if (setjmp(d.trap.jump))
        return JpegStep::kLibraryError;

    jpeg_create_decompress(&d.info);
    InstallFileSource(&d.info, d.file);
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return JpegStep::kNoData;
    if (d.info.image_width > kMaxImageSide || d.info.image_height > kMaxImageSide)
        return JpegStep::kTooLarge;
    const int64_t pictureBytes =
        int64_t(d.info.image_width) * int64_t(d.info.image_height) * int64_t(d.info.num_components);
    if (d.fileSize < pictureBytes / kJpegMaxRatio)
        return JpegStep::kTooShort;

    jpeg_start_decompress(&d.info);
    d.width = d.info.output_width;
    d.height = d.info.output_height;
    d.components = d.info.output_components;
    const std::size_t rowBytes = std::size_t(d.width) * std::size_t(d.components);
    if (!AllocatePixels(d, rowBytes))
        return JpegStep::kNoMemory;

    JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                   JDIMENSION(rowBytes), 1);
    while (d.info.output_scanline < d.info.output_height) {
        const std::size_t y = d.info.output_scanline;
        if (jpeg_read_scanlines(&d.info, row, 1) != 1)
            return JpegStep::kLibraryError;
        std::memcpy(d.pixels.data() + y * rowBytes, row[0], rowBytes);
    }
    jpeg_finish_decompress(&d.info);
    return JpegStep::kDone;
}

uint32_t FormatOfComponents(int components)
{
    switch (components) {
    case 1: return kFormatL8;
    case 3: return kFormatR8G8B8;
    default: return kFormatUnknown;
    }
}

}  // namespace

int ReadJpeg(cImage& image, const PathRecord& path)
{
    FileHandlePtr file;
    if (FileOpen(file, path, "rb") != kFileOpened)
        return kImageCannotOpen;

    JpegDecode d;
    d.file = file.get();
    d.fileSize = FileSize(file.get());
    switch (DecodeJpeg(d)) {
    case JpegStep::kDone:
        break;
    case JpegStep::kNoData:
        LogWrite(kImageLogSender, "^5", "Invalid JPEG format: no data in file %s", FormatArg::FromString(path.path));
        return kImageUnsupported;
    case JpegStep::kTooLarge:
        LogWrite(kImageLogSender, "^5", "Invalid JPEG format: picture too large in file %s",
                 FormatArg::FromString(path.path));
        return kImageUnsupported;
    case JpegStep::kTooShort:
    case JpegStep::kNoMemory:
    case JpegStep::kLibraryError:
        LogWrite(kImageLogSender, "^5", "Internal error in JPEG file: %s", FormatArg::FromString(path.path));
        return kImageDataRefused;
    }

    const uint32_t format = FormatOfComponents(d.components);
    cImage decoded;
    if (!decoded.Create(format, d.width, d.height, 1) ||
        (format != kFormatUnknown && !decoded.SetLevelBytes(0, std::move(d.pixels)))) {
        LogWrite(kImageLogSender, "^5", "Internal error in JPEG file: %s", FormatArg::FromString(path.path));
        return kImageDataRefused;
    }
    image = std::move(decoded);
    return kImageReadOk;
}

}  // namespace vrk
