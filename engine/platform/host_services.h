// Small services of the shell that the rest of the game calls: host commands, the
// window mode switch, the user's language, the left-Ctrl test, the cursor position and
// the About box.
#pragma once
#include <cstddef>
#include <cstdint>

namespace vrk {

// "exit" ends the game, "OnGameStart" sets the caption from the text "GameTitle",
// "title=<text>" sets the caption. Anything else does nothing. Always 0.
int HostCommand(const char* command);
// Switches between windowed (0) and full screen (non-zero) when that differs from the
// current mode, re-creating window and device.
void SetFullScreen(uint8_t fullScreen);
// The user's ISO 639 language code, such as "en"; never empty.
const char* GetUserLanguage();
// True while the left Ctrl key is held.
bool IsControlKeyDown();
// Mouse buttons, numbered as the core's button events number them.
enum MouseButton : int32_t {
    kMouseButtonLeft = 0,
    kMouseButtonMiddle = 1,
    kMouseButtonRight = 2,
};
// True while that button is held, as the user sees it (after any swap); false for
// any other number.
bool IsMouseButtonDown(int32_t button);
// The mouse position in client pixels of the main window (0, 0 without a window).
void GetCursorClientPos(int32_t& x, int32_t& y);
// For tests that drive the game without a real mouse: while set, the cursor
// position above is this point instead of the window's.
void SetCursorOverride(int32_t x, int32_t y);
void ClearCursorOverride();
// The About box with the credits; returns when the user closes it.
void ShowAboutBox();

// The longest caption kept, in UTF-16 units.
constexpr size_t kTitleLimit = 255;

}  // namespace vrk
