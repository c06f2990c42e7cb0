// The recording device and its textures.
#include "port/gpu/null_device.h"

#include <cstdio>
#include <cstring>

#include "port/gpu/stored_texture.h"

namespace port {

namespace {

constexpr uint32_t kVerticesPerTriangle = 3;
constexpr uint32_t kBgraBytes = 4;

std::string Line(const char* format, auto... values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

class NullTexture final : public StoredTexture {
public:
    NullTexture(TextureOwner* owner, std::shared_ptr<NullGpuRecorder> recorder, uint32_t id,
                uint32_t width, uint32_t height, uint32_t levels, GpuFormat format)
        : StoredTexture(owner, width, height, levels, format), recorder_(std::move(recorder)), id_(id) {}

    uint32_t Id() const { return id_; }

protected:
    void OnLevelChanged(uint32_t level) override {
        recorder_->calls.push_back(Line("UnlockRect %u %u", id_, level));
    }

private:
    std::shared_ptr<NullGpuRecorder> recorder_;
    uint32_t id_;
};

}  // namespace

NullDevice::NullDevice(const PresentParameters& params, std::shared_ptr<NullGpuRecorder> recorder)
    : DeviceBase(params, recorder->config.caps), recorder_(std::move(recorder)) {
    StartWithParameters(params);
}

void NullDevice::Record(std::string line) { recorder_->calls.push_back(std::move(line)); }

void NullDevice::OnStateReset() {
    presentWaits_ = params_.presentationInterval != kPresentIntervalImmediate && !recorder_->config.retraceRefused;
}

uint32_t NullDevice::IdOf(const GpuTexture* texture) const {
    const auto* ours = dynamic_cast<const NullTexture*>(texture);
    return ours ? ours->Id() : 0;
}

void NullDevice::SurfaceSize(uint32_t& width, uint32_t& height) const {
    width = recorder_->config.surfaceWidth;
    height = recorder_->config.surfaceHeight;
}

GpuResult NullDevice::OnReset(const PresentParameters& /*params*/) { return recorder_->config.resetResult; }

GpuResult NullDevice::TestCooperativeLevel() {
    Record("TestCooperativeLevel");
    return DeviceBase::TestCooperativeLevel();
}

GpuResult NullDevice::Reset(const PresentParameters& params) {
    Record(Line("Reset %u %u", params.backBufferWidth, params.backBufferHeight));
    return DeviceBase::Reset(params);
}

GpuResult NullDevice::BeginScene() {
    Record("BeginScene");
    return DeviceBase::BeginScene();
}

GpuResult NullDevice::EndScene() {
    Record("EndScene");
    return DeviceBase::EndScene();
}

GpuResult NullDevice::Present() {
    Record("Present");
    return DeviceBase::Present();
}

GpuResult NullDevice::Clear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) {
    Record(Line("Clear %u 0x%08X", flags, argb));
    return DeviceBase::Clear(flags, argb, z, stencil);
}

void NullDevice::OnClear(uint32_t flags, uint32_t argb, float /*z*/, uint32_t /*stencil*/) {
    if (flags & kClearTarget) recorder_->lastClearColor = argb;
}

GpuResult NullDevice::SetViewport(const Viewport& v) {
    Record(Line("SetViewport %u %u %u %u", v.x, v.y, v.width, v.height));
    return DeviceBase::SetViewport(v);
}

GpuResult NullDevice::SetTransform(TransformKind kind, const Matrix& matrix) {
    Record(Line("SetTransform %u", static_cast<uint32_t>(kind)));
    return DeviceBase::SetTransform(kind, matrix);
}

GpuResult NullDevice::SetRenderState(RenderState state, uint32_t value) {
    Record(Line("SetRenderState %u %u", static_cast<uint32_t>(state), value));
    return DeviceBase::SetRenderState(state, value);
}

GpuResult NullDevice::SetTextureStageState(uint32_t stage, StageState state, uint32_t value) {
    Record(Line("SetTextureStageState %u %u %u", stage, static_cast<uint32_t>(state), value));
    return DeviceBase::SetTextureStageState(stage, state, value);
}

GpuResult NullDevice::SetTexture(uint32_t stage, GpuTexture* texture) {
    Record(Line("SetTexture %u %u", stage, IdOf(texture)));
    return DeviceBase::SetTexture(stage, texture);
}

GpuResult NullDevice::SetMaterial(const Material& material) {
    Record("SetMaterial");
    return DeviceBase::SetMaterial(material);
}

GpuResult NullDevice::SetVertexFormat(uint32_t fvf) {
    Record(Line("SetVertexFormat 0x%X", fvf));
    return DeviceBase::SetVertexFormat(fvf);
}

GpuResult NullDevice::DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount,
                                      const void* vertices, uint32_t stride) {
    Record(Line("DrawPrimitiveUP %u %u %u", primitiveType, primitiveCount, stride));
    return DeviceBase::DrawPrimitiveUP(primitiveType, primitiveCount, vertices, stride);
}

void NullDevice::OnDraw(uint32_t primitiveCount, const uint8_t* vertices, uint32_t stride) {
    NullDraw draw;
    draw.primitiveCount = primitiveCount;
    draw.stride = stride;
    draw.fvf = state_.fvf;
    draw.textureId = IdOf(state_.Stage(0).texture);
    draw.vertices.assign(vertices, vertices + static_cast<size_t>(primitiveCount) * kVerticesPerTriangle * stride);
    recorder_->draws.push_back(std::move(draw));
}

GpuResult NullDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                                    std::unique_ptr<GpuTexture>& texture) {
    const GpuResult result = DeviceBase::CreateTexture(width, height, levels, format, texture);
    Record(Line("CreateTexture %u %u %u %u -> %u", width, height, levels, format, IdOf(texture.get())));
    return result;
}

bool NullDevice::MakeTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                             std::unique_ptr<StoredTexture>& texture) {
    texture = std::make_unique<NullTexture>(this, recorder_, nextTextureId_++, width, height, levels, format);
    return true;
}

GpuResult NullDevice::GetDepthStencilSurface(std::unique_ptr<GpuSurface>& surface) {
    Record("GetDepthStencilSurface");
    return DeviceBase::GetDepthStencilSurface(surface);
}

GpuResult NullDevice::CreateDepthStencilSurface(uint32_t width, uint32_t height, GpuFormat format,
                                                uint32_t multiSampleType,
                                                std::unique_ptr<GpuSurface>& surface) {
    Record(Line("CreateDepthStencilSurface %u %u", width, height));
    return DeviceBase::CreateDepthStencilSurface(width, height, format, multiSampleType, surface);
}

bool NullDevice::ReadBackBuffer(BackBufferImage& image) {
    image.width = params_.backBufferWidth;
    image.height = params_.backBufferHeight;
    image.bgra.resize(static_cast<size_t>(image.width) * image.height * kBgraBytes);
    const uint32_t color = recorder_->lastClearColor;  // little-endian ARGB is B,G,R,A
    for (size_t i = 0; i < image.bgra.size(); i += kBgraBytes) std::memcpy(&image.bgra[i], &color, kBgraBytes);
    return true;
}

}  // namespace port
