// The art tool's reader of a level's ground file: the bytes of a regular file, within
// the ground files' size limit, for art_terrain_file.lua to check and read as data.
#pragma once

struct lua_State;

namespace ground_file {

// Registers read_ground_file(path) -> the file's text, or nil when there is no such
// file. Anything but a regular file (a FIFO would block the tool for good, a device
// never ends) and a file over kLargestGroundFile raise an error naming the file.
void RegisterGroundFileReader(lua_State* lua);

}  // namespace ground_file
