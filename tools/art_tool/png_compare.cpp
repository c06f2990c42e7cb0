// Reading two PNG files through libpng's simplified reader and comparing their pixels.
#include "png_compare.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;
};

bool ReadPicture(const std::string& path, Picture& picture, std::string& message)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        message = path + ": " + image.message;
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) == 0) {
        message = path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

}  // namespace

bool SamePngPixels(const std::string& first, const std::string& second, std::string& message)
{
    Picture a;
    Picture b;
    if (!ReadPicture(first, a, message) || !ReadPicture(second, b, message)) return false;
    if (a.width != b.width || a.height != b.height) {
        message = first + " is " + std::to_string(a.width) + " x " + std::to_string(a.height) + ", " + second +
                  " is " + std::to_string(b.width) + " x " + std::to_string(b.height);
        return false;
    }
    for (size_t i = 0; i < a.rgba.size(); i += 4) {
        if (std::memcmp(&a.rgba[i], &b.rgba[i], 4) != 0) {
            const size_t pixel = i / 4;
            message = first + " and " + second + " differ first at pixel " + std::to_string(pixel % a.width) + "," +
                      std::to_string(pixel / a.width);
            return false;
        }
    }
    return true;
}
