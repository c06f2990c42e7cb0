// Key numbers the level editor answers to, in the engine's virtual-key numbering,
// and the editor's fixed step sizes.
#pragma once
#include <cstdint>

namespace editor_key {

constexpr uint32_t kBackspace = 0x08;
constexpr uint32_t kTab = 0x09;
constexpr uint32_t kLeft = 0x25;
constexpr uint32_t kUp = 0x26;
constexpr uint32_t kRight = 0x27;
constexpr uint32_t kDown = 0x28;
constexpr uint32_t kDelete = 0x2E;
constexpr uint32_t kDigit0 = 0x30;
constexpr uint32_t kDigit1 = 0x31;
constexpr uint32_t kDigit2 = 0x32;
constexpr uint32_t kDigit9 = 0x39;
constexpr uint32_t kC = 0x43;
constexpr uint32_t kD = 0x44;
constexpr uint32_t kF = 0x46;
constexpr uint32_t kH = 0x48;
constexpr uint32_t kL = 0x4C;
constexpr uint32_t kM = 0x4D;
constexpr uint32_t kN = 0x4E;
constexpr uint32_t kO = 0x4F;
constexpr uint32_t kS = 0x53;
constexpr uint32_t kV = 0x56;
constexpr uint32_t kPlus = 0xBB;
constexpr uint32_t kComma = 0xBC;
constexpr uint32_t kMinus = 0xBD;
constexpr uint32_t kPeriod = 0xBE;

}  // namespace editor_key

namespace editor_step {

// Arrow keys move by one unit, with left Ctrl by ten.
constexpr float kMove = 1.0f;
constexpr float kMoveLarge = 10.0f;
// Comma and period turn by 15 degrees, with left Ctrl by 90.
constexpr float kTurn = 0.2617994f;
constexpr float kTurnLarge = 1.5707964f;
// Each copy and paste shifts the pasted objects further by this much on both axes.
constexpr float kPasteShift = 10.0f;

}  // namespace editor_step
