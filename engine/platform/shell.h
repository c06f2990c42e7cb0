// The program's entry: single instance, path macros, video system, drawing interface,
// engine core, main window and application, the main loop, and the orderly shutdown.
#pragma once
#include "engine/platform/application_base.h"

namespace vrk {

class GpuLibrary;

// Runs the whole program and returns its exit code (see exit_codes.h). The factory
// makes the application object once the window exists. gpuLibrary null means the
// system's OpenGL; tests hand in a recording backend.
int WinMainEntry(const ApplicationFactory& factory, GpuLibrary* gpuLibrary = nullptr);

// Sets "{ExePath}", "{StaticPath}", "{AppPath}" and "{UserPath}". A folder that cannot
// be found leaves its macro as it was. Always 1.
int InitSystemPaths();

// The game's folder below the user's data folder.
constexpr const char* kAppFolder = "/OstrandEntertainment/tervol/Kelvara2";

}  // namespace vrk
