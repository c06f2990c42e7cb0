// The message record the platform layer hands to the shell's window procedure, and
// the kinds it can carry. Parameters are pointer-sized so a message can carry any
// value the shell posts to itself.
#pragma once
#include <cstdint>

namespace port {

enum class MessageKind : std::uint32_t {
    kNone = 0,
    // The user asked to close the window (title-bar button, window manager).
    kClose,
    // The client area changed size while shown normally; param1 width, param2 height
    // in client pixels.
    kSizeRestored,
    // The window was minimised; both params 0.
    kSizeMinimized,
    // The window was maximised; param1 width, param2 height.
    kSizeMaximized,
    // The window gained / lost the keyboard focus; no params.
    kActivate,
    kDeactivate,
    // A display was connected, removed or re-oriented; no params.
    kDisplayChange,
    // A key went down (auto-repeat included); param1 the virtual-key number.
    kKeyDown,
    // A typed character; param1 the code point (at most 0xFFFF).
    kChar,
    // Mouse messages: param1 the button (kMouseLeft, kMouseMiddle, kMouseRight; 0 for
    // a move), param2 the client position packed by PackPoint.
    kMouseMove,
    kButtonDown,
    kButtonUp,
    // The frame-rate timer is due; see MessagePump::StartTimer.
    kTimer,
    // The shell's own request to rebuild the drawing device; posted, never translated.
    kRebuildDevice,
    // The program should end (last message of the loop); param1 the exit code.
    kQuit,
};

// Button numbers as the engine core counts them.
constexpr int kMouseLeft = 0;
constexpr int kMouseMiddle = 1;
constexpr int kMouseRight = 2;

struct WindowMessage {
    MessageKind kind = MessageKind::kNone;
    std::intptr_t param1 = 0;
    std::intptr_t param2 = 0;

    bool operator==(const WindowMessage&) const = default;
};

// A client position in one parameter: y in the high 16 bits, x in the low 16 bits.
// Positions are clamped to the client area before packing, so both are 0..65535.
constexpr std::intptr_t PackPoint(int x, int y)
{
    return (static_cast<std::intptr_t>(y & 0xFFFF) << 16) | (x & 0xFFFF);
}
constexpr int PointX(std::intptr_t packed) { return static_cast<int>(packed & 0xFFFF); }
constexpr int PointY(std::intptr_t packed) { return static_cast<int>((packed >> 16) & 0xFFFF); }

}  // namespace port
