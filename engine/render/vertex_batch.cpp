// VertexBatch storage: the fixed vertex array and the run list.
#include "engine/render/vertex_batch.h"

#include "engine/render/texture.h"

namespace vrk {

VertexBatch::VertexBatch() : vertices(kVertexCapacity), runs(kReservedRuns) {}

void VertexBatch::Clear()
{
    // Dropping the keys lets textures the registry already gave up go now rather
    // than at the next frame.
    for (uint32_t i = 0; i < runCount && i < runs.size(); ++i) runs[i].key.reset();
    runCount = 0;
}

uint32_t VertexBatch::UsedVertices() const
{
    if (runCount == 0 || runCount > runs.size()) return 0;
    const BatchRun& last = runs[runCount - 1];
    return last.first + last.count;
}

}  // namespace vrk
