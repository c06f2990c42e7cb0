// CaptionList: the screen's rising texts (amounts gained, short notices). Each
// appears centred on a world point, drifts upwards, fades in its last second and
// goes after two seconds. The screen that owns the list gives it its font and batch.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/matrix4.h"
#include "framework/objects/vec2.h"

namespace vrk {
class VertexBatch;
class cFont;
}  // namespace vrk

struct RisingCaption {
    float life = 0.0f;  // seconds left
    std::string text;   // UTF-8
    float x = 0.0f;     // bottom-left of the text, world units
    float y = 0.0f;
    uint32_t color = 0xFFFFFFFFu;  // ARGB
};

class CaptionList {
public:
    static constexpr float kLife = 2.0f;
    // World units per second the texts rise.
    static constexpr float kRiseSpeed = 12.0f;

    // Measures the text in the font (a null font measures as empty) and adds it
    // centred on the point.
    void Add(const vrk::cFont* font, const std::string& text, const vec2& point);
    // Ages, lifts and fades the texts; those whose life has run out go.
    void Update(float dt);
    // Empties the batch, appends every text at its point through the matrix (world
    // to screen) and draws the batch when there is a renderer.
    void Draw(vrk::VertexBatch& batch, const vrk::cFont* font, const vrk::Matrix4& matrix) const;
    void Clear() { captions.clear(); }

    std::vector<RisingCaption> captions;
};
