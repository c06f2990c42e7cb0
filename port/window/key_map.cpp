// The key table: SDL key code to virtual-key number, in both directions.
#include "port/window/key_map.h"

#include <SDL2/SDL_keycode.h>

#include <array>
#include <utility>

#include "port/window/virtual_keys.h"

namespace port {
namespace {

using KeyPair = std::pair<std::int32_t, int>;

// Keys that are not letters or digits (those are mapped by range below).
constexpr std::array kKeyTable{
    KeyPair{SDLK_BACKSPACE, vk::kBack},
    KeyPair{SDLK_TAB, vk::kTab},
    KeyPair{SDLK_RETURN, vk::kReturn},
    KeyPair{SDLK_KP_ENTER, vk::kReturn},
    KeyPair{SDLK_PAUSE, vk::kPause},
    KeyPair{SDLK_CAPSLOCK, vk::kCapsLock},
    KeyPair{SDLK_ESCAPE, vk::kEscape},
    KeyPair{SDLK_SPACE, vk::kSpace},
    KeyPair{SDLK_PAGEUP, vk::kPageUp},
    KeyPair{SDLK_PAGEDOWN, vk::kPageDown},
    KeyPair{SDLK_END, vk::kEnd},
    KeyPair{SDLK_HOME, vk::kHome},
    KeyPair{SDLK_LEFT, vk::kLeft},
    KeyPair{SDLK_UP, vk::kUp},
    KeyPair{SDLK_RIGHT, vk::kRight},
    KeyPair{SDLK_DOWN, vk::kDown},
    KeyPair{SDLK_INSERT, vk::kInsert},
    KeyPair{SDLK_DELETE, vk::kDelete},
    KeyPair{SDLK_KP_0, vk::kNumpad0 + 0},
    KeyPair{SDLK_KP_1, vk::kNumpad0 + 1},
    KeyPair{SDLK_KP_2, vk::kNumpad0 + 2},
    KeyPair{SDLK_KP_3, vk::kNumpad0 + 3},
    KeyPair{SDLK_KP_4, vk::kNumpad0 + 4},
    KeyPair{SDLK_KP_5, vk::kNumpad0 + 5},
    KeyPair{SDLK_KP_6, vk::kNumpad0 + 6},
    KeyPair{SDLK_KP_7, vk::kNumpad0 + 7},
    KeyPair{SDLK_KP_8, vk::kNumpad0 + 8},
    KeyPair{SDLK_KP_9, vk::kNumpad0 + 9},
    KeyPair{SDLK_KP_MULTIPLY, vk::kMultiply},
    KeyPair{SDLK_KP_PLUS, vk::kAdd},
    KeyPair{SDLK_KP_MINUS, vk::kSubtract},
    KeyPair{SDLK_KP_PERIOD, vk::kDecimal},
    KeyPair{SDLK_KP_DIVIDE, vk::kDivide},
    KeyPair{SDLK_F1, vk::kF1 + 0},
    KeyPair{SDLK_F2, vk::kF1 + 1},
    KeyPair{SDLK_F3, vk::kF1 + 2},
    KeyPair{SDLK_F4, vk::kF1 + 3},
    KeyPair{SDLK_F5, vk::kF1 + 4},
    KeyPair{SDLK_F6, vk::kF1 + 5},
    KeyPair{SDLK_F7, vk::kF1 + 6},
    KeyPair{SDLK_F8, vk::kF1 + 7},
    KeyPair{SDLK_F9, vk::kF1 + 8},
    KeyPair{SDLK_F10, vk::kF1 + 9},
    KeyPair{SDLK_F11, vk::kF1 + 10},
    KeyPair{SDLK_F12, vk::kF1 + 11},
    KeyPair{SDLK_LSHIFT, vk::kLeftShift},
    KeyPair{SDLK_RSHIFT, vk::kRightShift},
    KeyPair{SDLK_LCTRL, vk::kLeftControl},
    KeyPair{SDLK_RCTRL, vk::kRightControl},
    KeyPair{SDLK_LALT, vk::kLeftAlt},
    KeyPair{SDLK_RALT, vk::kRightAlt},
    KeyPair{SDLK_SEMICOLON, vk::kSemicolon},
    KeyPair{SDLK_EQUALS, vk::kPlus},
    KeyPair{SDLK_PLUS, vk::kPlus},
    KeyPair{SDLK_COMMA, vk::kComma},
    KeyPair{SDLK_MINUS, vk::kMinus},
    KeyPair{SDLK_PERIOD, vk::kPeriod},
    KeyPair{SDLK_SLASH, vk::kSlash},
    KeyPair{SDLK_BACKQUOTE, vk::kBackquote},
    KeyPair{SDLK_LEFTBRACKET, vk::kLeftBracket},
    KeyPair{SDLK_BACKSLASH, vk::kBackslash},
    KeyPair{SDLK_RIGHTBRACKET, vk::kRightBracket},
    KeyPair{SDLK_QUOTE, vk::kQuote},
};

constexpr int kLetterCount = 26;
constexpr int kDigitCount = 10;

}  // namespace

int VirtualKeyFromKeycode(std::int32_t keycode)
{
    if (keycode >= SDLK_a && keycode < SDLK_a + kLetterCount)
        return vk::kLetterA + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode < SDLK_0 + kDigitCount)
        return vk::kDigit0 + (keycode - SDLK_0);
    for (const auto& [code, key] : kKeyTable) {
        if (code == keycode)
            return key;
    }
    return 0;
}

int MessageKeyFor(int virtualKey)
{
    switch (virtualKey) {
    case vk::kLeftShift:
    case vk::kRightShift: return vk::kShift;
    case vk::kLeftControl:
    case vk::kRightControl: return vk::kControl;
    case vk::kLeftAlt:
    case vk::kRightAlt: return vk::kAlt;
    default: return virtualKey;
    }
}

std::vector<std::int32_t> KeycodesForVirtualKey(int virtualKey)
{
    std::vector<std::int32_t> codes;
    if (virtualKey >= vk::kLetterA && virtualKey < vk::kLetterA + kLetterCount)
        codes.push_back(SDLK_a + (virtualKey - vk::kLetterA));
    if (virtualKey >= vk::kDigit0 && virtualKey < vk::kDigit0 + kDigitCount)
        codes.push_back(SDLK_0 + (virtualKey - vk::kDigit0));
    for (const auto& [code, key] : kKeyTable) {
        if (key == virtualKey || MessageKeyFor(key) == virtualKey)
            codes.push_back(code);
    }
    return codes;
}

int ControlCharacterFor(int virtualKey)
{
    switch (virtualKey) {
    case vk::kBack:
    case vk::kTab:
    case vk::kReturn:
    case vk::kEscape: return virtualKey;  // the key number is its character
    default: return 0;
    }
}

}  // namespace port
