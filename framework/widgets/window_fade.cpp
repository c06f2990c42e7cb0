// The window fade: its steps, the close after a fade-out and the tint colour.
#include "framework/widgets/window_fade.h"

#include <cmath>

#include "engine/gui/gui.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"

namespace {

constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr float kFullAlpha = 255.0f;
constexpr int kAlphaShift = 24;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;

}  // namespace

void cWindowFade::Start(float target)
{
    start_ = opacity_;
    target_ = target;
    duration_ = std::fabs(target - opacity_) / kSpeed;
    elapsed_ = 0.0f;
    if (duration_ < kInstant) {
        duration_ = 0.0f;
        opacity_ = target;
    }
}

void cWindowFade::Advance(uint32_t milliseconds)
{
    if (elapsed_ == duration_) return;
    elapsed_ += static_cast<float>(milliseconds) / kMillisecondsPerSecond;
    if (elapsed_ >= duration_) {
        elapsed_ = duration_;
        opacity_ = target_;
    } else {
        opacity_ = start_ + (target_ - start_) * elapsed_ / duration_;
    }
}

void cWindowFade::Update(vrk::cWindow* window, uint32_t milliseconds)
{
    Advance(milliseconds);
    if (opacity_ == kTransparent && target_ == kTransparent && window != nullptr && window->GetGUI() != nullptr)
        window->GetGUI()->CloseWindow(window->GetName());
}

bool cWindowFade::Follow(vrk::cWindow* window, int32_t code, intptr_t first)
{
    switch (code) {
    case vrk::kWndOpened: Start(kOpaque); return false;
    case vrk::kWndCloseRequested: Start(kTransparent); return true;
    case vrk::kWndUpdate: Update(window, static_cast<uint32_t>(first)); return false;
    default: return false;
    }
}

uint32_t cWindowFade::TintAt(float opacity)
{
    const auto alpha = static_cast<uint32_t>(static_cast<int32_t>(opacity * kFullAlpha));
    return (alpha << kAlphaShift) | kWhiteRgb;
}
