// Message queue, SDL event pumping and the main-thread timer.
#include "port/window/message_pump.h"

#include <SDL2/SDL.h>

#include <algorithm>

#include "port/window/clock.h"
#include "port/window/event_translator.h"
#include "port/window/quit_signal.h"

namespace port {
namespace {

constexpr std::uint64_t kMillisecondsPerSecond = 1000;
// Upper bound of one blocking wait; a wait longer than this only loops again.
constexpr std::uint64_t kLongestWaitMilliseconds = 0x7FFFFFFF;

}  // namespace

MessagePump::MessagePump() : MessagePump(&PerformanceCounter, PerformanceFrequency()) {}

MessagePump::MessagePump(CounterSource counter, std::uint64_t ticksPerSecond)
    : counter_(std::move(counter)), ticksPerSecond_(std::max<std::uint64_t>(ticksPerSecond, 1))
{
}

void MessagePump::PumpEvents()
{
    if (QuitRequested() && !signalQuitPosted_) {
        signalQuitPosted_ = true;
        PostQuit(0);
        AnswerQuitRequest();
    }
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0)
        return;
    SDL_Event event;
    while (queue_.empty() && SDL_PollEvent(&event) != 0)
        TranslateEvent(event, queue_);
}

bool MessagePump::PollTimer()
{
    if (!timer_.Poll(counter_()))
        return false;
    queue_.push_back(WindowMessage{MessageKind::kTimer, 0, 0});
    return true;
}

bool MessagePump::TakeNext(WindowMessage& message)
{
    PumpEvents();
    if (queue_.empty() && !PollTimer())
        return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void MessagePump::Wait()
{
    while (queue_.empty()) {
        PumpEvents();
        if (!queue_.empty() || PollTimer())
            return;
        if (SDL_WasInit(SDL_INIT_EVENTS) == 0)
            return;  // nothing could ever arrive; never block forever
        SDL_Event event;
        int received = 0;
        const std::uint64_t ticks = timer_.TicksUntilDue(counter_());
        if (!timer_.Running()) {
            received = SDL_WaitEvent(&event);
        } else {
            // Round up so the wait never ends a hair before the timer is due.
            const std::uint64_t milliseconds =
                (ticks * kMillisecondsPerSecond + ticksPerSecond_ - 1) / ticksPerSecond_;
            received = SDL_WaitEventTimeout(
                &event, static_cast<int>(std::min(milliseconds, kLongestWaitMilliseconds)));
        }
        if (received != 0)
            TranslateEvent(event, queue_);
    }
}

WindowMessage MessagePump::WaitNext()
{
    WindowMessage message;
    while (!TakeNext(message)) {
        if (SDL_WasInit(SDL_INIT_EVENTS) == 0 && !timer_.Running())
            return WindowMessage{};  // nothing could ever arrive
        Wait();
    }
    return message;
}

void MessagePump::Post(const WindowMessage& message) { queue_.push_back(message); }

void MessagePump::PostQuit(int exitCode)
{
    Post(WindowMessage{MessageKind::kQuit, exitCode, 0});
}

void MessagePump::DiscardPending()
{
    std::deque<WindowMessage> all;
    all.swap(queue_);
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
            TranslateEvent(event, all);
    }
    const auto quit = std::find_if(all.begin(), all.end(), [](const WindowMessage& message) {
        return message.kind == MessageKind::kQuit;
    });
    if (quit != all.end())
        queue_.push_back(*quit);
}

void MessagePump::StartTimer(std::uint32_t intervalMilliseconds)
{
    const std::uint64_t ticks = intervalMilliseconds * ticksPerSecond_ / kMillisecondsPerSecond;
    timer_.Start(std::max<std::uint64_t>(ticks, intervalMilliseconds == 0 ? 0 : 1), counter_());
}

}  // namespace port
