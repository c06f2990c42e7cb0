// Fuzz target: a level file read by the game's level screen (cLevelWidget::LoadLevel
// of cMagicWidget, which makes the level objects too), with the grid tail (size,
// then a cost and an extra word per cell) after the objects.
#include <cstddef>
#include <cstdint>

#include "engine/files/byte_stream.h"
#include "game/level/magic_widget.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::WriteScratchFile("level_widget.lvl", data, size);
    vrk::cByteStream stream;
    if (path.empty() || stream.LoadFromFile(path) != 0) return 0;
    {
        fuzz::FuzzAppServices services;
        cMagicWidget level;
        level.LoadLevel(stream, 100);
    }
    fuzz::ClearRegistries();
    return 0;
}
