// Fuzz target: an archive in the data tree. The input is written as "data.zip" and
// its entry "a.txt" is read through the file system's archive path, as a byte
// stream and as a text file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/files/text_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string archive = fuzz::WriteScratchFile("data.zip", data, size);
    if (archive.empty()) return 0;
    const std::string entry = archive + "/a.txt";
    vrk::cByteStream stream;
    if (stream.LoadFromFile(entry) == 0) stream.ReadString();
    std::string text;
    vrk::ReadTextFile(text, entry);
    return 0;
}
