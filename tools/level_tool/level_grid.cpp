// Reading, writing and dumping the path grid of a level file.
#include "level_grid.h"

#include <algorithm>
#include <cstdio>

#include "engine/files/byte_stream.h"
#include "level_dump.h"

namespace {

constexpr uint64_t kHeaderBytes = 8;
constexpr uint64_t kCellBytes = 8;

uint64_t BytesLeft(const vrk::cByteStream& stream)
{
    const uint64_t size = stream.Bytes().size();
    const uint64_t cursor = stream.Cursor();
    return size > cursor ? size - cursor : 0;
}

// One line per column, so the dump keeps the file's cell order in view.
template <typename Value, typename Text>
std::string Columns(const std::vector<Value>& values, uint32_t height, Text text)
{
    std::string out;
    for (size_t first = 0; first < values.size(); first += height) {
        out += "   ";
        const size_t end = std::min(values.size(), first + height);
        for (size_t i = first; i < end; ++i) out += " " + text(values[i]) + ",";
        out += "\n";
    }
    return out;
}

}  // namespace

bool ReadSourceGrid(vrk::cByteStream& stream, SourceGrid& grid, std::string& warning)
{
    warning.clear();
    const uint64_t left = BytesLeft(stream);
    if (left < kHeaderBytes) {
        if (left > 0) warning = std::to_string(left) + " bytes after the objects are no path grid";
        return false;
    }
    grid.width = stream.ReadInt32();
    grid.height = stream.ReadInt32();
    const uint64_t wanted = uint64_t{grid.width} * grid.height;
    const uint64_t present = std::min(wanted, (left - kHeaderBytes) / kCellBytes);
    if (present < wanted) {
        warning = "the path grid is cut short after " + std::to_string(present) + " of " + std::to_string(wanted) +
                  " cells; the rest are written as free cells";
        // A hostile size must not make us allocate what the file does not hold.
        const uint64_t padded = wanted - present;
        if (padded > (uint64_t{1} << 24)) {
            warning = "the path grid announces " + std::to_string(wanted) + " cells but holds " +
                      std::to_string(present);
            return false;
        }
    }
    grid.costs.assign(static_cast<size_t>(wanted), 0.0f);
    grid.extras.assign(static_cast<size_t>(wanted), 0u);
    for (uint64_t i = 0; i < present; ++i) {
        stream.ReadFloat(grid.costs[static_cast<size_t>(i)]);
        grid.extras[static_cast<size_t>(i)] = stream.ReadInt32();
    }
    const uint64_t after = BytesLeft(stream);
    if (present == wanted && after > 0) warning = std::to_string(after) + " bytes after the path grid are left out";
    return true;
}

void WriteSourceGrid(vrk::cByteStream& stream, const SourceGrid& grid)
{
    stream.WriteInt32(grid.width);
    stream.WriteInt32(grid.height);
    for (size_t i = 0; i < grid.costs.size(); ++i) {
        stream.WriteFloat(grid.costs[i]);
        stream.WriteInt32(i < grid.extras.size() ? grid.extras[i] : 0u);
    }
}

std::string DumpSourceGrid(const SourceGrid& grid)
{
    std::string out = "\n-- The path grid, column by column (x outer, y inner from the bottom row).\n";
    out += "grid { width = " + std::to_string(grid.width) + ", height = " + std::to_string(grid.height) + ",\n";
    out += "  cells = {\n" + Columns(grid.costs, std::max(grid.height, 1u), LuaNumber) + "  }";
    const bool anyExtra = std::any_of(grid.extras.begin(), grid.extras.end(), [](uint32_t word) { return word != 0; });
    if (anyExtra) {
        out += ",\n  extra = {\n" +
               Columns(grid.extras, std::max(grid.height, 1u), [](uint32_t word) { return std::to_string(word); }) +
               "  }";
    }
    return out + " }\n";
}
