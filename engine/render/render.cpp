// cRender: the device holder, the cached device states, the 2-D set-up and the draw
// calls; plus the engine-wide renderer pointer.
#include "engine/render/render.h"

#include <algorithm>
#include <memory>

#include "engine/log/log.h"
#include "engine/render/texture.h"
#include "port/gpu/gpu_device.h"

namespace vrk {

namespace {

const char* const kSender = "cRender";
const char* const kIndentedSender = "  cRender";
const char* const kWarning = "^5";
const char* const kText = "^6";

constexpr float kChannelScale = 255.0f;
// trunc(H * 4/3) as the float the letterbox has always used.
constexpr float kFourThirds = 1.3333334f;
constexpr float kOrthoDepthScale = -0.0078125f;  // -1/128
constexpr uint32_t kPositionBytes = 12;
constexpr uint32_t kNormalBytes = 12;
constexpr uint32_t kColorBytes = 4;
constexpr uint32_t kTexCoordBytes = 4;
constexpr uint32_t kBatchTexCoordSize = 2;

std::unique_ptr<cRender>& RenderSlot()
{
    static std::unique_ptr<cRender> render;
    return render;
}

Matrix4 Identity()
{
    Matrix4 matrix;
    for (int i = 0; i < Matrix4::kSize; ++i) matrix.At(i, i) = 1.0f;
    return matrix;
}

port::Matrix ToDevice(const Matrix4& matrix)
{
    port::Matrix out;
    for (size_t i = 0; i < out.m.size(); ++i) out.m[i] = matrix.m[i];
    return out;
}

// trunc(value * 255), kept within a byte for values outside 0..1.
uint32_t ChannelByte(float value)
{
    const float scaled = value * kChannelScale;
    if (!(scaled > 0.0f)) return 0;
    if (scaled >= kChannelScale) return 0xFF;
    return static_cast<uint32_t>(scaled);
}

uint32_t PackArgb(float red, float green, float blue, float alpha)
{
    return (ChannelByte(alpha) << 24) | (ChannelByte(red) << 16) | (ChannelByte(green) << 8) |
           ChannelByte(blue);
}

const TextureStageState kDefaultStage{};

}  // namespace

cRender::cRender() : projection(Identity()), view(Identity()), world(Identity()) {}

cRender::~cRender() = default;

void cRender::CopyDevice(port::GpuDevice* newDevice, const port::PresentParameters& parameters,
                         port::GpuSurface* newDepthStencil)
{
    device = newDevice;
    presentParameters = parameters;
    depthStencil = newDepthStencil;
}

void cRender::ForgetTexture(const DeviceTexture* texture)
{
    if (texture == nullptr) return;
    for (uint32_t stage = 0; stage < kStageCount; ++stage) {
        if (stages[stage].texture != texture) continue;
        if (device) device->SetTexture(stage, nullptr);
        stages[stage].texture = nullptr;
    }
}

void cRender::SetHardwareDefaults()
{
    if (device) {
        device->SetRenderState(port::RenderState::kCullMode, port::kCullNone);
        if (noDepthBuffer) device->SetRenderState(port::RenderState::kZEnable, port::kFalse);
        device->SetRenderState(port::RenderState::kZFunc, port::kCmpLess);
        device->SetTextureStageState(0, port::StageState::kAlphaOp, port::kOpModulate);
        for (uint32_t stage = 0; stage < kStageCount; ++stage) {
            device->SetTextureStageState(stage, port::StageState::kTextureTransformFlags,
                                         port::kTransformCount2);
        }
        device->SetRenderState(port::RenderState::kLighting, port::kFalse);
    }
    SetSoftwareDefaults();
    LogWrite(kIndentedSender, kText, "Set hardware defaults - ok");
}

void cRender::SetSoftwareDefaults()
{
    formatPosition = formatNormal = formatColor = false;
    formatTexCoordSize = 0;
    vertexSize = 0;
    viewportRect = ScreenRect{};
    projection = Identity();
    view = Identity();
    world = Identity();
    alphaTestEnabled = false;
    alphaFunction = 0;
    alphaReference = 0.0f;
    blendEnabled = false;
    blendSource = blendDestination = blendOperation = 0;
    stageIndex = 0;
    for (TextureStageState& stage : stages) stage = kDefaultStage;
    materialDiffuse = false;
    textureFactorKnown = false;
    LogWrite(kIndentedSender, kText, "Set software defaults - ok");
}

void cRender::SetViewport(int32_t x, int32_t y, int32_t width, int32_t height, float minZ,
                          float maxZ)
{
    ScreenRect rect{x, y, width, height};
    if (width < 1 || height < 1) {
        if (viewportRect.width < 1 || viewportRect.height < 1) return;  // nothing remembered
        viewportRect = ScreenRect{};
        rect = screenRect;
    } else {
        viewportRect = rect;
    }
    if (device == nullptr) return;
    port::Viewport viewport;
    viewport.x = static_cast<uint32_t>(std::max(rect.x, 0));
    viewport.y = static_cast<uint32_t>(std::max(rect.y, 0));
    viewport.width = static_cast<uint32_t>(std::max(rect.width, 0));
    viewport.height = static_cast<uint32_t>(std::max(rect.height, 0));
    viewport.minZ = minZ;
    viewport.maxZ = maxZ;
    device->SetViewport(viewport);
}

void cRender::SetScreenRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    screenRect = ScreenRect{x, y, width, height};
}

void cRender::ClearScreenRect() { screenRect = ScreenRect{}; }

void cRender::SetClearColor(float red, float green, float blue, float alpha)
{
    clearColor = PackArgb(red, green, blue, alpha);
}

void cRender::ClearRenderTarget()
{
    if (device) device->Clear(port::kClearTarget, clearColor, 1.0f, 0);
}

void cRender::SetTransform(const Matrix4& matrix, int kind)
{
    if (device == nullptr && kind != kProjection && kind != kView && kind != kWorld) return;
    switch (kind) {
    case kProjection: {
        projection = matrix;
        // The device's depth range is the one the matrix was written for, so no depth
        // adjustment is needed; only the vertical mirror applies.
        Matrix4 sent = matrix;
        if (mirrorProjection) sent.At(1, 1) = -sent.At(1, 1);
        if (device) device->SetTransform(port::TransformKind::kProjection, ToDevice(sent));
        break;
    }
    case kView:
        view = matrix;
        if (device) device->SetTransform(port::TransformKind::kView, ToDevice(matrix));
        break;
    case kWorld:
        world = matrix;
        if (device) device->SetTransform(port::TransformKind::kWorld, ToDevice(matrix));
        break;
    case kTextureMatrix: {
        Matrix4 sent = matrix;
        if (stages[stageIndex].matrixMode == -1) {
            // Two-coordinate texture transforms take (u, v, 1): the translation row
            // moves up from the fourth row to the third.
            for (int column = 0; column < Matrix4::kSize; ++column) {
                sent.At(2, column) = matrix.At(3, column);
                sent.At(3, column) = 0.0f;
            }
        }
        device->SetTransform(port::TextureTransform(stageIndex), ToDevice(sent));
        break;
    }
    default:
        break;
    }
}

void cRender::SetAlphaTest(uint32_t function, float reference)
{
    if (function == 0) {
        if (alphaTestEnabled && device) {
            device->SetRenderState(port::RenderState::kAlphaTestEnable, port::kFalse);
        }
        alphaTestEnabled = false;
        return;
    }
    if (device == nullptr) return;
    if (!alphaTestEnabled) {
        device->SetRenderState(port::RenderState::kAlphaTestEnable, port::kTrue);
        alphaTestEnabled = true;
    }
    if (function != alphaFunction) {
        device->SetRenderState(port::RenderState::kAlphaFunc, function);
        alphaFunction = function;
    }
    if (reference != alphaReference) {
        device->SetRenderState(port::RenderState::kAlphaRef, ChannelByte(reference));
        alphaReference = reference;
    }
}

void cRender::SetBlendFunc(uint32_t source, uint32_t destination)
{
    if (source == 0 || destination == 0) {
        if (blendEnabled && device) {
            device->SetRenderState(port::RenderState::kAlphaBlendEnable, port::kFalse);
        }
        blendEnabled = false;
        return;
    }
    if (device == nullptr) return;
    if (!blendEnabled) {
        device->SetRenderState(port::RenderState::kAlphaBlendEnable, port::kTrue);
        blendEnabled = true;
    }
    if (source != blendSource) {
        device->SetRenderState(port::RenderState::kSrcBlend, source);
        blendSource = source;
    }
    if (destination != blendDestination) {
        device->SetRenderState(port::RenderState::kDestBlend, destination);
        blendDestination = destination;
    }
    if (blendOperation != port::kBlendOpAdd) {
        device->SetRenderState(port::RenderState::kBlendOp, port::kBlendOpAdd);
        blendOperation = port::kBlendOpAdd;
    }
}

void cRender::SetBlendMode(int mode, float alphaReference)
{
    switch (mode) {
    case kBlendAlpha:
        SetBlendFunc(port::kBlendSrcAlpha, port::kBlendInvSrcAlpha);
        SetAlphaTest(port::kCmpGreater, alphaReference);
        break;
    case kBlendAdditive:
        SetBlendFunc(port::kBlendOne, port::kBlendOne);
        SetAlphaTest(port::kCmpGreater, alphaReference);
        break;
    default:
        SetBlendFunc(0, 0);
        SetAlphaTest(0, 0.0f);
        break;
    }
}

void cRender::SetTextureFactor(uint32_t color)
{
    if (color == kDefaultTextureFactor) {
        SetTextureCombiner(kDefaultStage.colorOp, kDefaultStage.colorArg1, kDefaultStage.colorArg2,
                           kDefaultStage.alphaOp, kDefaultStage.alphaArg1, kDefaultStage.alphaArg2);
        return;
    }
    if (device && (!textureFactorKnown || textureFactor != color)) {
        device->SetRenderState(port::RenderState::kTextureFactor, color);
        textureFactor = color;
        textureFactorKnown = true;
    }
    const uint32_t alpha = color >> 24;
    const uint32_t rgb = color & 0x00FFFFFFu;
    if (alpha == 0xFF) {
        SetTextureCombiner(port::kOpModulate, port::kArgTexture, port::kArgTFactor, port::kOpModulate,
                           port::kArgTexture, port::kArgCurrent);
    } else if (rgb == 0x00FFFFFFu) {
        SetTextureCombiner(port::kOpModulate, port::kArgTexture, port::kArgCurrent, port::kOpModulate,
                           port::kArgTexture, port::kArgTFactor);
    } else {
        SetTextureCombiner(port::kOpModulate, port::kArgTexture, port::kArgTFactor, port::kOpModulate,
                           port::kArgTexture, port::kArgTFactor);
    }
}

void cRender::SetTextureFactorColor(float red, float green, float blue, float alpha)
{
    const uint32_t color = PackArgb(red, green, blue, alpha);
    if (device == nullptr || (textureFactorKnown && textureFactor == color)) return;
    device->SetRenderState(port::RenderState::kTextureFactor, color);
    textureFactor = color;
    textureFactorKnown = true;
}

void cRender::SetMaterialColor(float red, float green, float blue, float alpha)
{
    if (device == nullptr) return;
    const port::ColorValue color{red, green, blue, alpha};
    if (materialDiffuse) {
        diffuseMaterial.diffuse = color;
        device->SetMaterial(diffuseMaterial);
    } else {
        emissiveMaterial.emissive = color;
        emissiveMaterial.diffuse.a = alpha;
        device->SetMaterial(emissiveMaterial);
    }
}

void cRender::SetVertexFormat(bool position, bool normal, bool color, uint32_t texCoordSize)
{
    if (position == formatPosition && normal == formatNormal && color == formatColor &&
        texCoordSize == formatTexCoordSize) {
        return;
    }
    formatPosition = position;
    formatNormal = normal;
    formatColor = color;
    formatTexCoordSize = texCoordSize;
    vertexSize = (position ? kPositionBytes : 0) + (normal ? kNormalBytes : 0) +
                 (color ? kColorBytes : 0) + kTexCoordBytes * texCoordSize;
    uint32_t fvf = 0;
    if (position) fvf |= port::kFvfXyz;
    if (normal) fvf |= port::kFvfNormal;
    if (color) fvf |= port::kFvfDiffuse;
    if (texCoordSize != 0) {
        fvf |= port::kFvfTex1;
        if (texCoordSize == 1) fvf |= port::kFvfTexCoordSize1;
        if (texCoordSize == 3) fvf |= port::kFvfTexCoordSize3;
        if (texCoordSize == 4) fvf |= port::kFvfTexCoordSize4;
    }
    if (fvf != 0 && device) device->SetVertexFormat(fvf);
}

void cRender::SetTexture(const DeviceTexture* texture)
{
    TextureStageState& stage = stages[stageIndex];
    if (device == nullptr) return;
    if (texture == nullptr || !texture->texture) {
        if (stage.texture != nullptr) {
            device->SetTexture(stageIndex, nullptr);
            stage.texture = nullptr;
        }
        return;
    }
    if (texture == stage.texture) return;
    device->SetTexture(stageIndex, texture->texture.get());
    stage.texture = texture;
    if (texture->filterMode != stage.filterMode) {
        uint32_t minMag = port::kFilterLinear;
        uint32_t mip = port::kFilterNone;
        switch (texture->filterMode) {
        case kTextureFilterPoint: minMag = port::kFilterPoint; break;
        case kTextureFilterLinearMipPoint: mip = port::kFilterPoint; break;
        case kTextureFilterLinearMipLinear: mip = port::kFilterLinear; break;
        default: break;
        }
        device->SetTextureStageState(stageIndex, port::StageState::kMinFilter, minMag);
        device->SetTextureStageState(stageIndex, port::StageState::kMagFilter, minMag);
        device->SetTextureStageState(stageIndex, port::StageState::kMipFilter, mip);
        stage.filterMode = texture->filterMode;
    }
    if (texture->addressMode != stage.addressMode) {
        device->SetTextureStageState(stageIndex, port::StageState::kAddressU, texture->addressMode);
        device->SetTextureStageState(stageIndex, port::StageState::kAddressV, texture->addressMode);
        device->SetTextureStageState(stageIndex, port::StageState::kAddressW, texture->addressMode);
        stage.addressMode = texture->addressMode;
    }
}

void cRender::SetTextureCombiner(uint32_t colorOp, uint32_t colorArg1, uint32_t colorArg2,
                                 uint32_t alphaOp, uint32_t alphaArg1, uint32_t alphaArg2)
{
    if (device == nullptr) return;
    TextureStageState& stage = stages[stageIndex];
    const struct {
        uint32_t& cached;
        uint32_t value;
        port::StageState state;
    } entries[] = {
        {stage.colorOp, colorOp, port::StageState::kColorOp},
        {stage.colorArg1, colorArg1, port::StageState::kColorArg1},
        {stage.colorArg2, colorArg2, port::StageState::kColorArg2},
        {stage.alphaOp, alphaOp, port::StageState::kAlphaOp},
        {stage.alphaArg1, alphaArg1, port::StageState::kAlphaArg1},
        {stage.alphaArg2, alphaArg2, port::StageState::kAlphaArg2},
    };
    for (const auto& entry : entries) {
        if (entry.cached == entry.value) continue;
        device->SetTextureStageState(stageIndex, entry.state, entry.value);
        entry.cached = entry.value;
    }
}

void cRender::SetOrtho2D(bool letterbox, float width, float height)
{
    if (letterbox) {
        const auto w43 = static_cast<int32_t>(static_cast<float>(screenRect.height) * kFourThirds);
        if (w43 < screenRect.width) {
            SetViewport((screenRect.width - w43) / 2, 0, w43, screenRect.height);
        } else {
            SetViewport(screenRect.x, screenRect.y, screenRect.width, screenRect.height);
        }
    }
    Matrix4 ortho;
    ortho.At(0, 0) = width != 0.0f ? 2.0f / width : 0.0f;
    ortho.At(1, 1) = height != 0.0f ? 2.0f / height : 0.0f;
    ortho.At(2, 2) = kOrthoDepthScale;
    ortho.At(3, 0) = -1.0f;
    ortho.At(3, 1) = -1.0f;
    ortho.At(3, 3) = 1.0f;
    SetTransform(ortho, kProjection);
    SetTransform(Identity(), kView);
    SetTransform(Identity(), kWorld);

    // v becomes 1 - v: texture coordinates point up, pictures are stored top row first.
    Matrix4 flip = Identity();
    flip.At(1, 1) = -1.0f;
    flip.At(3, 1) = 1.0f;
    SetTransform(flip, kTextureMatrix);

    SetVertexFormat(true, false, true, kBatchTexCoordSize);
}

void cRender::DrawPrimitives(uint32_t primitives, uint32_t vertices, const void* data)
{
    if (primitives == 0 || vertices == 0 || data == nullptr) {
        LogWrite(kSender, kWarning, "Trying to draw empty primitive.");
        return;
    }
    if (device == nullptr) return;
    if (vertexSize == 0) {
        LogWrite(kSender, kWarning, "DrawPrimitives. No vertex format set.");
        return;
    }
    const port::GpuResult result =
        device->DrawPrimitiveUP(port::kPrimitiveTriangleList, primitives, data, vertexSize);
    if (result < 0) {
        LogWrite(kSender, kWarning, "DrawPrimitives. DIP return code: 0x%08X",
                 FormatArg::FromInt(result));
    }
    vertexCount += vertices;
    primitiveCount += primitives;
    ++drawCallCount;
}

void cRender::DrawVertexBatch(const VertexBatch& batch)
{
    const uint32_t runs = std::min<uint32_t>(batch.runCount, static_cast<uint32_t>(batch.runs.size()));
    for (uint32_t i = 0; i < runs; ++i) {
        const BatchRun& run = batch.runs[i];
        if (run.count == 0) continue;  // a zero-vertex request is not a draw
        if (uint64_t{run.first} + run.count > batch.vertices.size()) break;
        SetTexture(run.key ? run.key->deviceTexture.get() : nullptr);
        DrawPrimitives(run.count / 3, run.count, batch.vertices.data() + run.first);
    }
}

void cRender::DrawTexturedPrimitives(const DeviceTexture* texture, uint32_t primitiveCountIn,
                                     uint32_t vertexCountIn, const void* data)
{
    SetTexture(texture);
    DrawPrimitives(primitiveCountIn, vertexCountIn, data);
}

void cRender::ZeroFrameCounters()
{
    vertexCount = 0;
    primitiveCount = 0;
    drawCallCount = 0;
}

void cRender::KeepFrameCounters()
{
    lastVertexCount = vertexCount;
    lastPrimitiveCount = primitiveCount;
    lastDrawCallCount = drawCallCount;
}

void cRender::FreeDeviceData()
{
    for (uint32_t stage = 0; stage < kStageCount; ++stage) {
        if (stages[stage].texture != nullptr && device) device->SetTexture(stage, nullptr);
        stages[stage].texture = nullptr;
    }
}

cRender* CreateRender()
{
    std::unique_ptr<cRender>& render = RenderSlot();
    if (render) {
        LogWrite("CreateRender", kWarning, "Already exist");
    } else {
        render = std::make_unique<cRender>();
    }
    LogWrite("CreateRender", kText, "Ok");
    return render.get();
}

void DestroyRender()
{
    std::unique_ptr<cRender>& render = RenderSlot();
    if (!render) return;
    render->FreeDeviceData();
    LogWrite(kSender, kText, "Destroyed.");
    render.reset();
    LogWrite("DestroyRender", kText, "Ok");
}

cRender* GetRender() { return RenderSlot().get(); }

}  // namespace vrk
