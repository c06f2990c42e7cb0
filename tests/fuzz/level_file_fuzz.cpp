// Fuzz target: a level file read by cLevelFile::Load, the reader the level tool and
// the level cache use, with every object type the factories make (the framework's,
// then the level classes'), so the level objects' own texts are read too.
#include <cstddef>
#include <cstdint>

#include "engine/files/byte_stream.h"
#include "framework/widgets/level_file.h"
#include "objects/level_object_factory.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::WriteScratchFile("level_file.lvl", data, size);
    vrk::cByteStream stream;
    if (path.empty() || stream.LoadFromFile(path) != 0) return 0;
    {
        fuzz::FuzzAppServices services;
        cLevelFile level;
        level.SetFallbackCreator(NewLevelObject);
        level.Load(stream);
        // Saving walks every object that was made, as the level tool does.
        vrk::cByteStream saved;
        level.Save(saved);
    }
    fuzz::ClearRegistries();
    return 0;
}
