// The program's exit codes.
#pragma once

namespace vrk {

constexpr int kExitNormal = 0;        // normal end, or another instance is running
constexpr int kExitNoVideo = 1;       // the video system cannot start
constexpr int kExitNoGpuLibrary = 2;  // no drawing library
constexpr int kExitNoWindow = 3;      // the main window or its device cannot be made
constexpr int kExitScriptPanic = 4;   // Lua met an error outside every script run

}  // namespace vrk
