// The SIGINT and SIGTERM handlers and their flag.
#include "port/window/quit_signal.h"

#include <signal.h>

#include <csignal>

namespace port {
namespace {

// Written by the handlers, read by the main thread.
volatile std::sig_atomic_t g_quitRequested = 0;

constexpr int kQuitSignals[] = {SIGINT, SIGTERM};

void RequestQuit(int /*signalNumber*/) { g_quitRequested = 1; }

}  // namespace

void InstallQuitSignals()
{
    struct sigaction action {};
    action.sa_handler = RequestQuit;
    sigemptyset(&action.sa_mask);
    // The main thread's waits go on where they were; the flag is read after them.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kQuitSignals) sigaction(signalNumber, &action, nullptr);
}

bool QuitRequested() { return g_quitRequested != 0; }

void ClearQuitRequest() { g_quitRequested = 0; }

}  // namespace port
