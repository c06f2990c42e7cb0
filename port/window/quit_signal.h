// SIGINT and SIGTERM as a request to quit. The handlers only raise a flag and wake a
// watchdog thread, the things a signal handler may safely do; the message pump turns
// the flag into the quit message, and the script host stops a running script when it
// sees it, so that a script that never ends cannot keep the game from ending. Where
// the main thread cannot look (stuck inside one long C call), the watchdog ends the
// process: at once on a second signal, or when the first is left unanswered for
// kQuitAnswerPeriod.
#pragma once
#include <chrono>

namespace port {

// How long the first request may wait for the message pump to take it up.
inline constexpr std::chrono::milliseconds kQuitAnswerPeriod{5000};

// Installs the handlers for SIGINT and SIGTERM in place of any earlier ones (SDL's
// own would only queue an event, which nobody reads while a script runs), and starts
// the watchdog once.
void InstallQuitSignals();
// True once SIGINT or SIGTERM arrived since the start (or the last ClearQuitRequest).
bool QuitRequested();
// The main thread took the request up: the game ends the normal way, and only a
// second signal still ends it at once.
void AnswerQuitRequest();
// Forgets an earlier request; for tests that raise a signal in their own process.
void ClearQuitRequest();

// Where the watchdog writes its one line before it ends the process (called on the
// watchdog's thread while the main thread is stuck); standard error always gets it.
using ForcedQuitReport = void (*)(const char* line);
void SetForcedQuitReport(ForcedQuitReport report);
// The answer period; tests shorten it.
void SetQuitAnswerPeriod(std::chrono::milliseconds period);

// The exit code of a process the watchdog ends: as a shell reports a process that a
// signal ended (128 + the signal's number).
inline constexpr int kForcedQuitExitBase = 128;

}  // namespace port
