// LightList: the coloured lights of a level (bonfires add theirs), drawn as additive
// textured squares that breathe with each light's flicker angle.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/texture.h"
#include "framework/objects/vec2.h"

namespace vrk {
class VertexBatch;
}

struct LightRecord {
    uint8_t active = 1;
    vrk::TexturePtr texture;  // null when the name was not found: never drawn
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float angle = 0.0f;  // flicker phase; the level screen advances it
};

class LightList {
public:
    // Appends a light of the texture centred on the point; color is 0xRRGGBB.
    // Returns its index.
    int32_t Add(const std::string& textureName, const vec2& center, float radius, uint32_t color);
    // Empties the batch, appends every active textured light with its channels
    // scaled by alpha (0..1), and draws the batch.
    void Draw(vrk::VertexBatch& batch, float alpha) const;
    // Switches the light at the index on or off; an index out of range changes
    // nothing (its owner may outlive a cleared list).
    void SetActive(int32_t index, bool on);
    void Clear() { lights.clear(); }

    std::vector<LightRecord> lights;
};
