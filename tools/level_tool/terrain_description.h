// The ground of a play level as a source hands it over:
//   terrain { name = "013", season = "summer", origin = { x, y }, u = { x, y }, v = { x, y },
//             rows = { "...", ... }, paths = { { x, y, x, y, ... }, ... } }
// (tools/levels/level_terrain.lua builds it). The tool checks every field and writes
// data/level/terrain/NAME.lua itself, so the file the art tool reads holds a table of
// marks and numbers and never a text a source chose.
#pragma once
#include <string>
#include <vector>

struct lua_State;

struct TerrainDescription {
    std::string name;
    std::string season;
    // Picture pixels, y down: cell (x, y) spans origin + [x, x+1] * u + [y, y+1] * v.
    double origin[2] = {0.0, 0.0};
    double u[2] = {0.0, 0.0};
    double v[2] = {0.0, 0.0};
    // One text per row from the top row down, a mark per cell; all of one width.
    std::vector<std::string> rows;
    // The worn walks, cell by cell: x, y, x, y, ...
    std::vector<std::vector<int>> paths;
};

// The bounds a description must keep: far above what a level holds (31 x 25 cells,
// a few dozen walks), low enough that no file grows large.
struct TerrainLimits {
    static constexpr size_t kLongestName = 32;
    static constexpr size_t kMostRows = 64;
    static constexpr size_t kWidestRow = 64;
    static constexpr size_t kMostPaths = 256;
    static constexpr size_t kLongestPath = kMostRows * kWidestRow;
    static constexpr double kLargestCoordinate = 4096.0;
};

// The marks a row may hold (tools/levels/level_terrain.lua's T.MARKS).
extern const char* const kTerrainMarks;

// Reads the table at the index (a terrain{} call's argument). False with a message
// naming the field for anything but the fields above, of their types and within
// TerrainLimits.
bool ReadTerrainDescription(lua_State* state, int index, TerrainDescription& terrain, std::string& error);
// The file the art tool reads: a Lua chunk that returns the table.
std::string WriteTerrainDescription(const TerrainDescription& terrain);
