// Comparing pictures by what they show: two PNG files of one size whose decoded
// pixels (as 8-bit RGBA) are the same are the same picture, however their bytes were
// compressed (another zlib or libpng build writes other bytes for the same pixels).
#pragma once
#include <string>

// True when both files read and hold the same pixels; otherwise false with a
// message: a file that does not read, another size, or the first pixel that differs.
bool SamePngPixels(const std::string& first, const std::string& second, std::string& message);
