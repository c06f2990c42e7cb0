// level_tool: compiles level sources into level files and dumps level files back.
//   level_tool compile [--lib FOLDER] [--terrain OUT.lua] SOURCE.lua OUT.lvl
//   level_tool dump LEVEL.lvl OUT.lua
// A source may `require` modules beside it, in the --lib folder and in the source
// tree's tools/levels/ (the shared level library). --terrain writes the ground
// description a play level's library hands over (data/level/terrain/NAME.lua, what
// the art tool paints the level's background from), checked and written by the
// tool itself; a source without one writes no file.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/widgets/level_file.h"
#include "framework/widgets/object_types.h"
#include "objects/level_object_factory.h"
#include "level_dump.h"
#include "level_grid.h"
#include "level_source.h"
#include "terrain_description.h"
#include "tools/common/ground_file_limit.h"

namespace {

int Usage()
{
    std::cerr << "usage: level_tool compile [--lib FOLDER] [--terrain OUT.lua] SOURCE.lua OUT.lvl\n"
                 "       level_tool dump LEVEL.lvl OUT.lua\n";
    return 2;
}

int Compile(const std::string& sourcePath, const std::string& outPath, const std::vector<std::string>& libraryFolders,
            const std::string& terrainPath)
{
    LevelSource source;
    std::string error;
    if (!ReadLevelSource(sourcePath, source, error, libraryFolders)) {
        std::cerr << sourcePath << ": " << error << "\n";
        return 1;
    }
    cLevelFile level;
    level.SetFallbackCreator(NewLevelObject);
    if (!BuildLevel(source, level, error)) {
        std::cerr << sourcePath << ": " << error << "\n";
        return 1;
    }
    std::string ground;
    if (!terrainPath.empty() && source.hasTerrain) {
        ground = WriteTerrainDescription(source.terrain);
        // Refused here, before any file is written, rather than by the art tool later.
        if (ground.size() > ground_file::kLargestGroundFile) {
            std::cerr << sourcePath << ": the ground description takes " << ground.size()
                      << " bytes, more than the " << ground_file::kLargestGroundFile << " a ground file may hold\n";
            return 1;
        }
    }
    vrk::cByteStream stream;
    level.Save(stream, source.version != 0 ? source.version : kLevelFileVersion);
    if (source.hasGrid) WriteSourceGrid(stream, source.grid);
    if (stream.SaveToFile(outPath) != 0) {
        std::cerr << outPath << ": cannot write\n";
        return 1;
    }
    if (!terrainPath.empty() && source.hasTerrain) {
        std::ofstream out(terrainPath, std::ios::binary | std::ios::trunc);
        out << ground;
        if (!out) {
            std::cerr << terrainPath << ": cannot write\n";
            return 1;
        }
    }
    return 0;
}

int Dump(const std::string& levelPath, const std::string& outPath)
{
    vrk::cByteStream stream;
    if (stream.LoadFromFile(levelPath) != 0) {
        std::cerr << levelPath << ": cannot read\n";
        return 1;
    }
    cLevelFile level;
    level.SetFallbackCreator(NewLevelObject);
    if (!level.Load(stream)) {
        std::cerr << levelPath << ": the objects stop early (unknown type or cut-off record)\n";
        return 1;
    }
    SourceGrid grid;
    std::string warning;
    const bool hasGrid = ReadSourceGrid(stream, grid, warning);
    if (!warning.empty()) std::cerr << levelPath << ": " << warning << "\n";
    std::ofstream out(outPath, std::ios::binary);
    out << DumpLevel(level);
    if (hasGrid) out << DumpSourceGrid(grid);
    if (!out) {
        std::cerr << outPath << ": cannot write\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::vector<std::string> libraryFolders;
    std::string terrainPath;
    for (size_t i = 0; i + 1 < arguments.size();) {
        if (arguments[i] != "--lib" && arguments[i] != "--terrain") {
            ++i;
            continue;
        }
        if (arguments[i] == "--lib") {
            libraryFolders.push_back(arguments[i + 1]);
        } else {
            terrainPath = arguments[i + 1];
        }
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
#ifdef KELVARA_LEVEL_LIBRARY
    libraryFolders.push_back(KELVARA_LEVEL_LIBRARY);
#endif
    if (arguments.size() != 3) return Usage();
    // Scenes hold map points, tiles and comic pages as well as the built-in types.
    RegisterFrameworkObjectTypes();
    const std::string& command = arguments[0];
    if (command == "compile") return Compile(arguments[1], arguments[2], libraryFolders, terrainPath);
    if (command == "dump") return Dump(arguments[1], arguments[2]);
    return Usage();
}
