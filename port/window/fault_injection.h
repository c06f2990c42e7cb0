// Test hook: the environment variable KELVARA_PORT_FAIL names one start-up step that
// should fail ("video", "gl" or "window"), so tests can drive the real binary down
// each failure path without breaking the machine's graphics.
#pragma once

namespace port {

// True when KELVARA_PORT_FAIL equals the step's name exactly.
bool FailureInjected(const char* step);

constexpr const char kFailVideo[] = "video";
constexpr const char kFailGl[] = "gl";
constexpr const char kFailWindow[] = "window";

}  // namespace port
