// Fuzz target: a text file (scripts, command files, settings) read by ReadTextFile
// with its byte-order-mark and UTF-16 handling, and the same bytes read as a byte
// stream value by value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/files/text_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
// A stream cannot hold more values than it has bytes; this bounds the walk.
constexpr int kMaxValues = 4096;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::WriteScratchFile("text.txt", data, size);
    if (path.empty()) return 0;
    std::string text;
    vrk::ReadTextFile(text, path);

    vrk::cByteStream stream;
    if (stream.LoadFromFile(path) != 0) return 0;
    for (int i = 0; i < kMaxValues && stream.Cursor() < stream.Bytes().size(); ++i) {
        const uint32_t kind = stream.ReadInt32() % 3;
        float value = 0.0f;
        if (kind == 0) stream.ReadString();
        if (kind == 1) stream.ReadFloat(value);
    }
    return 0;
}
