// The process-wide state of the shell: the video system, the message queue, the main
// window and its mode, the frame-time counter, the activity flag, and the engine core
// and application objects the shell creates and destroys.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "port/window/main_window.h"
#include "port/window/message_pump.h"
#include "port/window/video_system.h"

namespace vrk {

class cApplicationBase;
class cGame;

// The caption of the main window until the game sets its own.
constexpr const char* kGameTitle = "Kelvara 2";

struct ShellState {
    ShellState();
    ~ShellState();

    std::unique_ptr<port::VideoSystem> video;
    port::MessagePump pump;
    std::unique_ptr<port::MainWindow> mainWindow;
    // 1 = full screen; the device layer reads it for the presentation parameters.
    int32_t fullScreen = 0;
    std::string title = kGameTitle;
    std::uint64_t counterFrequency = 1;
    std::uint64_t lastCounter = 0;
    // 1 while the application is deactivated.
    int32_t inactive = 0;
    std::unique_ptr<cGame> core;
    std::unique_ptr<cApplicationBase> application;
    // The frame-time counter; tests give their own.
    std::function<std::uint64_t()> readCounter;
};

ShellState& Shell();

// Asks the main loop to rebuild the window, the device and the drawing interface.
void PostRebuildMessage();

}  // namespace vrk
