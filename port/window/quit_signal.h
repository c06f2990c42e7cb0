// SIGINT and SIGTERM as a request to quit. The handlers only raise a flag, the one
// thing a signal handler may safely do; the message pump turns the flag into the quit
// message, and the script host stops a running script when it sees it, so that a
// script that never ends cannot keep the game from ending.
#pragma once

namespace port {

// Installs the handlers for SIGINT and SIGTERM in place of any earlier ones (SDL's
// own would only queue an event, which nobody reads while a script runs).
void InstallQuitSignals();
// True once SIGINT or SIGTERM arrived since the start (or the last ClearQuitRequest).
bool QuitRequested();
// Forgets an earlier request; for tests that raise a signal in their own process.
void ClearQuitRequest();

}  // namespace port
