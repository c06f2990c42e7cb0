// The numbered events of the GUI: window events that window functions receive,
// control events that windows send to their controls, the align flags and the packing
// of a GUI point into one event parameter.
#pragma once
#include <cstdint>

namespace vrk {

// Codes passed to cWindowFunction::OnEvent. 13 is not used.
enum WindowEvent : int32_t {
    kWndRightButton = 0,
    kWndDraw = 1,
    kWndUpdate = 2,
    kWndKeyDown = 3,
    kWndChar = 4,
    kWndMouseMove = 5,
    kWndLeftDown = 6,
    kWndLeftUp = 7,
    kWndCreated = 8,
    kWndDestroying = 9,
    kWndOpened = 10,
    kWndCloseRequested = 11,
    kWndFilled = 12,
    kWndClosed = 14,
    kWndActivated = 15,
    kWndDeactivated = 16,
    kWndMiddleDown = 17,
    kWndMiddleUp = 18,
    kWndHoverStayed = 19,
    kWndLocaleChanged = 20,
    kWndMouseEntered = 32,
    kWndMouseLeft = 33,
    kWndEditEnter = 35,
    kWndClicked = 48,
    kWndCheckToggled = 49,
    kWndEditChanged = 50,
    kWndSliderChanged = 51,
    kWndEditLostFocus = 52,
    kWndListSelection = 53,
};

// Codes passed to cCtrl::OnEvent by the window.
enum CtrlEvent : int32_t {
    kCtrlUpdate = 2,
    kCtrlKeyDown = 3,
    kCtrlChar = 4,
    kCtrlMouseMove = 5,
    kCtrlLeftDown = 6,
    kCtrlLeftUp = 7,
    kCtrlMouseEntered = 32,
    kCtrlMouseLeft = 33,
    kCtrlFocusGained = 34,
    kCtrlFocusLost = 35,
};

// Text and cursor alignment. With y pointing up, Top puts the box below its anchor.
enum AlignFlag : uint32_t {
    kAlignNone = 0x00,
    kAlignLeft = 0x01,
    kAlignCenter = 0x02,
    kAlignRight = 0x04,
    kAlignTop = 0x08,
    kAlignMiddle = 0x10,
    kAlignBottom = 0x20,
};

// A GUI point in one parameter: y in the high half, x in the low half, each cut to 16
// bits.
intptr_t PackGuiPoint(int32_t x, int32_t y);
// The halves read back as signed 16-bit values, so points in the side bars left of the
// picture stay left of every control.
int32_t GuiPointX(intptr_t packed);
int32_t GuiPointY(intptr_t packed);

}  // namespace vrk
