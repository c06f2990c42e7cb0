// The present pacer: one refresh period between presents, measured from the start of
// the previous present so that drawing time counts toward the period.
#include "port/gpu/present_pacer.h"

#include <thread>
#include <utility>

namespace port {

namespace {

PresentPacer::Clock::duration PeriodOf(int refreshRate) {
    const int rate = refreshRate > 0 ? refreshRate : PresentPacer::kFallbackRefreshRate;
    return std::chrono::duration_cast<PresentPacer::Clock::duration>(std::chrono::seconds(1)) / rate;
}

}  // namespace

PresentPacer::PresentPacer()
    : PresentPacer([] { return Clock::now(); },
                   [](Clock::time_point until) { std::this_thread::sleep_until(until); }) {}

PresentPacer::PresentPacer(Now now, SleepUntil sleepUntil)
    : now_(std::move(now)), sleepUntil_(std::move(sleepUntil)), period_(PeriodOf(0)) {}

void PresentPacer::SetRefreshRate(int refreshRate) { period_ = PeriodOf(refreshRate); }

void PresentPacer::WaitForNextPresent() {
    Clock::time_point now = now_();
    if (hasPrevious_) {
        const Clock::time_point due = previous_ + period_;
        if (now < due) {
            sleepUntil_(due);
            now = now_();
            // A sleep may return early on a signal; never present before the slot.
            if (now < due) now = due;
        }
    }
    previous_ = now;
    hasPrevious_ = true;
}

}  // namespace port
