// A repeating timer that fires on the thread that polls it. The message pump polls it
// while it looks for messages, so the frame-rate timer runs on the main thread with
// no timer thread behind it.
#pragma once
#include <cstdint>

namespace port {

class IntervalTimer {
public:
    // interval in counter ticks (see clock.h); 0 stops the timer.
    void Start(std::uint64_t interval, std::uint64_t now);
    void Stop() { interval_ = 0; }
    bool Running() const { return interval_ != 0; }

    // True once when at least one interval has passed since the last firing. Missed
    // intervals fire once, not as a burst, and the cadence stays on the start's grid.
    bool Poll(std::uint64_t now);

    // Ticks until the next firing (0 when due); UINT64_MAX when stopped.
    std::uint64_t TicksUntilDue(std::uint64_t now) const;

private:
    std::uint64_t interval_ = 0;
    std::uint64_t last_ = 0;
};

}  // namespace port
