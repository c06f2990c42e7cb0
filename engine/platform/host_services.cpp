// Host commands, the window mode switch and the small platform queries.
#include "engine/platform/host_services.h"

#include <string>

#include "engine/platform/about_text.h"
#include "engine/platform/game_core.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/window_setup.h"
#include "engine/text/text_parse.h"
#include "engine/text/text_table.h"
#include "engine/text/utf.h"
#include "port/window/input_state.h"
#include "port/window/message_box.h"
#include "port/window/system_info.h"
#include "port/window/virtual_keys.h"

namespace vrk {

namespace {

// The caption cut to kTitleLimit UTF-16 units, never inside a surrogate pair.
std::string BoundedTitle(const std::string& title)
{
    const std::vector<char16_t> wide = Utf8ToWide(title);
    size_t units = wide.empty() ? 0 : wide.size() - 1;  // without the closing 0
    if (units <= kTitleLimit) return WideToUtf8(wide.data(), wide.data() + units);
    units = kTitleLimit;
    constexpr char16_t kHighSurrogateFirst = 0xD800;
    constexpr char16_t kHighSurrogateLast = 0xDBFF;
    if (wide[units - 1] >= kHighSurrogateFirst && wide[units - 1] <= kHighSurrogateLast) --units;
    return WideToUtf8(wide.data(), wide.data() + units);
}

}  // namespace

int HostCommand(const char* command)
{
    if (command == nullptr) return 0;
    const std::string text = command;
    const auto [name, value] = SplitPair(text, "=");
    ShellState& shell = Shell();
    if (text == "exit") {
        shell.pump.PostQuit(0);
    } else if (text == "OnGameStart") {
        if (cGame* game = GetGame()) game->SetTitle(FindText("GameTitle"));
    } else if (name == "title") {
        shell.title = BoundedTitle(value);
        if (shell.mainWindow) shell.mainWindow->SetTitle(shell.title);
    }
    return 0;
}

void SetFullScreen(uint8_t fullScreen)
{
    ShellState& shell = Shell();
    const int32_t requested = fullScreen != 0 ? 1 : 0;
    if (requested == shell.fullScreen) return;
    shell.fullScreen = requested;
    DestroyMainWindow();
    if (CreateMainWindow(requested) == 0) PostRebuildMessage();
}

const char* GetUserLanguage()
{
    static std::string language;
    language = port::UserLanguage();
    if (language.empty()) language = "en";
    return language.c_str();
}

bool IsControlKeyDown() { return port::IsKeyDown(port::vk::kLeftControl); }

bool IsMouseButtonDown(int32_t button)
{
    switch (button) {
    case kMouseButtonLeft: return port::IsKeyDown(port::vk::kLeftButton);
    case kMouseButtonMiddle: return port::IsKeyDown(port::vk::kMiddleButton);
    case kMouseButtonRight: return port::IsKeyDown(port::vk::kRightButton);
    default: return false;
    }
}

namespace {
bool cursorOverridden = false;
int32_t cursorOverrideX = 0;
int32_t cursorOverrideY = 0;
}  // namespace

void SetCursorOverride(int32_t x, int32_t y)
{
    cursorOverridden = true;
    cursorOverrideX = x;
    cursorOverrideY = y;
}

void ClearCursorOverride() { cursorOverridden = false; }

void GetCursorClientPos(int32_t& x, int32_t& y)
{
    if (cursorOverridden) {
        x = cursorOverrideX;
        y = cursorOverrideY;
        return;
    }
    int cursorX = 0;
    int cursorY = 0;
    port::CursorClientPosition(Shell().mainWindow.get(), cursorX, cursorY);
    x = cursorX;
    y = cursorY;
}

void ShowAboutBox() { port::ShowMessageBox(kGameTitle, kAboutText, Shell().mainWindow.get()); }

}  // namespace vrk
