// The sound tool: synthesises the game's interface sounds, jingles and music
// loops from a Lua manifest into mono OGG Vorbis files.
//
//   sound_tool MANIFEST DATA_FOLDER
//
// The manifest's paths ("sound/click", "music/menu") are relative to DATA_FOLDER.
// Exits 0 only on a run without problems.
#include <cstdio>

#include "sound_manifest.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: sound_tool MANIFEST DATA_FOLDER\n");
        return 2;
    }
    const SoundManifestResult result = BuildSoundManifest(argv[1], argv[2]);
    if (!result.ran) return 1;
    std::printf("sound_tool: %d sounds written, %d problems\n", result.soundsWritten, result.problems);
    return result.problems == 0 ? 0 : 1;
}
