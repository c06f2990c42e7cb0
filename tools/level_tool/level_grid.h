// The path grid a level screen reads after the objects of a level file: a width and
// a height, then per cell its stored terrain cost and extra word, column by column
// (x outer, y inner, y = 0 the bottom row). Only playable levels carry one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {
class cByteStream;
}

struct SourceGrid {
    uint32_t width = 0;
    uint32_t height = 0;
    // width * height entries each, column by column.
    std::vector<float> costs;
    std::vector<uint32_t> extras;
};

// Reads the grid from the stream's cursor on. False when no grid follows (fewer
// bytes than its header). A grid cut short is filled up with free cells, which is
// what a level screen is left with for the cells it cannot read; warning then
// says so, as it does for bytes after the grid.
bool ReadSourceGrid(vrk::cByteStream& stream, SourceGrid& grid, std::string& warning);
// Appends the grid to the stream.
void WriteSourceGrid(vrk::cByteStream& stream, const SourceGrid& grid);
// The grid{} call of a level source.
std::string DumpSourceGrid(const SourceGrid& grid);
