// Helpers of the image decoder tests: PNG and JPEG files written with the libpng
// and libjpeg writers, a PVR header built by hand, and the process's peak memory.
#pragma once
#include <png.h>

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test {

struct PngPicture {
    uint32_t width = 4;
    uint32_t height = 4;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<png_color> palette;   // palette images only
    std::vector<png_byte> paletteAlpha;  // a tRNS chunk for palette images when non-empty
    // Rows top to bottom, each in the file's own packing (its row bytes).
    std::vector<uint8_t> pixels;
};


// Writes the PNG; false when libpng refused.
inline bool WritePng(const std::string& file, const PngPicture& picture)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(picture.height);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, picture.palette.data(), int(picture.palette.size()));
    if (!picture.paletteAlpha.empty())
        png_set_tRNS(png, info, picture.paletteAlpha.data(), int(picture.paletteAlpha.size()), nullptr);
    png_write_info(png, info);
    if (picture.interlaced) png_set_interlace_handling(png);
    const std::size_t rowBytes = picture.pixels.size() / picture.height;
    for (uint32_t y = 0; y < picture.height; ++y)
        rows[y] = const_cast<png_bytep>(picture.pixels.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0;
}

// Writes a baseline JPEG of 1 (grey) or 3 (RGB) components at the given quality.
inline bool WriteJpeg(const std::string& file, uint32_t width, uint32_t height, int components,
                      const std::vector<uint8_t>& pixels, int quality = 100)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = std::size_t(width) * components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

// The first SOF marker's height and width fields replaced (a header that lies).
inline void PatchJpegSize(std::string& bytes, uint16_t width, uint16_t height)
{
    for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
        const auto marker = uint8_t(bytes[i + 1]);
        if (uint8_t(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            return;
        }
    }
}

struct PvrFields {
    uint32_t width = 8;
    uint32_t height = 8;
    uint32_t flags = 25;
    uint32_t alphaMask = 0;
    uint32_t tag = 0x21525650;
};

// The 52-byte header (13 little-endian words) followed by the data bytes.
inline std::string MakePvr(const PvrFields& fields, const std::string& data)
{
    const uint32_t words[13] = {52, fields.height, fields.width, 0, fields.flags, uint32_t(data.size()), 4,
                                0, 0, 0, fields.alphaMask, fields.tag, 1};
    std::string bytes;
    for (uint32_t word : words)
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(char((word >> shift) & 0xFF));
    return bytes + data;
}

// The largest resident size the process has had so far, in bytes.
inline std::size_t PeakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return std::size_t(usage.ru_maxrss) * 1024;
}

}  // namespace test
