// SpriteInfo: the flat view of one sprite description that the application hands out
// by sprite name, and the frame tables it shares with that description.
//
// The tables are immutable once built and shared by every record taken from the same
// description, so a record stays valid when its description is refilled or replaced:
// the old record keeps the old tables alive.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/render/texture.h"
#include "framework/objects/vec2.h"

// A frame's window in texture coordinates: left, top, width, height.
struct FrameWindow {
    float u = 0.0f;
    float v = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// The three tables of a description, always of the same length (the frame count).
struct SpriteFrames {
    std::vector<FrameWindow> windows;
    std::vector<vec2> hotSpots;  // subtracted from the draw point
    std::vector<vec2> sizes;     // on-screen size of each frame
};

struct SpriteInfo {
    vrk::TexturePtr texture;
    std::shared_ptr<const SpriteFrames> frames;
    uint32_t frameCount = 0;
    float framesPerSecond = 0.0f;

    // A record is a drawable sprite only with a texture and at least one frame.
    bool IsSprite() const { return texture != nullptr && frameCount > 0; }
    // True for 0 <= index < frame count with the tables present; every frame access
    // goes through this, whatever index a caller or a data file brings.
    bool HasFrame(int32_t index) const;
    // Out-of-range indexes answer zeros.
    FrameWindow Window(int32_t index) const;
    vec2 HotSpot(int32_t index) const;
    vec2 Size(int32_t index) const;
};

// Marks the record's texture as used, so the loading screen keeps or loads it (only
// textures that have something to load: a file or held pixels); with loadNow the
// texture is made ready at once. Nothing for a record without a texture.
void MarkSpriteTextureUsed(const SpriteInfo& info, bool loadNow);
