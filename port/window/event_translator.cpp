// SDL event to window message translation.
#include "port/window/event_translator.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <string_view>

#include "port/window/key_map.h"
#include "port/window/text_input.h"
#include "port/window/virtual_keys.h"

namespace port {
namespace {

void Push(std::deque<WindowMessage>& out, MessageKind kind, std::intptr_t p1 = 0,
          std::intptr_t p2 = 0)
{
    out.push_back(WindowMessage{kind, p1, p2});
}

void TranslateWindowEvent(const SDL_WindowEvent& event, std::deque<WindowMessage>& out)
{
    SDL_Window* window = SDL_GetWindowFromID(event.windowID);
    if (window == nullptr)
        return;
    const Uint32 flags = SDL_GetWindowFlags(window);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: Push(out, MessageKind::kClose); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
        if ((flags & SDL_WINDOW_MINIMIZED) != 0)
            break;
        if ((flags & SDL_WINDOW_MAXIMIZED) != 0)
            Push(out, MessageKind::kSizeMaximized, width, height);
        else
            Push(out, MessageKind::kSizeRestored, width, height);
        break;
    case SDL_WINDOWEVENT_MINIMIZED: Push(out, MessageKind::kSizeMinimized); break;
    case SDL_WINDOWEVENT_MAXIMIZED: Push(out, MessageKind::kSizeMaximized, width, height); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: Push(out, MessageKind::kActivate); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: Push(out, MessageKind::kDeactivate); break;
    default: break;
    }
}

// Keys the game never sees as key-down messages: with left Alt held they belong to the
// window manager's shortcuts, and F10 is the menu key.
bool IsSystemKey(const SDL_KeyboardEvent& event, int virtualKey)
{
    return (event.keysym.mod & KMOD_LALT) != 0 || virtualKey == vk::kLeftAlt ||
           virtualKey == vk::kF10;
}

void TranslateKeyDown(const SDL_KeyboardEvent& event, std::deque<WindowMessage>& out)
{
    if (SDL_GetWindowFromID(event.windowID) == nullptr)
        return;
    const int virtualKey = VirtualKeyFromKeycode(event.keysym.sym);
    if (virtualKey == 0 || IsSystemKey(event, virtualKey))
        return;
    Push(out, MessageKind::kKeyDown, MessageKeyFor(virtualKey));
    if (const int character = ControlCharacterFor(virtualKey); character != 0)
        Push(out, MessageKind::kChar, character);
}

void TranslateText(const SDL_TextInputEvent& event, std::deque<WindowMessage>& out)
{
    if (SDL_GetWindowFromID(event.windowID) == nullptr)
        return;
    // The text is NUL-terminated within its fixed buffer; never read past the buffer.
    const std::string_view whole(event.text, sizeof(event.text));
    const std::size_t length = std::min(whole.find('\0'), whole.size());
    for (std::uint32_t codePoint : CharacterCodePoints({event.text, length}))
        Push(out, MessageKind::kChar, codePoint);
}

// The client position of a mouse event, clamped into the client area: with no mouse
// capture a release outside the window still reports outside coordinates.
bool ClientPoint(Uint32 windowId, int x, int y, std::intptr_t& packed)
{
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    if (window == nullptr)
        return false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    x = std::clamp(x, 0, std::max(width - 1, 0));
    y = std::clamp(y, 0, std::max(height - 1, 0));
    packed = PackPoint(x, y);
    return true;
}

int ButtonNumber(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return kMouseLeft;
    case SDL_BUTTON_MIDDLE: return kMouseMiddle;
    case SDL_BUTTON_RIGHT: return kMouseRight;
    default: return -1;
    }
}

void TranslateButton(const SDL_MouseButtonEvent& event, MessageKind kind,
                     std::deque<WindowMessage>& out)
{
    const int button = ButtonNumber(event.button);
    std::intptr_t packed = 0;
    if (button >= 0 && ClientPoint(event.windowID, event.x, event.y, packed))
        Push(out, kind, button, packed);
}

}  // namespace

void TranslateEvent(const SDL_Event& event, std::deque<WindowMessage>& out)
{
    switch (event.type) {
    case SDL_QUIT: Push(out, MessageKind::kQuit, 0); break;
    case SDL_WINDOWEVENT: TranslateWindowEvent(event.window, out); break;
    case SDL_DISPLAYEVENT: Push(out, MessageKind::kDisplayChange); break;
    case SDL_KEYDOWN: TranslateKeyDown(event.key, out); break;
    case SDL_TEXTINPUT: TranslateText(event.text, out); break;
    case SDL_MOUSEMOTION: {
        std::intptr_t packed = 0;
        if (ClientPoint(event.motion.windowID, event.motion.x, event.motion.y, packed))
            Push(out, MessageKind::kMouseMove, 0, packed);
        break;
    }
    case SDL_MOUSEBUTTONDOWN: TranslateButton(event.button, MessageKind::kButtonDown, out); break;
    case SDL_MOUSEBUTTONUP: TranslateButton(event.button, MessageKind::kButtonUp, out); break;
    default: break;
    }
}

}  // namespace port
