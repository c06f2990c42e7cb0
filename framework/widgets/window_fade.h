// cWindowFade: a window's opacity on its way to shown or hidden at a fixed speed,
// the close once a fade-out is done, and the tint that draws at that opacity. The
// dialog base and the windows that draw themselves share it.
#pragma once
#include <cstdint>

namespace vrk {
class cWindow;
}

class cWindowFade {
public:
    static constexpr float kOpaque = 1.0f;
    static constexpr float kTransparent = 0.0f;
    // Opacity units per second: a full fade takes half a second.
    static constexpr float kSpeed = 2.0f;
    // Fades shorter than this happen at once.
    static constexpr float kInstant = 0.0001f;

    void Start(float target);
    void Advance(uint32_t milliseconds);
    // Advances, then closes the window once a fade-out is done. Only a fade-out
    // closes: an opening window meets opacity 0 too when its first update carries
    // no time.
    void Update(vrk::cWindow* window, uint32_t milliseconds);
    // Follows the window's events: opening fades in, a close request fades out (the
    // window stays open until an update finds the fade-out done), an update steps.
    // True for the close request, which the fade answers alone.
    bool Follow(vrk::cWindow* window, int32_t code, intptr_t first);
    // True while fading out and not there yet.
    bool IsFadingOut() const { return opacity_ != target_ && target_ == kTransparent; }

    float GetOpacity() const { return opacity_; }
    float GetTarget() const { return target_; }
    float GetDuration() const { return duration_; }

    // The render's texture factor that draws white at the opacity.
    static uint32_t TintAt(float opacity);

private:
    float start_ = 0.0f;
    float target_ = 0.0f;
    float opacity_ = 0.0f;
    float elapsed_ = 0.0f;
    float duration_ = 0.0f;
};
