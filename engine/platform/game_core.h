// The engine core: owns the engine's singletons (logger, script host, renderer, sound
// manager, GUI manager, vertex batch) and every screen widget; draws and updates the
// focused screen and routes input to the GUI windows first, then to that screen.
#pragma once
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "port/audio/audio_system.h"

namespace vrk {

class cGUI;
class cWidget;
class Console;
class Logger;
class VertexBatch;

// The virtual screen the GUI works on.
constexpr float kGuiWidth = 1024.0f;
constexpr float kGuiHeight = 768.0f;

class cGame {
public:
    // audio picks the sound output; tests use the null one.
    explicit cGame(port::AudioOutputKind audio = port::AudioOutputKind::kDevice);
    ~cGame();
    cGame(const cGame&) = delete;
    cGame& operator=(const cGame&) = delete;

    int DrawFrame();
    int UpdateFrame(float dt);
    // Window pixels; a height of 0 is kept as 1.
    int Resize(int32_t width, int32_t height);

    // Input routing; 1 when consumed. Positions are window pixels, buttons 0 left,
    // 1 middle, 2 right.
    int OnKeyDown(int32_t virtualKey);
    int OnChar(int32_t character);
    int OnMouseDown(int32_t button, int32_t x, int32_t y);
    int OnMouseUp(int32_t button, int32_t x, int32_t y);
    int OnMouseMove(int32_t x, int32_t y);

    // Focuses the first widget of that name; none stays focused when there is none.
    void SetFocus(const std::string& name);
    // The main window's caption (UTF-8).
    void SetTitle(const std::string& title);

    // Called by the cWidget constructor: the core owns the widget from here on.
    void AdoptWidget(cWidget* widget);
    const std::list<std::unique_ptr<cWidget>>& Widgets() const { return widgets_; }
    // The developer console the logger holds now, or null (a test may give the logger
    // another sink, so the core never keeps its own pointer).
    Console* GetConsole() const;

    // Set by the application while it starts up, so splash and loading go on while the
    // window is inactive.
    uint8_t keepRunning = 0;
    cWidget* focused = nullptr;
    // While non-zero the focused widget gets no tick, update or event (GUI windows
    // still do). The message box and the escape window raise and lower it as a
    // counter; every focus change clears it.
    int32_t suspended = 0;
    // Keys and characters go to the developer console first while this is set.
    uint8_t consoleActive = 0;
    std::unique_ptr<VertexBatch> batch;
    std::unique_ptr<cGUI> gui;
    std::string localeName;
    // 1 while the current locale is Japanese, Korean or Chinese.
    uint8_t localeFlag = 0;
    float lastFrameTime = kInitialFrameTime;
    // Twice the frames counted in the last half second (the shell's timer).
    int32_t fps = 0;
    int32_t frameCount = 0;
    // The part of a fixed tick carried over to the next frame.
    float fixedStepAccumulator = 0.0f;

private:
    static constexpr float kInitialFrameTime = 0.01f;

    std::list<std::unique_ptr<cWidget>> widgets_;
    std::unique_ptr<Logger> logger_;
};

// The engine core, null while there is none.
cGame* GetGame();

}  // namespace vrk
