// SpriteAnim: stepping the play state through the frames of its record.
#include "framework/objects/sprite_anim.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Far more steps than any frame table has; a larger step count (a stalled game
// handing in a huge dt) is cut here so the arithmetic below cannot overflow.
constexpr double kMaxSteps = 1.0e9;

// The non-negative remainder of value modulo count (count > 0).
int32_t Wrap(int64_t value, int32_t count)
{
    int64_t rest = value % count;
    if (rest < 0) rest += count;
    return static_cast<int32_t>(rest);
}

}  // namespace

int32_t SpriteAnim::Update(float dt)
{
    SpritePlayState& s = play;
    // Modes outside 0..5 are stored for the caller but never played.
    if (s.mode == kPlayStopped || !IsPlayableMode(s.mode)) return 0;
    if (s.frameCount < 2) return 0;
    // A record without a positive rate never steps.
    if (!(s.secondsPerFrame > 0.0f) || !std::isfinite(s.secondsPerFrame)) return 0;

    s.time += dt;
    if (!(s.time >= s.secondsPerFrame)) return 0;
    const double stepsWanted = std::min(std::trunc(static_cast<double>(s.time) / s.secondsPerFrame), kMaxSteps);
    const int32_t steps = static_cast<int32_t>(stepsWanted);
    s.time -= static_cast<float>(steps * static_cast<double>(s.secondsPerFrame));

    switch (s.mode) {
    case kPlayOnceForward:
        if (int64_t{s.frame} + steps >= s.frameCount) {
            s.frame = s.frameCount - 1;
            s.mode = kPlayStopped;
            SetPlayMode(false, kPlayStopped);
        } else {
            s.frame += steps;
        }
        break;
    case kPlayOnceBackward:
        if (int64_t{s.frame} - steps < 0) {
            s.frame = 0;
            s.mode = kPlayStopped;
            SetPlayMode(false, kPlayStopped);
        } else {
            s.frame -= steps;
        }
        break;
    case kPlayLoopForward:
        s.frame = Wrap(int64_t{s.frame} + steps, s.frameCount);
        break;
    case kPlayLoopBackward:
        s.frame = Wrap(int64_t{s.frame} - steps, s.frameCount);
        break;
    case kPlayPingPong: {
        if (s.frame < 0 || s.frame >= s.frameCount) s.frame = Wrap(s.frame, s.frameCount);
        // The bounce repeats every 2 (count - 1) steps.
        const int32_t period = 2 * (s.frameCount - 1);
        int32_t walk = steps > period ? period + steps % period : steps;
        for (; walk > 0; --walk) {
            // A direction that points out of the table (a backward mode switched to
            // ping-pong at its end) turns before the step instead of leaving it.
            const int32_t next = s.frame + s.direction;
            if (next < 0 || next >= s.frameCount) s.direction = -s.direction;
            s.frame += s.direction;
            if (s.frame == s.frameCount - 1 || s.frame == 0) s.direction = -s.direction;
        }
        break;
    }
    default:
        break;
    }
    return steps;
}

void SpriteAnim::SetPlayMode(bool restart, int32_t mode)
{
    SpritePlayState& s = play;
    switch (mode) {
    case kPlayStopped:
        s.time = 0.0f;
        if (restart) s.frame = 0;
        break;
    case kPlayOnceForward:
    case kPlayLoopForward:
        s.direction = 1;
        if (restart) {
            s.frame = 0;
            s.time = 0.0f;
        }
        break;
    case kPlayOnceBackward:
    case kPlayLoopBackward:
        s.direction = -1;
        if (restart) {
            s.frame = s.frameCount > 0 ? s.frameCount - 1 : 0;
            s.time = 0.0f;
        }
        break;
    case kPlayPingPong:
        if (restart) {
            s.direction = 1;
            s.frame = 0;
            s.time = 0.0f;
        }
        break;
    default:
        break;
    }
}

void SpriteAnim::LoadRecord(const SpriteInfo& record)
{
    info = record;
    play.frame = 0;
    play.frameCount = static_cast<int32_t>(
        std::min<uint32_t>(record.frameCount, static_cast<uint32_t>(std::numeric_limits<int32_t>::max())));
    play.time = 0.0f;
    play.framesPerSecond = record.framesPerSecond;
    // Without a positive rate the seconds per frame stay 0, which never steps.
    play.secondsPerFrame = record.framesPerSecond > 0.0f ? 1.0f / record.framesPerSecond : 0.0f;
    play.direction = 1;
}

void SpriteAnim::Clear()
{
    info = SpriteInfo{};
    play.frame = 0;
    play.frameCount = 0;
    play.time = 0.0f;
    play.secondsPerFrame = 1.0f;
    play.framesPerSecond = 1.0f;
    play.direction = 1;
    play.mode = kPlayStopped;
    SetPlayMode(true, kPlayStopped);
}

int32_t SpriteAnim::CurrentFrame() const
{
    return info.HasFrame(play.frame) ? play.frame : -1;
}
