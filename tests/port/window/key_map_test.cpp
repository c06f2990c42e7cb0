// Key table: SDL key codes to the game's virtual-key numbers and back.
#include "port/window/key_map.h"

#include <SDL2/SDL_keycode.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "port/window/virtual_keys.h"

namespace {

struct KeyRow {
    std::int32_t keycode;
    int virtualKey;
};

class KeyMapTable : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyMapTable, VirtualKeyFromKeycode_MapsKey)
{
    EXPECT_EQ(port::VirtualKeyFromKeycode(GetParam().keycode), GetParam().virtualKey);
}

TEST_P(KeyMapTable, KeycodesForVirtualKey_ListsKeyBack)
{
    if (GetParam().virtualKey == 0)
        return;
    const auto codes = port::KeycodesForVirtualKey(GetParam().virtualKey);
    EXPECT_NE(std::find(codes.begin(), codes.end(), GetParam().keycode), codes.end());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTable,
    testing::Values(KeyRow{SDLK_a, 'A'}, KeyRow{SDLK_m, 'M'}, KeyRow{SDLK_z, 'Z'},
                    KeyRow{SDLK_0, '0'}, KeyRow{SDLK_9, '9'}, KeyRow{SDLK_BACKSPACE, 8},
                    KeyRow{SDLK_TAB, 9}, KeyRow{SDLK_RETURN, 13}, KeyRow{SDLK_KP_ENTER, 13},
                    KeyRow{SDLK_ESCAPE, 27}, KeyRow{SDLK_SPACE, 32}, KeyRow{SDLK_PAGEUP, 33},
                    KeyRow{SDLK_PAGEDOWN, 34}, KeyRow{SDLK_END, 35}, KeyRow{SDLK_HOME, 36},
                    KeyRow{SDLK_LEFT, 37}, KeyRow{SDLK_UP, 38}, KeyRow{SDLK_RIGHT, 39},
                    KeyRow{SDLK_DOWN, 40}, KeyRow{SDLK_DELETE, 46}, KeyRow{SDLK_F1, 0x70},
                    KeyRow{SDLK_F12, 0x7B}, KeyRow{SDLK_MINUS, 0xBD}, KeyRow{SDLK_EQUALS, 0xBB},
                    KeyRow{SDLK_PLUS, 0xBB}, KeyRow{SDLK_COMMA, 0xBC}, KeyRow{SDLK_PERIOD, 0xBE},
                    KeyRow{SDLK_LCTRL, 0xA2}, KeyRow{SDLK_RCTRL, 0xA3}, KeyRow{SDLK_KP_5, 0x65},
                    KeyRow{SDLK_F13, 0}, KeyRow{SDLK_UNKNOWN, 0}, KeyRow{SDLK_BACKQUOTE, 0xC0}, KeyRow{SDLK_CARET, 0},
                    KeyRow{SDLK_z + 1, 0}));

TEST(KeyMap, MessageKeyFor_FoldsSidedModifiersOnly)
{
    EXPECT_EQ(port::MessageKeyFor(port::vk::kLeftControl), port::vk::kControl);
    EXPECT_EQ(port::MessageKeyFor(port::vk::kRightControl), port::vk::kControl);
    EXPECT_EQ(port::MessageKeyFor(port::vk::kLeftShift), port::vk::kShift);
    EXPECT_EQ(port::MessageKeyFor(port::vk::kRightAlt), port::vk::kAlt);
    EXPECT_EQ(port::MessageKeyFor('A'), 'A');
    EXPECT_EQ(port::MessageKeyFor(port::vk::kF1), port::vk::kF1);
}

TEST(KeyMap, KeycodesForVirtualKey_GenericControlListsBothSides)
{
    const auto codes = port::KeycodesForVirtualKey(port::vk::kControl);
    EXPECT_EQ(codes, (std::vector<std::int32_t>{SDLK_LCTRL, SDLK_RCTRL}));
    EXPECT_EQ(port::KeycodesForVirtualKey(port::vk::kLeftControl),
              std::vector<std::int32_t>{SDLK_LCTRL});
    EXPECT_TRUE(port::KeycodesForVirtualKey(0xFF).empty());
}

TEST(KeyMap, ControlCharacterFor_OnlyEditingKeysTypeCharacters)
{
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kBack), 8);
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kTab), 9);
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kReturn), 13);
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kEscape), 27);
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kDelete), 0);
    EXPECT_EQ(port::ControlCharacterFor(port::vk::kSpace), 0);
    EXPECT_EQ(port::ControlCharacterFor('A'), 0);
}

}  // namespace
