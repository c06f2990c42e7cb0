// Key numbers the game compares. They keep the values of the key codes the game's
// scripts and saved settings were written against, so they are not SDL's numbers.
#pragma once

namespace port::vk {

constexpr int kLeftButton = 0x01;
constexpr int kRightButton = 0x02;
constexpr int kMiddleButton = 0x04;
constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;
constexpr int kPause = 0x13;
constexpr int kCapsLock = 0x14;
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr int kDigit0 = 0x30;  // '0'..'9' are 0x30..0x39
constexpr int kLetterA = 0x41; // 'A'..'Z' are 0x41..0x5A
constexpr int kNumpad0 = 0x60; // numpad 0..9 are 0x60..0x69
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kF1 = 0x70;      // F1..F12 are 0x70..0x7B
constexpr int kF10 = 0x79;
constexpr int kF12 = 0x7B;
constexpr int kLeftShift = 0xA0;
constexpr int kRightShift = 0xA1;
constexpr int kLeftControl = 0xA2;
constexpr int kRightControl = 0xA3;
constexpr int kLeftAlt = 0xA4;
constexpr int kRightAlt = 0xA5;
constexpr int kSemicolon = 0xBA;
constexpr int kPlus = 0xBB;
constexpr int kComma = 0xBC;
constexpr int kMinus = 0xBD;
constexpr int kPeriod = 0xBE;
constexpr int kSlash = 0xBF;
constexpr int kBackquote = 0xC0;
constexpr int kLeftBracket = 0xDB;
constexpr int kBackslash = 0xDC;
constexpr int kRightBracket = 0xDD;
constexpr int kQuote = 0xDE;

}  // namespace port::vk
