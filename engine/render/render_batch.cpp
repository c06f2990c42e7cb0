// cRender's batch writers: vertex allocation by texture run and the geometry of
// quads, nine-slice frames, lines and circle sectors.
#include <cmath>

#include "engine/render/render.h"

namespace vrk {

namespace {

constexpr uint32_t kQuadVertices = 6;
constexpr uint32_t kFrameCells = 9;
constexpr uint32_t kFrameCenterCell = 4;
constexpr uint32_t kSectorTriangles = 32;
constexpr float kSectorStepFactor = 1.0f / kSectorTriangles;

void SetVertex(BatchVertex& vertex, float x, float y, float u, float v, uint32_t color)
{
    vertex.x = x;
    vertex.y = y;
    vertex.z = 0.0f;
    vertex.color = color;
    vertex.u = u;
    vertex.v = v;
}

// Two triangles over an axis-aligned rectangle, in the batch's fixed corner order.
void WriteQuad(BatchVertex* out, float u, float v, float uw, float vh, float x, float y, float w,
               float h, uint32_t color)
{
    SetVertex(out[0], x, y, u, v, color);
    SetVertex(out[1], x + w, y, u + uw, v, color);
    SetVertex(out[2], x, y + h, u, v + vh, color);
    SetVertex(out[3], x, y + h, u, v + vh, color);
    SetVertex(out[4], x + w, y, u + uw, v, color);
    SetVertex(out[5], x + w, y + h, u + uw, v + vh, color);
}

}  // namespace

BatchVertex* cRender::AllocBatchVertices(VertexBatch& batch, const std::shared_ptr<cTexture>& key,
                                         uint32_t count)
{
    if (batch.runCount > batch.runs.size()) batch.runCount = static_cast<uint32_t>(batch.runs.size());
    const bool sameKey = batch.runCount > 0 && batch.runs[batch.runCount - 1].key == key;
    uint32_t first = 0;
    uint32_t used = 0;
    if (batch.runCount > 0) {
        const BatchRun& last = batch.runs[batch.runCount - 1];
        first = sameKey ? last.first : last.first + last.count;
        used = sameKey ? last.count : 0;
    }
    // A request that does not fit leaves the batch as it was (no empty run behind).
    const uint64_t end = uint64_t{first} + used + count;
    if (end >= VertexBatch::kVertexCapacity || batch.vertices.size() < VertexBatch::kVertexCapacity) {
        return nullptr;
    }
    if (!sameKey) {
        // Beyond the reserved runs the list grows: reusing the last run would
        // re-texture the sprites already written into it.
        if (batch.runCount == batch.runs.size()) batch.runs.emplace_back();
        BatchRun& run = batch.runs[batch.runCount++];
        run.key = key;
        run.first = first;
        run.count = 0;
    }
    BatchRun& run = batch.runs[batch.runCount - 1];
    BatchVertex* vertices = batch.vertices.data() + run.first + run.count;
    run.count += count;
    return vertices;
}

void cRender::AddQuad(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                      float uw, float vh, float x, float y, float w, float h, uint32_t color)
{
    BatchVertex* out = AllocBatchVertices(batch, key, kQuadVertices);
    if (out == nullptr) return;
    WriteQuad(out, u, v, uw, vh, x, y, w, h, color);
}

void cRender::DrawFrame(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                        float uw, float vh, float texBorderX, float texBorderY, float x, float y,
                        float w, float h, float borderX, float borderY, bool drawCenter,
                        uint32_t color)
{
    const uint32_t cells = drawCenter ? kFrameCells : kFrameCells - 1;
    BatchVertex* out = AllocBatchVertices(batch, key, cells * kQuadVertices);
    if (out == nullptr) return;
    const float xs[4] = {x, x + borderX, x + w - borderX, x + w};
    const float ys[4] = {y, y + borderY, y + h - borderY, y + h};
    const float us[4] = {u, u + texBorderX, u + uw - texBorderX, u + uw};
    const float vs[4] = {v, v + texBorderY, v + vh - texBorderY, v + vh};
    for (uint32_t cell = 0; cell < kFrameCells; ++cell) {
        if (cell == kFrameCenterCell && !drawCenter) continue;
        const uint32_t column = cell % 3;
        const uint32_t row = cell / 3;
        WriteQuad(out, us[column], vs[row], us[column + 1] - us[column], vs[row + 1] - vs[row],
                  xs[column], ys[row], xs[column + 1] - xs[column], ys[row + 1] - ys[row], color);
        out += kQuadVertices;
    }
}

void cRender::DrawLine(VertexBatch& batch, const std::shared_ptr<cTexture>& /*key*/, float u,
                       float v, float uw, float vh, float ax, float ay, float bx, float by,
                       float width, uint32_t color)
{
    // Lines are always drawn untextured, whatever key the caller passes.
    BatchVertex* out = AllocBatchVertices(batch, nullptr, kQuadVertices);
    if (out == nullptr) return;
    const float angle = std::atan2(by - ay, bx - ax);
    const float halfWidth = width * 0.5f;
    const float nx = -std::sin(angle) * halfWidth;
    const float ny = std::cos(angle) * halfWidth;
    SetVertex(out[0], ax - nx, ay - ny, u, v, color);
    SetVertex(out[1], bx - nx, by - ny, u + uw, v, color);
    SetVertex(out[2], ax + nx, ay + ny, u, v + vh, color);
    SetVertex(out[3], ax + nx, ay + ny, u, v + vh, color);
    SetVertex(out[4], bx - nx, by - ny, u + uw, v, color);
    SetVertex(out[5], bx + nx, by + ny, u + uw, v + vh, color);
}

void cRender::DrawSector(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                         float uw, float vh, float centerX, float centerY, float radius,
                         float startAngle, float endAngle, uint32_t color)
{
    BatchVertex* out = AllocBatchVertices(batch, key, kSectorTriangles * 3);
    if (out == nullptr) return;
    const float step = (endAngle - startAngle) * kSectorStepFactor;
    const float halfU = uw * 0.5f;
    const float halfV = vh * 0.5f;
    const float centerU = u + halfU;
    const float centerV = v + halfV;
    for (uint32_t i = 0; i < kSectorTriangles; ++i) {
        const float a = startAngle + step * static_cast<float>(i);
        const float b = a + step;
        SetVertex(out[0], centerX, centerY, centerU, centerV, color);
        SetVertex(out[1], centerX + radius * std::cos(a), centerY + radius * std::sin(a),
                  centerU + halfU * std::cos(a), centerV + halfV * std::sin(a), color);
        SetVertex(out[2], centerX + radius * std::cos(b), centerY + radius * std::sin(b),
                  centerU + halfU * std::cos(b), centerV + halfV * std::sin(b), color);
        out += 3;
    }
}

}  // namespace vrk
