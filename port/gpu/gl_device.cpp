// The OpenGL 2.1 fixed-function device: state translation, texture-stage combiners,
// client-memory triangle lists, presentation and back-buffer read-back.
#include "port/gpu/gl_device.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "port/gpu/gl_texture.h"
#include "port/gpu/gl_translate.h"
#include "port/window/gl_surface.h"

namespace port {

namespace {

constexpr int kRequiredMajor = 2;
constexpr int kRequiredMinor = 1;
constexpr GLfloat kByteMax = 255.0f;
constexpr GLfloat kMaxShininess = 128.0f;
constexpr uint32_t kBgraBytes = 4;
constexpr uint32_t kVerticesPerTriangle = 3;
constexpr uint8_t kOpaqueWhitePixel[kBgraBytes] = {255, 255, 255, 255};
// Swap intervals: at once, at the next retrace, and the drivers' adaptive kind (waits
// for the retrace unless the frame is already late, then shows it at once).
constexpr int kSwapAtOnce = 0;
constexpr int kSwapAtRetrace = 1;
constexpr int kSwapAdaptive = -1;

bool ContextIsAtLeast21() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    return major > kRequiredMajor || (major == kRequiredMajor && minor >= kRequiredMinor);
}

GpuCaps QueryCaps() {
    GLint maxSize = 0, units = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    GpuCaps caps;
    caps.maxTextureWidth = caps.maxTextureHeight = static_cast<uint32_t>(std::max(maxSize, 1));
    caps.maxTextureStages = std::clamp<uint32_t>(static_cast<uint32_t>(std::max(units, 1)), 1,
                                                 kMaxTextureStages);
    caps.maxSimultaneousTextures = caps.maxTextureStages;
    caps.compressedTextures = GlHasExtension("GL_EXT_texture_compression_s3tc");
    return caps;
}

void SetCombiner(const GlCombiner& c, GLenum modeName, const GLenum sourceNames[3],
                 const GLenum operandNames[3], GLenum scaleName) {
    glTexEnvi(GL_TEXTURE_ENV, modeName, static_cast<GLint>(c.mode));
    for (int i = 0; i < 3; ++i) {
        glTexEnvi(GL_TEXTURE_ENV, sourceNames[i], static_cast<GLint>(c.source[static_cast<size_t>(i)]));
        glTexEnvi(GL_TEXTURE_ENV, operandNames[i], static_cast<GLint>(c.operand[static_cast<size_t>(i)]));
    }
    glTexEnvf(GL_TEXTURE_ENV, scaleName, c.scale);
}

void SetMaterialColor(GLenum which, const ColorValue& color) {
    const GLfloat values[4] = {color.r, color.g, color.b, color.a};
    glMaterialfv(GL_FRONT_AND_BACK, which, values);
}

}  // namespace

GpuResult GlDevice::Create(const PresentParameters& params, std::unique_ptr<GpuDevice>& device,
                           GpuCaps& caps) {
    device.reset();
    if (!params.deviceWindow) return kGpuInvalidCall;
    if (!params.deviceWindow->MakeCurrent() || !ContextIsAtLeast21()) return kGpuNotAvailable;
    GlFunctions functions;
    if (!functions.Load()) return kGpuNotAvailable;
    caps = QueryCaps();
    std::unique_ptr<GlDevice> made(new GlDevice(params, caps, functions));
    made->StartWithParameters(params);
    device = std::move(made);
    return kGpuOk;
}

GlDevice::GlDevice(const PresentParameters& params, const GpuCaps& caps, const GlFunctions& functions)
    : DeviceBase(params, caps), gl_(functions), units_(caps.maxTextureStages) {
    glGenTextures(1, &whiteTexture_);
    glBindTexture(GL_TEXTURE_2D, whiteTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_BGRA, GL_UNSIGNED_BYTE, kOpaqueWhitePixel);
}

GlDevice::~GlDevice() {
    if (params_.deviceWindow && params_.deviceWindow->MakeCurrent()) {
        DetachAllTextures();
        glDeleteTextures(1, &whiteTexture_);
    }
}

void GlDevice::SurfaceSize(uint32_t& width, uint32_t& height) const {
    int w = 0, h = 0;
    if (params_.deviceWindow) params_.deviceWindow->DrawableSize(w, h);
    width = static_cast<uint32_t>(std::max(w, 0));
    height = static_cast<uint32_t>(std::max(h, 0));
}

GpuResult GlDevice::OnReset(const PresentParameters& params) {
    if (!params.deviceWindow || !params.deviceWindow->MakeCurrent()) return kGpuNotAvailable;
    return kGpuOk;
}

void GlDevice::ApplySwapInterval() {
    // A window waits for the retrace as full screen does: presenting at once, the loop
    // would draw as many frames as the machine allows and keep a core and the GPU busy
    // on every screen. At once only when asked, or when the driver takes neither kind
    // of waiting; then the device paces its presents to the display's refresh itself.
    presentWaits_ = false;
    pacePresents_ = false;
    if (!params_.deviceWindow) return;
    const bool atOnceAsked = params_.presentationInterval == kPresentIntervalImmediate;
    if (!atOnceAsked) {
        for (const int interval : {kSwapAtRetrace, kSwapAdaptive}) {
            if (params_.deviceWindow->SetSwapInterval(interval)) {
                presentWaits_ = true;
                return;
            }
        }
    }
    params_.deviceWindow->SetSwapInterval(kSwapAtOnce);
    if (atOnceAsked) return;
    pacePresents_ = true;
    pacer_.SetRefreshRate(params_.deviceWindow->RefreshRate());
    pacer_.Restart();
}

void GlDevice::OnStateReset() {
    ApplySwapInterval();
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    glCullFace(GL_BACK);
    for (RenderState id : {RenderState::kZEnable, RenderState::kZWriteEnable, RenderState::kAlphaTestEnable,
                           RenderState::kSrcBlend, RenderState::kCullMode, RenderState::kZFunc,
                           RenderState::kAlphaFunc, RenderState::kAlphaBlendEnable, RenderState::kLighting,
                           RenderState::kAmbient, RenderState::kBlendOp}) {
        OnRenderState(id, state_.GetRenderState(id));
    }
    OnMaterial();
    OnViewport();
    activeStages_ = 0;
    state_.stagesDirty = state_.transformsDirty = true;
}

GpuResult GlDevice::OnPresent() {
    if (pacePresents_) pacer_.WaitForNextPresent();
    params_.deviceWindow->SwapBuffers();
    // A surface without a display (an offscreen buffer) neither submits nor waits at the
    // swap, and the loop draws as often as it can: frames would pile up in the driver
    // unrendered (a software renderer then owes seconds of work and holds their memory).
    // Finishing each frame here keeps at most one in flight, whatever the surface.
    glFinish();
    return kGpuOk;
}

void GlDevice::OnClear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) {
    GLbitfield mask = 0;
    if (flags & kClearTarget) {
        const auto c = ArgbToFloats(argb);
        glClearColor(c[0], c[1], c[2], c[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    // Depth and stencil clears are accepted; with no depth buffer they touch nothing.
    if (flags & kClearZBuffer) {
        glClearDepth(z);
        glDepthMask(GL_TRUE);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & kClearStencil) {
        glClearStencil(static_cast<GLint>(stencil));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    // The device clears the viewport only; GL clears whatever the scissor lets through.
    const Viewport& v = state_.viewport;
    glEnable(GL_SCISSOR_TEST);
    glScissor(static_cast<GLint>(v.x), GlViewportY(v, params_.backBufferHeight),
              static_cast<GLsizei>(v.width), static_cast<GLsizei>(v.height));
    glClear(mask);
    glDisable(GL_SCISSOR_TEST);
    if (flags & kClearZBuffer) OnRenderState(RenderState::kZWriteEnable, state_.GetRenderState(RenderState::kZWriteEnable));
}

void GlDevice::OnViewport() {
    const Viewport& v = state_.viewport;
    glViewport(static_cast<GLint>(v.x), GlViewportY(v, params_.backBufferHeight),
               static_cast<GLsizei>(v.width), static_cast<GLsizei>(v.height));
    glDepthRange(v.minZ, v.maxZ);
}

void GlDevice::OnRenderState(RenderState state, uint32_t value) {
    auto enable = [value](GLenum capability) { value ? glEnable(capability) : glDisable(capability); };
    switch (state) {
        case RenderState::kZEnable: enable(GL_DEPTH_TEST); break;
        case RenderState::kZWriteEnable: glDepthMask(value ? GL_TRUE : GL_FALSE); break;
        case RenderState::kAlphaTestEnable: enable(GL_ALPHA_TEST); break;
        case RenderState::kAlphaFunc:
        case RenderState::kAlphaRef: {
            const uint32_t reference = std::min<uint32_t>(state_.GetRenderState(RenderState::kAlphaRef), 255);
            glAlphaFunc(GlCompareFunc(state_.GetRenderState(RenderState::kAlphaFunc)),
                        static_cast<GLfloat>(reference) / kByteMax);
            break;
        }
        case RenderState::kSrcBlend:
        case RenderState::kDestBlend: {
            const GlBlendFactors f = GlBlendFunc(state_.GetRenderState(RenderState::kSrcBlend),
                                                 state_.GetRenderState(RenderState::kDestBlend));
            glBlendFunc(f.source, f.destination);
            break;
        }
        case RenderState::kCullMode: {
            const GlCull cull = GlCullMode(value);
            cull.enabled ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
            glFrontFace(cull.frontFace);
            break;
        }
        case RenderState::kZFunc: glDepthFunc(GlCompareFunc(value)); break;
        case RenderState::kAlphaBlendEnable: enable(GL_BLEND); break;
        case RenderState::kLighting: enable(GL_LIGHTING); break;
        case RenderState::kAmbient: {
            const auto c = ArgbToFloats(value);
            glLightModelfv(GL_LIGHT_MODEL_AMBIENT, c.data());
            break;
        }
        case RenderState::kBlendOp: gl_.blendEquation(GlBlendEquation(value)); break;
        case RenderState::kTextureFactor: break;  // sent with the stages
    }
}

void GlDevice::OnMaterial() {
    const Material& m = state_.material;
    SetMaterialColor(GL_DIFFUSE, m.diffuse);
    SetMaterialColor(GL_AMBIENT, m.ambient);
    SetMaterialColor(GL_SPECULAR, m.specular);
    SetMaterialColor(GL_EMISSION, m.emissive);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(m.power, 0.0f, kMaxShininess));
}

void GlDevice::FlushTransforms() {
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(state_.GetTransform(TransformKind::kProjection).m.data());
    // Row-vector matrices read column-major are their GL transposes, so the row-vector
    // product world * view loads as GL's modelview as it is.
    const Matrix modelView = Multiply(state_.GetTransform(TransformKind::kWorld),
                                      state_.GetTransform(TransformKind::kView));
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(modelView.m.data());
    const uint32_t texCoordCount = LayoutOf(state_.fvf).texCoordCount;
    glMatrixMode(GL_TEXTURE);
    for (uint32_t unit = 0; unit < units_; ++unit) {
        const StageRecord& stage = state_.Stage(unit);
        gl_.activeTexture(GL_TEXTURE0 + unit);
        glLoadMatrixf(GlTextureMatrix(stage.textureMatrix, stage.transformFlags, texCoordCount).m.data());
    }
    glMatrixMode(GL_MODELVIEW);
    state_.transformsDirty = false;
}

void GlDevice::FlushStages() {
    static constexpr GLenum kRgbSources[3] = {GL_SOURCE0_RGB, GL_SOURCE1_RGB, GL_SOURCE2_RGB};
    static constexpr GLenum kRgbOperands[3] = {GL_OPERAND0_RGB, GL_OPERAND1_RGB, GL_OPERAND2_RGB};
    static constexpr GLenum kAlphaSources[3] = {GL_SOURCE0_ALPHA, GL_SOURCE1_ALPHA, GL_SOURCE2_ALPHA};
    static constexpr GLenum kAlphaOperands[3] = {GL_OPERAND0_ALPHA, GL_OPERAND1_ALPHA, GL_OPERAND2_ALPHA};
    const auto factor = ArgbToFloats(state_.GetRenderState(RenderState::kTextureFactor));
    // A disabled stage ends the chain: it and every later stage are off.
    activeStages_ = 0;
    while (activeStages_ < units_ && state_.Stage(activeStages_).colorOp != kOpDisable) ++activeStages_;
    for (uint32_t unit = 0; unit < units_; ++unit) {
        gl_.activeTexture(GL_TEXTURE0 + unit);
        if (unit >= activeStages_) {
            glDisable(GL_TEXTURE_2D);
            continue;
        }
        const StageRecord& s = state_.Stage(unit);
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
        SetCombiner(GlColorCombiner(s.colorOp, s.colorArg1, s.colorArg2), GL_COMBINE_RGB, kRgbSources,
                    kRgbOperands, GL_RGB_SCALE);
        SetCombiner(GlAlphaCombiner(s.alphaOp, s.alphaArg1, s.alphaArg2), GL_COMBINE_ALPHA,
                    kAlphaSources, kAlphaOperands, GL_ALPHA_SCALE);
        glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, factor.data());
    }
    state_.stagesDirty = false;
}

void GlDevice::BindStageTextures() {
    // Bound every draw: texture uploads in between use the active unit's binding.
    for (uint32_t unit = 0; unit < activeStages_; ++unit) {
        const StageRecord& s = state_.Stage(unit);
        gl_.activeTexture(GL_TEXTURE0 + unit);
        if (auto* texture = static_cast<GlTexture*>(static_cast<StoredTexture*>(s.texture))) {
            texture->Bind(GlSamplerState{GlMinFilter(s.minFilter, s.mipFilter), GlMagFilter(s.magFilter),
                                         GlAddressMode(s.addressU), GlAddressMode(s.addressV)});
        } else {
            glBindTexture(GL_TEXTURE_2D, whiteTexture_);
        }
    }
}

void GlDevice::SetVertexArrays(uint32_t vertexCount, const uint8_t* vertices, uint32_t stride) {
    const VertexLayout layout = LayoutOf(state_.fvf);
    const auto glStride = static_cast<GLsizei>(stride);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, glStride, vertices);
    if (layout.normal >= 0) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, glStride, vertices + layout.normal);
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
    }
    if (layout.diffuse >= 0) {
        colors_.resize(static_cast<size_t>(vertexCount) * kBgraBytes);
        for (uint32_t i = 0; i < vertexCount; ++i) {
            uint32_t argb = 0;
            std::memcpy(&argb, vertices + static_cast<size_t>(i) * stride + layout.diffuse, sizeof argb);
            const auto rgba = ArgbToRgba(argb);
            std::memcpy(&colors_[static_cast<size_t>(i) * kBgraBytes], rgba.data(), kBgraBytes);
        }
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_UNSIGNED_BYTE, 0, colors_.data());
    } else {
        glDisableClientState(GL_COLOR_ARRAY);
        glColor4ub(255, 255, 255, 255);
    }
    for (uint32_t unit = 0; unit < units_; ++unit) {
        gl_.clientActiveTexture(GL_TEXTURE0 + unit);
        if (unit < activeStages_ && layout.texCoord >= 0) {
            // One coordinate set: every stage reads it.
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(static_cast<GLint>(layout.texCoordCount), GL_FLOAT, glStride,
                              vertices + layout.texCoord);
        } else {
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
    }
    gl_.clientActiveTexture(GL_TEXTURE0);
}

void GlDevice::OnDraw(uint32_t primitiveCount, const uint8_t* vertices, uint32_t stride) {
    if (state_.stagesDirty) FlushStages();
    if (state_.transformsDirty) FlushTransforms();
    BindStageTextures();
    const uint32_t vertexCount = primitiveCount * kVerticesPerTriangle;
    SetVertexArrays(vertexCount, vertices, stride);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertexCount));
}

bool GlDevice::MakeTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                           std::unique_ptr<StoredTexture>& texture) {
    GlPixelFormat pixelFormat;
    if (!GlTextureFormat(format, pixelFormat)) return false;
    texture = std::make_unique<GlTexture>(this, gl_, width, height, levels, format, pixelFormat);
    // The upload left the new texture bound on the active unit.
    state_.stagesDirty = true;
    return true;
}

bool GlDevice::ReadBackBuffer(BackBufferImage& image) {
    const uint32_t width = params_.backBufferWidth, height = params_.backBufferHeight;
    if (width == 0 || height == 0) return false;
    while (glGetError() != GL_NO_ERROR) {
        // Drop errors of earlier calls so the check below is about the read alone.
    }
    GLint doubleBuffered = 0;
    glGetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    glReadBuffer(doubleBuffered ? GL_BACK : GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const size_t rowBytes = static_cast<size_t>(width) * kBgraBytes;
    std::vector<uint8_t> bottomUp(rowBytes * height);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_BGRA,
                 GL_UNSIGNED_BYTE, bottomUp.data());
    if (glGetError() != GL_NO_ERROR) return false;
    image.width = width;
    image.height = height;
    image.bgra.resize(bottomUp.size());
    for (uint32_t row = 0; row < height; ++row) {
        std::memcpy(&image.bgra[row * rowBytes], &bottomUp[(height - 1 - row) * rowBytes], rowBytes);
    }
    return true;
}

}  // namespace port
