// The sprite-description script written beside a texture: it makes one sprite
// description per sprite and fills it with the frames, in the engine's texture
// coordinates (0..1, v counted up from the bottom of the picture).
#pragma once
#include <string>
#include <vector>

struct SpriteFrame {
    float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f;  // pixels, from the picture's top-left
    float hotX = 0.0f, hotY = 0.0f;                // pixels, from the frame's top-left
};

struct SpriteDef {
    std::string name;
    float framesPerSecond = 0.0f;
    std::string note;  // written as a comment above the sprite
    std::vector<SpriteFrame> frames;
};

struct FrameNode {
    float u, v, cu, cv, dx, dy, w, h;
};

// Converts a frame in pixels of a picture of the given size into a node as the
// description functions take it: the hot spot counted from the frame's
// bottom-left corner, y up.
FrameNode ToFrameNode(const SpriteFrame& frame, int textureWidth, int textureHeight);

// tail: Lua lines written after the sprites, for what must happen as soon as the
// texture is there (such as loading the fonts the first window needs).
std::string SpriteScript(const std::string& textureName, int textureWidth, int textureHeight,
                         const std::vector<SpriteDef>& sprites, const std::string& tail = "");
