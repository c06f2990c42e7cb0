// The high-resolution counter the main loop measures frame time with.
#pragma once
#include <cstdint>

namespace port {

// Monotonic counter ticks; only differences mean anything.
std::uint64_t PerformanceCounter();
// Ticks per second of PerformanceCounter; constant for the run.
std::uint64_t PerformanceFrequency();

}  // namespace port
