// Interval arithmetic of the main-thread timer.
#include "port/window/interval_timer.h"

#include <limits>

namespace port {

void IntervalTimer::Start(std::uint64_t interval, std::uint64_t now)
{
    interval_ = interval;
    last_ = now;
}

bool IntervalTimer::Poll(std::uint64_t now)
{
    if (interval_ == 0 || now < last_ || now - last_ < interval_)
        return false;
    last_ += (now - last_) / interval_ * interval_;
    return true;
}

std::uint64_t IntervalTimer::TicksUntilDue(std::uint64_t now) const
{
    if (interval_ == 0)
        return std::numeric_limits<std::uint64_t>::max();
    if (now < last_)
        return interval_;
    const std::uint64_t elapsed = now - last_;
    return elapsed >= interval_ ? 0 : interval_ - elapsed;
}

}  // namespace port
