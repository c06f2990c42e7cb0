// LightList: adding lights and drawing them with their flicker.
#include "framework/objects/light_list.h"

#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace {

constexpr float kChannelMax = 255.0f;
// How far a light's square swings with its angle, in world units per side.
constexpr float kFlickerReach = 15.0f;
// The base glow and how much the flicker adds to every channel.
constexpr float kGlowBase = 0.02f;
constexpr float kGlowSwing = 0.02f;
constexpr float kGlowFrequency = 6.0f;

float ChannelOf(uint32_t color, int shift) { return static_cast<float>((color >> shift) & 0xFFu) / kChannelMax; }

// A full channel plus the glow would pass 255 and wrap to almost black; it stays at
// full strength instead.
uint32_t ChannelByte(float value, float alpha)
{
    const float scaled = value * alpha * kChannelMax;
    if (!(scaled > 0.0f)) return 0;
    if (scaled >= kChannelMax) return 0xFFu;
    return static_cast<uint32_t>(scaled);
}

}  // namespace

int32_t LightList::Add(const std::string& textureName, const vec2& center, float radius, uint32_t color)
{
    LightRecord light;
    light.texture = vrk::FindTexture(textureName);
    if (light.texture) {
        light.x = center.x - radius;
        light.y = center.y - radius;
        light.w = 2.0f * radius;
        light.h = 2.0f * radius;
        light.r = ChannelOf(color, 16);
        light.g = ChannelOf(color, 8);
        light.b = ChannelOf(color, 0);
    }
    lights.push_back(light);
    return static_cast<int32_t>(lights.size()) - 1;
}

void LightList::SetActive(int32_t index, bool on)
{
    if (index < 0 || static_cast<size_t>(index) >= lights.size()) return;
    lights[static_cast<size_t>(index)].active = on ? 1 : 0;
}

void LightList::Draw(vrk::VertexBatch& batch, float alpha) const
{
    batch.Clear();
    for (const LightRecord& light : lights) {
        if (light.active == 0 || !light.texture) continue;
        const float c = std::cos(light.angle);
        const float s = std::sin(light.angle);
        const float glow = kGlowBase + kGlowSwing * std::sin(kGlowFrequency * light.angle);
        const uint32_t color = 0xFF000000u | ChannelByte(light.r + glow, alpha) << 16 |
                               ChannelByte(light.g + glow, alpha) << 8 | ChannelByte(light.b + glow, alpha);
        vrk::cRender::AddQuad(batch, light.texture, 0.0f, 0.0f, 1.0f, 1.0f, light.x - kFlickerReach * c,
                              light.y - kFlickerReach * s, light.w + 2.0f * kFlickerReach * c,
                              light.h + 2.0f * kFlickerReach * s, color);
    }
    if (vrk::cRender* render = vrk::GetRender()) render->DrawVertexBatch(batch);
    batch.Clear();
}
