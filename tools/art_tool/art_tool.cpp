// The art tool: paints the game's placeholder textures from a Lua manifest and
// writes each as an RGBA PNG, with its sprite-description script when it has
// sprites.
//
//   art_tool MANIFEST OUTPUT_FOLDER
//   art_tool --same-pixels A.png B.png
//
// OUTPUT_FOLDER is the texture folder of the data tree (data/texture); the
// manifest's paths are relative to it. Exits 0 only on a run without problems.
// --same-pixels exits 0 when the two pictures show the same pixels (the check of
// the committed pictures, which must not hang on how a zlib build compresses).
#include <cstdio>
#include <cstring>
#include <string>

#include "manifest.h"
#include "png_compare.h"

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--same-pixels") == 0) {
        std::string message;
        if (SamePngPixels(argv[2], argv[3], message)) return 0;
        std::fprintf(stderr, "art_tool: %s\n", message.c_str());
        return 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: art_tool MANIFEST OUTPUT_FOLDER\n       art_tool --same-pixels A.png B.png\n");
        return 2;
    }
    const ManifestResult result = BuildManifest(argv[1], argv[2]);
    if (!result.ran) return 1;
    std::printf("art_tool: %d textures written, %d problems\n", result.texturesWritten, result.problems);
    return result.problems == 0 ? 0 : 1;
}
