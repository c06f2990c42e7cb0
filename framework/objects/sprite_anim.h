// SpriteAnim: a sprite record with the play state that steps through its frames in
// six modes. Scene objects keep one for the animation that plays; overlays, talk
// faces and controls use it on their own with the drawing operations below.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/small_math.h"
#include "framework/objects/sprite_info.h"

namespace vrk {
class VertexBatch;
}

// Play modes. Other values may be stored by a caller but are never played.
enum SpritePlayMode : int32_t {
    kPlayStopped = 0,
    kPlayOnceForward = 1,
    kPlayOnceBackward = 2,
    kPlayLoopForward = 3,
    kPlayLoopBackward = 4,
    kPlayPingPong = 5,
};

// True for the modes 0 to 5, the ones the play state knows how to apply.
constexpr bool IsPlayableMode(int32_t mode) { return mode >= kPlayStopped && mode <= kPlayPingPong; }

struct SpritePlayState {
    int32_t mode = kPlayStopped;
    int32_t frame = 0;
    int32_t frameCount = 0;
    float time = 0.0f;             // seconds gathered toward the next step
    float secondsPerFrame = 0.0f;
    float framesPerSecond = 0.0f;
    int32_t direction = 1;         // +1 or -1
};

struct SpriteAnim {
    SpriteInfo info;
    SpritePlayState play;

    // Advances the play state by dt seconds; answers the number of frame steps.
    int32_t Update(float dt);
    // Applies a mode 0-5 (direction, and with restart frame and time); the caller
    // stores the mode itself. Other modes change nothing.
    void SetPlayMode(bool restart, int32_t mode);

    // Takes a record: frame 0, its count and rate, time 0, direction +1 (mode kept).
    void LoadRecord(const SpriteInfo& record);
    // No record at all: count 0, one second per frame, one frame per second,
    // direction +1, mode 0 and stopped at frame 0.
    void Clear();
    // The current frame when it is a valid index of the record, else -1.
    int32_t CurrentFrame() const;

    // Drawing and set-up by name (defined with the sprite drawing, sprite_draw.cpp).
    // Draw: the current frame at the point minus its hot spot, rounded down to whole
    // pixels; DrawExact keeps fractions; DrawTransformed scales and rotates about
    // the point.
    void Draw(vrk::VertexBatch& batch, float x, float y, uint32_t color) const;
    void DrawExact(vrk::VertexBatch& batch, float x, float y, uint32_t color) const;
    void DrawTransformed(vrk::VertexBatch& batch, float x, float y, float scaleX, float scaleY,
                         uint32_t color, float angle) const;
    // Takes the record of the sprite name from the application and restarts the
    // play state in the mode; with loadNow the texture is made ready at once.
    void SetSprite(const std::string& name, int32_t mode, bool loadNow);
};

// Draws the texture region into the destination rectangle with its four values
// rounded down to whole pixels, so a picture sits on the pixel grid without
// blurring (defined with the sprite drawing, sprite_draw.cpp). Nothing without a
// texture.
void DrawImageRounded(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const Rect& destination,
                      const FrameWindow& region, uint32_t color);
