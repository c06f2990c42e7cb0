// Fuzz target: the "alpha" companion of a picture, a JPEG whose grey values become
// the alpha channel of a well-formed 4 x 4 PNG beside it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/files/image_reader.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string picture = [] {
        const std::string path = fuzz::ScratchFolder() + "/alpha_base.png";
        test::PngPicture png;
        png.pixels.assign(size_t{4} * 4 * 3, 0x80);
        return test::WritePng(path, png) ? path : std::string();
    }();
    if (picture.empty() || fuzz::WriteScratchFile("alpha_base.alpha", data, size).empty()) return 0;
    vrk::cImage image;
    vrk::LoadImageFile(image, vrk::PathRecord(picture));
    return 0;
}
