// The device's state as the engine set it: render states, texture-stage states, bound
// textures, transforms, viewport, material and vertex format. Both backends keep one;
// it answers the Get* calls, knows the initial values and which ids are valid, and
// tracks what changed so the OpenGL backend only re-sends what it must.
#pragma once
#include <array>
#include <cstdint>
#include <map>

#include "port/gpu/gpu_constants.h"
#include "port/gpu/gpu_types.h"

namespace port {

class GpuTexture;

struct StageRecord {
    uint32_t colorOp = kOpDisable;
    uint32_t colorArg1 = kArgTexture;
    uint32_t colorArg2 = kArgCurrent;
    uint32_t alphaOp = kOpDisable;
    uint32_t alphaArg1 = kArgTexture;
    uint32_t alphaArg2 = kArgCurrent;
    uint32_t texCoordIndex = 0;
    uint32_t addressU = kAddressWrap;
    uint32_t addressV = kAddressWrap;
    uint32_t addressW = kAddressWrap;
    uint32_t magFilter = kFilterPoint;
    uint32_t minFilter = kFilterPoint;
    uint32_t mipFilter = kFilterNone;
    uint32_t transformFlags = kTransformDisable;
    GpuTexture* texture = nullptr;
    Matrix textureMatrix = Matrix::Identity();
};

class GpuStateBlock {
public:
    GpuStateBlock();

    // Back to the initial state for a back buffer of the given size.
    void Reset(bool autoDepthStencil, uint32_t backBufferWidth, uint32_t backBufferHeight);

    static bool IsKnown(RenderState state);
    static bool IsKnown(StageState state);

    // False (nothing stored) for an unknown id or a stage >= kMaxTextureStages.
    bool SetRenderState(RenderState state, uint32_t value);
    uint32_t GetRenderState(RenderState state) const;  // 0 for an unknown id
    bool SetStageState(uint32_t stage, StageState state, uint32_t value);
    uint32_t GetStageState(uint32_t stage, StageState state) const;
    // False for an unknown kind or a texture slot beyond the stages.
    bool SetTransform(TransformKind kind, const Matrix& matrix);
    Matrix GetTransform(TransformKind kind) const;

    StageRecord& Stage(uint32_t stage) { return stages_[stage]; }
    const StageRecord& Stage(uint32_t stage) const { return stages_[stage]; }

    Viewport viewport;
    Material material;
    uint32_t fvf = 0;
    // Set by every change of the stage, transform or vertex-format part; cleared by
    // the backend when it has sent them.
    bool stagesDirty = true;
    bool transformsDirty = true;

private:
    std::map<RenderState, uint32_t> renderStates_;
    std::array<StageRecord, kMaxTextureStages> stages_;
    Matrix world_, view_, projection_;
};

}  // namespace port
