// The video system: SDL's video and event subsystems and the OpenGL library. Exactly
// one lives while the game has a window; it must outlive every MainWindow.
//
// The shell's start-up maps the steps to exit codes: Start() failing is exit 1,
// LoadGlLibrary() failing is exit 2 (window creation failing, see MainWindow, is 3).
#pragma once
#include <string>

namespace port {

class VideoSystem {
public:
    VideoSystem() = default;
    ~VideoSystem();
    VideoSystem(const VideoSystem&) = delete;
    VideoSystem& operator=(const VideoSystem&) = delete;

    // Starts SDL video and events. Also sets the input behaviour the shell relies on:
    // no mouse capture outside the window, no automatic quit when the window is closed
    // (the shell decides), SIGINT/SIGTERM arrive as a quit message (quit_signal.h).
    // False on failure, with the reason in Error().
    bool Start();
    // Loads the system's OpenGL library. Needs Start(). False on failure.
    bool LoadGlLibrary();
    // Unloads it again (the device-rebuild path loads it anew). Only while no window
    // exists.
    void UnloadGlLibrary();

    bool Started() const { return started_; }
    bool GlLoaded() const { return glLoaded_; }
    // The video driver in use ("x11", "wayland", "offscreen", ...); empty before Start.
    std::string DriverName() const;
    const std::string& Error() const { return error_; }

private:
    bool started_ = false;
    bool glLoaded_ = false;
    std::string error_;
};

}  // namespace port
