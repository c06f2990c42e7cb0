// The engine's 2-D vertex batch: sprites, GUI frames, lines, sectors and text are
// appended here, grouped in runs by texture, and drawn run by run by cRender.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace vrk {

class cTexture;

// One batch vertex as the device draws it from client memory: position, ARGB colour,
// one two-coordinate texture set (24 bytes).
struct BatchVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    uint32_t color = 0;
    float u = 0.0f;
    float v = 0.0f;
};
static_assert(sizeof(BatchVertex) == 24, "the device reads batch vertices as 24-byte records");

// A stretch of consecutive vertices drawn with one texture. The key holds the texture
// (null for untextured drawing) so it stays alive until the batch is drawn, even when
// the registry replaces or drops it in between.
struct BatchRun {
    std::shared_ptr<cTexture> key;
    uint32_t first = 0;
    uint32_t count = 0;
};

class VertexBatch {
public:
    // A request fails once first + count + n of its run reaches this, so at most one
    // vertex less is ever used.
    static constexpr uint32_t kVertexCapacity = 65536;
    // Runs reserved up front; the list grows beyond it instead of re-texturing the
    // last run.
    static constexpr uint32_t kReservedRuns = 500;

    VertexBatch();

    // Forgets every run (the vertices are overwritten by the next appends). The caller
    // does this after drawing.
    void Clear();
    // Vertices in use: the end of the last run.
    uint32_t UsedVertices() const;

    std::vector<BatchVertex> vertices;
    std::vector<BatchRun> runs;
    uint32_t runCount = 0;
};

}  // namespace vrk
