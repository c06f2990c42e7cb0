// Status rules, argument checks and resource bookkeeping shared by both devices.
#include "port/gpu/device_base.h"

#include <limits>

#include "port/gpu/depth_stencil_surface.h"

namespace port {

namespace {

constexpr uint32_t kPositionBytes = 12;
constexpr uint32_t kNormalBytes = 12;
constexpr uint32_t kColorBytes = 4;
constexpr uint32_t kFloatBytes = 4;
constexpr uint32_t kVerticesPerTriangle = 3;
constexpr uint32_t kKnownClearFlags = kClearTarget | kClearZBuffer | kClearStencil;

uint32_t TexCoordCount(uint32_t fvf) {
    switch (fvf & kFvfTexCoordSizeMask) {
        case kFvfTexCoordSize1: return 1;
        case kFvfTexCoordSize3: return 3;
        case kFvfTexCoordSize4: return 4;
        default: return 2;
    }
}

}  // namespace

DeviceBase::DeviceBase(const PresentParameters& params, const GpuCaps& caps)
    : params_(params), caps_(caps) {}

DeviceBase::~DeviceBase() { DetachAllTextures(); }

void DeviceBase::DetachAllTextures() {
    for (auto& [key, texture] : textures_) texture->DetachOwner();
    textures_.clear();
    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage) state_.Stage(stage).texture = nullptr;
}

DeviceBase::VertexLayout DeviceBase::LayoutOf(uint32_t fvf) {
    VertexLayout layout;
    uint32_t offset = (fvf & kFvfXyz) ? kPositionBytes : 0;
    if (fvf & kFvfNormal) {
        layout.normal = static_cast<int32_t>(offset);
        offset += kNormalBytes;
    }
    if (fvf & kFvfDiffuse) {
        layout.diffuse = static_cast<int32_t>(offset);
        offset += kColorBytes;
    }
    if (fvf & kFvfTex1) {
        layout.texCoord = static_cast<int32_t>(offset);
        layout.texCoordCount = TexCoordCount(fvf);
        offset += layout.texCoordCount * kFloatBytes;
    }
    layout.size = offset;
    return layout;
}

void DeviceBase::StartWithParameters(const PresentParameters& params) {
    params_ = params;
    sizeFromSurface_ = params.windowed && params.backBufferWidth == 0 && params.backBufferHeight == 0;
    if (sizeFromSurface_ || params.windowed == 0) {
        // Full screen the real back buffer is what the surface became, whatever was asked.
        uint32_t width = 0, height = 0;
        SurfaceSize(width, height);
        if (width > 0 && height > 0) {
            params_.backBufferWidth = width;
            params_.backBufferHeight = height;
        }
    }
    state_.Reset(params_.enableAutoDepthStencil != 0, params_.backBufferWidth, params_.backBufferHeight);
    inScene_ = false;
    needsReset_ = false;
    OnStateReset();
}

GpuResult DeviceBase::TestCooperativeLevel() {
    if (forcedLost_) return kGpuDeviceLost;
    if (sizeFromSurface_) {
        uint32_t width = 0, height = 0;
        SurfaceSize(width, height);
        if (width > 0 && height > 0 &&
            (width != params_.backBufferWidth || height != params_.backBufferHeight)) {
            needsReset_ = true;
        }
    }
    return needsReset_ ? kGpuDeviceNotReset : kGpuOk;
}

GpuResult DeviceBase::Reset(const PresentParameters& params) {
    if (forcedLost_) return kGpuDeviceLost;
    if (*liveSurfaces_ > 0) return kGpuInvalidCall;
    PresentParameters next = params;
    if (!next.deviceWindow) next.deviceWindow = params_.deviceWindow;
    const GpuResult result = OnReset(next);
    if (result < 0) return result;
    StartWithParameters(next);
    return kGpuOk;
}

GpuResult DeviceBase::BeginScene() {
    if (inScene_) return kGpuInvalidCall;
    inScene_ = true;
    return kGpuOk;
}

GpuResult DeviceBase::EndScene() {
    if (!inScene_) return kGpuInvalidCall;
    inScene_ = false;
    return kGpuOk;
}

GpuResult DeviceBase::Present() {
    if (forcedLost_) return kGpuDeviceLost;
    return OnPresent();
}

GpuResult DeviceBase::Clear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) {
    if ((flags & kKnownClearFlags) == 0 || (flags & ~kKnownClearFlags) != 0) return kGpuInvalidCall;
    OnClear(flags, argb, z, stencil);
    return kGpuOk;
}

void DeviceBase::ForceLost(bool lost) {
    forcedLost_ = lost;
    // A device that was lost always needs a Reset before it draws again.
    if (!lost) needsReset_ = true;
}

bool DeviceBase::GetDeviceCaps(GpuCaps& caps) const {
    caps = caps_;
    return true;
}

GpuResult DeviceBase::SetViewport(const Viewport& viewport) {
    const uint64_t right = uint64_t{viewport.x} + viewport.width;
    const uint64_t top = uint64_t{viewport.y} + viewport.height;
    if (right > params_.backBufferWidth || top > params_.backBufferHeight ||
        viewport.minZ < 0.0f || viewport.maxZ > 1.0f || viewport.minZ > viewport.maxZ) {
        return kGpuInvalidCall;
    }
    state_.viewport = viewport;
    OnViewport();
    return kGpuOk;
}

GpuResult DeviceBase::SetTransform(TransformKind kind, const Matrix& matrix) {
    return state_.SetTransform(kind, matrix) ? kGpuOk : kGpuInvalidCall;
}

GpuResult DeviceBase::SetRenderState(RenderState state, uint32_t value) {
    if (!state_.SetRenderState(state, value)) return kGpuInvalidCall;
    OnRenderState(state, value);
    return kGpuOk;
}

GpuResult DeviceBase::SetTextureStageState(uint32_t stage, StageState state, uint32_t value) {
    return state_.SetStageState(stage, state, value) ? kGpuOk : kGpuInvalidCall;
}

GpuResult DeviceBase::SetTexture(uint32_t stage, GpuTexture* texture) {
    if (stage >= kMaxTextureStages) return kGpuInvalidCall;
    StoredTexture* ours = nullptr;
    if (texture) {
        auto found = textures_.find(texture);
        if (found == textures_.end()) return kGpuInvalidCall;  // not a texture of this device
        ours = found->second;
    }
    state_.Stage(stage).texture = ours;
    state_.stagesDirty = true;
    return kGpuOk;
}

GpuTexture* DeviceBase::GetTexture(uint32_t stage) const {
    return stage < kMaxTextureStages ? state_.Stage(stage).texture : nullptr;
}

GpuResult DeviceBase::SetMaterial(const Material& material) {
    state_.material = material;
    OnMaterial();
    return kGpuOk;
}

GpuResult DeviceBase::SetVertexFormat(uint32_t fvf) {
    state_.fvf = fvf;
    state_.transformsDirty = true;  // the texture matrices depend on the coordinate count
    return kGpuOk;
}

GpuResult DeviceBase::DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount,
                                      const void* vertices, uint32_t stride) {
    const VertexLayout layout = LayoutOf(state_.fvf);
    if (primitiveType != kPrimitiveTriangleList || primitiveCount == 0 || !vertices ||
        (state_.fvf & kFvfXyz) == 0 || stride < layout.size) {
        return kGpuInvalidCall;
    }
    constexpr uint64_t kMaxBytes = std::numeric_limits<int32_t>::max();
    if (uint64_t{primitiveCount} * kVerticesPerTriangle * stride > kMaxBytes) return kGpuInvalidCall;
    OnDraw(primitiveCount, static_cast<const uint8_t*>(vertices), stride);
    return kGpuOk;
}

GpuResult DeviceBase::CreateTexture(uint32_t width, uint32_t height, uint32_t levels,
                                    GpuFormat format, std::unique_ptr<GpuTexture>& texture) {
    texture.reset();
    if (width == 0 || height == 0) return kGpuInvalidCall;
    if (width > caps_.maxTextureWidth || height > caps_.maxTextureHeight) return kGpuInvalidCall;
    if (!IsTextureFormat(format) || (IsCompressedFormat(format) && !caps_.compressedTextures)) {
        return kGpuNotAvailable;
    }
    std::unique_ptr<StoredTexture> made;
    if (!MakeTexture(width, height, levels, format, made) || !made) return kGpuNotAvailable;
    textures_[made.get()] = made.get();
    texture = std::move(made);
    return kGpuOk;
}

GpuResult DeviceBase::GetDepthStencilSurface(std::unique_ptr<GpuSurface>& surface) {
    surface.reset();
    if (!params_.enableAutoDepthStencil) return kGpuNotAvailable;
    const SurfaceDesc desc{params_.autoDepthStencilFormat, params_.backBufferWidth,
                           params_.backBufferHeight};
    surface = std::make_unique<DepthStencilSurface>(desc, liveSurfaces_);
    return kGpuOk;
}

GpuResult DeviceBase::CreateDepthStencilSurface(uint32_t width, uint32_t height, GpuFormat format,
                                                uint32_t /*multiSampleType*/,
                                                std::unique_ptr<GpuSurface>& surface) {
    surface.reset();
    if (width == 0 || height == 0 || format != kFormatD16) return kGpuInvalidCall;
    surface = std::make_unique<DepthStencilSurface>(SurfaceDesc{format, width, height}, liveSurfaces_);
    return kGpuOk;
}

void DeviceBase::OnTextureDestroyed(StoredTexture* texture) {
    textures_.erase(static_cast<const GpuTexture*>(texture));
    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage) {
        if (state_.Stage(stage).texture == texture) {
            state_.Stage(stage).texture = nullptr;
            state_.stagesDirty = true;
        }
    }
}

}  // namespace port

