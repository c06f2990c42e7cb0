// Writing sprite-description scripts.
#include "sprite_script.h"

#include <cstdio>

namespace {

std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    return text;
}

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

FrameNode ToFrameNode(const SpriteFrame& frame, int textureWidth, int textureHeight)
{
    const float width = static_cast<float>(textureWidth);
    const float height = static_cast<float>(textureHeight);
    return {frame.x / width,
            1.0f - (frame.y + frame.h) / height,
            frame.w / width,
            frame.h / height,
            frame.hotX,
            frame.h - frame.hotY,
            frame.w,
            frame.h};
}

std::string SpriteScript(const std::string& textureName, int textureWidth, int textureHeight,
                         const std::vector<SpriteDef>& sprites, const std::string& tail)
{
    std::string out = "-- Sprites of the texture " + Quoted(textureName) + " (" + std::to_string(textureWidth) +
                      " x " + std::to_string(textureHeight) + "). Made by tools/art_tool; edit its manifest.\n";
    for (const SpriteDef& sprite : sprites) {
        out += "\n";
        if (!sprite.note.empty()) out += "-- " + sprite.note + "\n";
        out += "addTextureInfoExNodes(createTextureInfoEx(" + Quoted(sprite.name) + "), " + Quoted(textureName) +
               ", {\n";
        for (const SpriteFrame& frame : sprite.frames) {
            const FrameNode n = ToFrameNode(frame, textureWidth, textureHeight);
            out += "  { u = " + Number(n.u) + ", v = " + Number(n.v) + ", cu = " + Number(n.cu) +
                   ", cv = " + Number(n.cv) + ", dx = " + Number(n.dx) + ", dy = " + Number(n.dy) +
                   ", w = " + Number(n.w) + ", h = " + Number(n.h) + " },\n";
        }
        out += "}, " + Number(sprite.framesPerSecond) + ")\n";
    }
    if (!tail.empty()) {
        out += "\n" + tail;
        if (tail.back() != '\n') out += "\n";
    }
    return out;
}
