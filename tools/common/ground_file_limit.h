// The largest ground file (data/level/terrain/NAME.lua): the level tool refuses to
// write a longer one, and the art tool refuses to read one. One number for both, so
// that a file the one tool writes is never one the other refuses.
#pragma once
#include <cstddef>

namespace ground_file {

// Some fifteen times the largest ground the play levels have (4.2 KB).
inline constexpr size_t kLargestGroundFile = 64 * 1024;

}  // namespace ground_file
