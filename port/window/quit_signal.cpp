// The SIGINT and SIGTERM handlers, their flag, and the watchdog that ends a process
// whose main thread does not answer.
#include "port/window/quit_signal.h"

#include <semaphore.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

namespace port {
namespace {

// Written by the handlers, read by the main thread and the watchdog. Lock-free
// atomics are safe to touch in a signal handler.
volatile std::sig_atomic_t g_quitRequested = 0;
std::atomic<int> g_signalsSinceClear{0};
std::atomic<int> g_lastSignal{0};
std::atomic<bool> g_answered{false};
std::atomic<ForcedQuitReport> g_report{nullptr};
std::atomic<long long> g_answerPeriodMilliseconds{kQuitAnswerPeriod.count()};
// The handlers post it (sem_post may be called from a handler); the watchdog waits.
sem_t g_wake;

constexpr int kQuitSignals[] = {SIGINT, SIGTERM};
constexpr long kNanosecondsPerMillisecond = 1000000;
constexpr long kNanosecondsPerSecond = 1000000000;

void RequestQuit(int signalNumber)
{
    const int savedErrno = errno;
    g_quitRequested = 1;
    g_lastSignal = signalNumber;
    ++g_signalsSinceClear;
    sem_post(&g_wake);
    errno = savedErrno;
}

const char* SignalName(int signalNumber) { return signalNumber == SIGINT ? "SIGINT" : "SIGTERM"; }

[[noreturn]] void EndNow(const char* why)
{
    const int signalNumber = g_lastSignal.load();
    char line[160];
    std::snprintf(line, sizeof line, "%s %s: the process ends at once", SignalName(signalNumber), why);
    if (const ForcedQuitReport report = g_report.load()) report(line);
    std::fprintf(stderr, "%s\n", line);
    std::fflush(stderr);
    ::_exit(kForcedQuitExitBase + signalNumber);
}

timespec MonotonicDeadline(long long milliseconds)
{
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(milliseconds / 1000);
    deadline.tv_nsec += static_cast<long>(milliseconds % 1000) * kNanosecondsPerMillisecond;
    if (deadline.tv_nsec >= kNanosecondsPerSecond) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= kNanosecondsPerSecond;
    }
    return deadline;
}

// Sleeps until a request arrives, then until it is answered, cleared, followed by a
// second signal, or left alone for the answer period.
void WatchQuitRequests()
{
    for (;;) {
        while (sem_wait(&g_wake) != 0) {
        }
        if (g_signalsSinceClear.load() == 0) continue;
        const timespec deadline = MonotonicDeadline(g_answerPeriodMilliseconds.load());
        for (;;) {
            const int signals = g_signalsSinceClear.load();
            if (signals == 0) break;
            if (signals >= 2) EndNow("received a second time");
            if (g_answered.load()) {
                // Only a second signal matters now.
                while (sem_wait(&g_wake) != 0) {
                }
                continue;
            }
            if (sem_clockwait(&g_wake, CLOCK_MONOTONIC, &deadline) != 0 && errno == ETIMEDOUT) {
                if (g_signalsSinceClear.load() == 1 && !g_answered.load()) EndNow("left unanswered");
            }
        }
    }
}

void StartWatchdog()
{
    static std::once_flag started;
    std::call_once(started, [] {
        sem_init(&g_wake, 0, 0);
        // The watchdog must not take the signals itself, or a busy main thread would
        // never see the flag change under it; it inherits this mask.
        sigset_t blocked;
        sigset_t previous;
        sigemptyset(&blocked);
        for (const int signalNumber : kQuitSignals) sigaddset(&blocked, signalNumber);
        pthread_sigmask(SIG_BLOCK, &blocked, &previous);
        std::thread(WatchQuitRequests).detach();
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    });
}

}  // namespace

void InstallQuitSignals()
{
    StartWatchdog();
    struct sigaction action {};
    action.sa_handler = RequestQuit;
    sigemptyset(&action.sa_mask);
    // The main thread's waits go on where they were; the flag is read after them.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kQuitSignals) sigaction(signalNumber, &action, nullptr);
}

bool QuitRequested() { return g_quitRequested != 0; }

void AnswerQuitRequest()
{
    g_answered = true;
    sem_post(&g_wake);
}

void ClearQuitRequest()
{
    g_quitRequested = 0;
    g_signalsSinceClear = 0;
    g_answered = false;
    sem_post(&g_wake);
}

void SetForcedQuitReport(ForcedQuitReport report) { g_report = report; }

void SetQuitAnswerPeriod(std::chrono::milliseconds period) { g_answerPeriodMilliseconds = period.count(); }

}  // namespace port
