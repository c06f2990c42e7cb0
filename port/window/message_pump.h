// The main thread's message queue: SDL events translated into window messages
// (event_translator.h), messages the shell posts to itself, and the frame-rate timer.
//
// A quit request by signal (quit_signal.h) is posted as a quit message with code 0.
// Order: messages the shell posted come first, in posting order, before any input that
// still waits in SDL's queue (a posted rebuild or quit is handled before more input);
// the timer message is produced only when nothing else is waiting, as a low-priority
// message should be, and at most once per due interval.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>

#include "port/window/interval_timer.h"
#include "port/window/window_message.h"

namespace port {

class MessagePump {
public:
    // Reads the tick count the timer runs on; the default is PerformanceCounter with
    // PerformanceFrequency ticks per second. Tests inject a fake one.
    using CounterSource = std::function<std::uint64_t()>;

    MessagePump();
    MessagePump(CounterSource counter, std::uint64_t ticksPerSecond);

    // Takes the next message without blocking; false when none is waiting.
    bool TakeNext(WindowMessage& message);
    // Blocks until a message is waiting (an event, a posted message, or the timer
    // falls due) without taking it. Needs a started VideoSystem.
    void Wait();
    // Wait(), then TakeNext(). A kNone message when nothing could ever arrive (no
    // video system, no timer, empty queue) instead of blocking forever.
    WindowMessage WaitNext();

    // Appends a message (e.g. kRebuildDevice or kActivate) to the queue.
    void Post(const WindowMessage& message);
    void PostQuit(int exitCode = 0);

    // Drops every waiting message and event, except that a pending quit survives: the
    // shell drains the queue around window re-creation, and a quit the user asked for
    // in that moment must still end the game.
    void DiscardPending();

    // The repeating timer that produces kTimer messages; a new Start replaces the old.
    void StartTimer(std::uint32_t intervalMilliseconds);
    void StopTimer() { timer_.Stop(); }

private:
    // Moves SDL events into the queue until it holds a message or SDL has none left.
    void PumpEvents();
    bool PollTimer();

    CounterSource counter_;
    std::uint64_t ticksPerSecond_;
    IntervalTimer timer_;
    std::deque<WindowMessage> queue_;
    // A SIGINT or SIGTERM becomes one quit message.
    bool signalQuitPosted_ = false;
};

}  // namespace port
