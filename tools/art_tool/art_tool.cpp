// The art tool: paints the game's placeholder textures from a Lua manifest and
// writes each as an RGBA PNG, with its sprite-description script when it has
// sprites.
//
//   art_tool MANIFEST OUTPUT_FOLDER
//
// OUTPUT_FOLDER is the texture folder of the data tree (data/texture); the
// manifest's paths are relative to it. Exits 0 only on a run without problems.
#include <cstdio>

#include "manifest.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: art_tool MANIFEST OUTPUT_FOLDER\n");
        return 2;
    }
    const ManifestResult result = BuildManifest(argv[1], argv[2]);
    if (!result.ran) return 1;
    std::printf("art_tool: %d textures written, %d problems\n", result.texturesWritten, result.problems);
    return result.problems == 0 ? 0 : 1;
}
