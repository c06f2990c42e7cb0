// Initial values and bookkeeping of the device state shared by both backends.
#include "port/gpu/gpu_state_block.h"

namespace port {

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

}  // namespace

GpuStateBlock::GpuStateBlock() { Reset(false, 0, 0); }

void GpuStateBlock::Reset(bool autoDepthStencil, uint32_t backBufferWidth, uint32_t backBufferHeight) {
    renderStates_ = {
        {RenderState::kZEnable, autoDepthStencil ? kTrue : kFalse},
        {RenderState::kZWriteEnable, kTrue},
        {RenderState::kAlphaTestEnable, kFalse},
        {RenderState::kSrcBlend, kBlendOne},
        {RenderState::kDestBlend, kBlendZero},
        {RenderState::kCullMode, kCullCounterClockwise},
        {RenderState::kZFunc, kCmpLessEqual},
        {RenderState::kAlphaRef, 0},
        {RenderState::kAlphaFunc, kCmpAlways},
        {RenderState::kAlphaBlendEnable, kFalse},
        {RenderState::kTextureFactor, kOpaqueWhite},
        {RenderState::kLighting, kTrue},
        {RenderState::kAmbient, 0},
        {RenderState::kBlendOp, kBlendOpAdd},
    };
    for (uint32_t i = 0; i < kMaxTextureStages; ++i) {
        stages_[i] = StageRecord{};
        stages_[i].texCoordIndex = i;
    }
    stages_[0].colorOp = kOpModulate;
    stages_[0].alphaOp = kOpSelectArg1;
    world_ = view_ = projection_ = Matrix::Identity();
    viewport = Viewport{0, 0, backBufferWidth, backBufferHeight, 0.0f, 1.0f};
    material = Material{};
    fvf = 0;
    stagesDirty = true;
    transformsDirty = true;
}

bool GpuStateBlock::IsKnown(RenderState state) {
    switch (state) {
        case RenderState::kZEnable:
        case RenderState::kZWriteEnable:
        case RenderState::kAlphaTestEnable:
        case RenderState::kSrcBlend:
        case RenderState::kDestBlend:
        case RenderState::kCullMode:
        case RenderState::kZFunc:
        case RenderState::kAlphaRef:
        case RenderState::kAlphaFunc:
        case RenderState::kAlphaBlendEnable:
        case RenderState::kTextureFactor:
        case RenderState::kLighting:
        case RenderState::kAmbient:
        case RenderState::kBlendOp:
            return true;
    }
    return false;
}

bool GpuStateBlock::IsKnown(StageState state) {
    switch (state) {
        case StageState::kColorOp:
        case StageState::kColorArg1:
        case StageState::kColorArg2:
        case StageState::kAlphaOp:
        case StageState::kAlphaArg1:
        case StageState::kAlphaArg2:
        case StageState::kTexCoordIndex:
        case StageState::kAddressU:
        case StageState::kAddressV:
        case StageState::kMagFilter:
        case StageState::kMinFilter:
        case StageState::kMipFilter:
        case StageState::kTextureTransformFlags:
        case StageState::kAddressW:
            return true;
    }
    return false;
}

bool GpuStateBlock::SetRenderState(RenderState state, uint32_t value) {
    if (!IsKnown(state)) return false;
    renderStates_[state] = value;
    if (state == RenderState::kTextureFactor) stagesDirty = true;
    return true;
}

uint32_t GpuStateBlock::GetRenderState(RenderState state) const {
    auto found = renderStates_.find(state);
    return found == renderStates_.end() ? 0 : found->second;
}

namespace {

// Works for const and mutable records alike.
template <typename Record>
auto StageField(Record& s, StageState state) -> decltype(&s.colorOp) {
    switch (state) {
        case StageState::kColorOp: return &s.colorOp;
        case StageState::kColorArg1: return &s.colorArg1;
        case StageState::kColorArg2: return &s.colorArg2;
        case StageState::kAlphaOp: return &s.alphaOp;
        case StageState::kAlphaArg1: return &s.alphaArg1;
        case StageState::kAlphaArg2: return &s.alphaArg2;
        case StageState::kTexCoordIndex: return &s.texCoordIndex;
        case StageState::kAddressU: return &s.addressU;
        case StageState::kAddressV: return &s.addressV;
        case StageState::kMagFilter: return &s.magFilter;
        case StageState::kMinFilter: return &s.minFilter;
        case StageState::kMipFilter: return &s.mipFilter;
        case StageState::kTextureTransformFlags: return &s.transformFlags;
        case StageState::kAddressW: return &s.addressW;
    }
    return nullptr;
}

}  // namespace

bool GpuStateBlock::SetStageState(uint32_t stage, StageState state, uint32_t value) {
    if (stage >= kMaxTextureStages) return false;
    uint32_t* field = StageField(stages_[stage], state);
    if (!field) return false;
    *field = value;
    stagesDirty = true;
    if (state == StageState::kTextureTransformFlags) transformsDirty = true;
    return true;
}

uint32_t GpuStateBlock::GetStageState(uint32_t stage, StageState state) const {
    if (stage >= kMaxTextureStages) return 0;
    const uint32_t* field = StageField(stages_[stage], state);
    return field ? *field : 0;
}

bool GpuStateBlock::SetTransform(TransformKind kind, const Matrix& matrix) {
    const uint32_t id = static_cast<uint32_t>(kind);
    const uint32_t firstTexture = static_cast<uint32_t>(TransformKind::kTexture0);
    if (kind == TransformKind::kWorld) {
        world_ = matrix;
    } else if (kind == TransformKind::kView) {
        view_ = matrix;
    } else if (kind == TransformKind::kProjection) {
        projection_ = matrix;
    } else if (id >= firstTexture && id < firstTexture + kMaxTextureStages) {
        stages_[id - firstTexture].textureMatrix = matrix;
    } else {
        return false;
    }
    transformsDirty = true;
    return true;
}

Matrix GpuStateBlock::GetTransform(TransformKind kind) const {
    const uint32_t id = static_cast<uint32_t>(kind);
    const uint32_t firstTexture = static_cast<uint32_t>(TransformKind::kTexture0);
    if (kind == TransformKind::kWorld) return world_;
    if (kind == TransformKind::kView) return view_;
    if (kind == TransformKind::kProjection) return projection_;
    if (id >= firstTexture && id < firstTexture + kMaxTextureStages) {
        return stages_[id - firstTexture].textureMatrix;
    }
    return Matrix::Identity();
}

}  // namespace port
