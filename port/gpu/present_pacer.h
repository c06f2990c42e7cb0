// Paces presents where the driver takes no swap interval: a window would otherwise
// draw as many frames as the machine allows (software GL, virtual machines, remote
// desktops), keeping cores, fan and battery busy for frames no display shows. The
// pacer lets a present wait until one refresh period has passed since the last one,
// as the display's retrace would.
#pragma once
#include <chrono>
#include <functional>

namespace port {

class PresentPacer {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;
    using SleepUntil = std::function<void(Clock::time_point)>;

    // The refresh rate displays report most; used where the display reports none.
    static constexpr int kFallbackRefreshRate = 60;

    // A pacer on the real clock; tests hand in their own.
    PresentPacer();
    PresentPacer(Now now, SleepUntil sleepUntil);

    // refreshRate in Hz; 0 or less (unknown) paces at kFallbackRefreshRate.
    void SetRefreshRate(int refreshRate);
    Clock::duration Period() const { return period_; }

    // Waits until one period has passed since the previous call, then counts this
    // present from now. The first call does not wait.
    void WaitForNextPresent();
    // Forgets the previous present, so the next one does not wait (a new surface).
    void Restart() { hasPrevious_ = false; }

private:
    Now now_;
    SleepUntil sleepUntil_;
    Clock::duration period_;
    Clock::time_point previous_{};
    bool hasPrevious_ = false;
};

}  // namespace port
