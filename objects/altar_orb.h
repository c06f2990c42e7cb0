// What the player's altar and the enemy altar share: the same figure and footprint,
// the orb hovering over it on a small figure-eight, the laser flash of a cast and the
// place of the charge bar.
#pragma once
#include <cmath>

#include "framework/objects/sprite_anim.h"
#include "framework/objects/vec2.h"

namespace altar_orb {

inline constexpr const char* kLifeKey = "life";
inline constexpr const char* kFigureSprite = "altar00";
inline constexpr const char* kLaserSprite = "effect_laser";
inline constexpr const char* kReadySound = "altar_ready";
inline constexpr int32_t kFootprintCells = 2;
inline constexpr vec2 kBarOffset{-30.0f, 0.0f};
// The bar is centred this far below the altar's position.
inline constexpr vec2 kBarCentre{0.0f, -32.0f};
inline constexpr vec2 kLaserOffset{0.0f, 20.0f};
inline constexpr vec2 kLaserScale{2.0f, 6.0f};
// The orb turns 0.8 radians a second.
inline constexpr float kPhaseStep = 0.02666667f;
inline constexpr float kFullTurn = 6.2831855f;

// The phase one tick later, back to 0 after a full turn.
inline float NextPhase(float phase)
{
    phase += kPhaseStep;
    return phase >= kFullTurn ? 0.0f : phase;
}

// Where the orb hovers at the phase over an altar standing at the point.
inline vec2 OrbPoint(const vec2& at, float phase)
{
    return vec2{at.x - 5.0f + 7.0f * std::cos(phase), at.y + 30.0f + 3.0f * std::sin(2.0f * phase)};
}

// Flashes the laser once. A laser of fewer than two frames never reaches the end of a
// once-play, so it would stay lit for good: it is not started.
inline void StartLaser(SpriteAnim& laser)
{
    if (laser.play.frameCount < 2) return;
    laser.play.mode = kPlayOnceForward;
    laser.SetPlayMode(true, kPlayOnceForward);
}

}  // namespace altar_orb
