// Fuzz target: a PNG picture loaded as the texture loader loads it (LoadImageFile,
// which picks the decoder by the extension and converts the pixels).
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/files/image_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::WriteScratchFile("picture.png", data, size);
    if (path.empty()) return 0;
    vrk::cImage image;
    vrk::LoadImageFile(image, vrk::PathRecord(path));
    return 0;
}
