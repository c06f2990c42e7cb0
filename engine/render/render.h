// cRender: the engine's one drawing layer over the GPU device. It caches every
// device state it sets, sets up the 2-D projection of the virtual screen, draws
// vertex batches run by run, and writes sprites, frames, lines, sectors and text
// into batches (with text measuring and word wrapping for labels and text boxes).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/matrix4.h"
#include "engine/render/vertex_batch.h"
#include "port/gpu/gpu_types.h"

namespace port {
class GpuDevice;
class GpuSurface;
}

namespace vrk {

class cFont;
struct DeviceTexture;

// An integer rectangle in device pixels, top-left based like the device's viewport.
struct ScreenRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// A text extent: left edge, bottom (always 0), width and line height.
struct TextRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// The state one texture stage was last given.
struct TextureStageState {
    const DeviceTexture* texture = nullptr;
    uint32_t filterMode = 0;
    uint32_t addressMode = 1;
    int32_t matrixMode = -1;  // -1: the default two-coordinate texture transform
    uint32_t colorOp = 4;     // modulate
    uint32_t colorArg1 = 2;   // texture
    uint32_t colorArg2 = 1;   // current
    uint32_t alphaOp = 4;
    uint32_t alphaArg1 = 2;
    uint32_t alphaArg2 = 1;
};

class cRender {
public:
    static constexpr uint32_t kStageCount = 4;
    // Transform kinds of SetTransform.
    enum TransformKind : int { kProjection = 0, kView = 1, kWorld = 2, kTextureMatrix = 3 };
    // SetBlendMode modes; any other value turns blending and alpha testing off.
    enum BlendMode : int { kBlendOff = 0, kBlendAlpha = 1, kBlendAdditive = 2 };
    // The texture-factor value that restores the stage's default combiner.
    static constexpr uint32_t kDefaultTextureFactor = 0xFFFFFFFFu;

    cRender();
    ~cRender();
    cRender(const cRender&) = delete;
    cRender& operator=(const cRender&) = delete;

    // The device layer copies its device, presentation parameters and depth-stencil
    // surface in after every change of them (creation, reset, release); nulls when
    // there is none. The renderer never owns them.
    void CopyDevice(port::GpuDevice* newDevice, const port::PresentParameters& parameters,
                    port::GpuSurface* newDepthStencil);
    port::GpuDevice* GetDevice() const { return device; }
    // A device texture is about to be destroyed: no stage cache may keep claiming it
    // is bound (a new texture at the same address would then never be bound).
    void ForgetTexture(const DeviceTexture* texture);

    void SetHardwareDefaults();
    void SetSoftwareDefaults();

    // A width or height below 1 restores the full-screen rectangle (once).
    void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height, float minZ = 0.0f,
                     float maxZ = 1.0f);
    // The full-screen rectangle: the back buffer, kept current by the frame code.
    void SetScreenRect(int32_t x, int32_t y, int32_t width, int32_t height);
    void ClearScreenRect();
    void SetClearColor(float red, float green, float blue, float alpha);
    // Clears the render target to the clear colour.
    void ClearRenderTarget();

    void SetTransform(const Matrix4& matrix, int kind);
    void SetAlphaTest(uint32_t function, float reference);
    void SetBlendFunc(uint32_t source, uint32_t destination);
    void SetBlendMode(int mode, float alphaReference);
    void SetTextureFactor(uint32_t color);
    void SetTextureFactorColor(float red, float green, float blue, float alpha);
    void SetMaterialColor(float red, float green, float blue, float alpha);
    void SetVertexFormat(bool position, bool normal, bool color, uint32_t texCoordSize);
    void SetTexture(const DeviceTexture* texture);
    void SetTextureCombiner(uint32_t colorOp, uint32_t colorArg1, uint32_t colorArg2,
                            uint32_t alphaOp, uint32_t alphaArg1, uint32_t alphaArg2);
    void SetOrtho2D(bool letterbox, float width, float height);

    void DrawPrimitives(uint32_t primitiveCount, uint32_t vertexCount, const void* data);
    void DrawVertexBatch(const VertexBatch& batch);
    void DrawTexturedPrimitives(const DeviceTexture* texture, uint32_t primitiveCount,
                                uint32_t vertexCount, const void* data);

    // Frame statistics: the frame code zeroes the running counters before drawing
    // and keeps them as the last frame's afterwards.
    void ZeroFrameCounters();
    void KeepFrameCounters();

    // Releases what the renderer holds of the device (bound textures) and forgets it.
    void FreeDeviceData();

    // --- Batch writers (no device needed). A full batch makes them return without
    // writing; text stops at the glyph that did not fit. ---
    static BatchVertex* AllocBatchVertices(VertexBatch& batch, const std::shared_ptr<cTexture>& key,
                                           uint32_t count);
    static void AddQuad(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                        float uw, float vh, float x, float y, float w, float h, uint32_t color);
    static void DrawFrame(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                          float uw, float vh, float texBorderX, float texBorderY, float x, float y,
                          float w, float h, float borderX, float borderY, bool drawCenter,
                          uint32_t color);
    static void DrawLine(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u, float v,
                         float uw, float vh, float ax, float ay, float bx, float by, float width,
                         uint32_t color);
    static void DrawSector(VertexBatch& batch, const std::shared_ptr<cTexture>& key, float u,
                           float v, float uw, float vh, float centerX, float centerY, float radius,
                           float startAngle, float endAngle, uint32_t color);
    static void DrawText(VertexBatch& batch, const cFont* font, const std::string& text, float x,
                         float y, uint32_t color);
    // color: the start colour in (null: white) and the colour in force at the end out.
    static void DrawTextMarkup(VertexBatch& batch, const cFont* font, const std::string& text,
                               float x, float y, uint32_t* color);

    static TextRect MeasureText(const cFont* font, const std::string& text, bool skipMarkup);
    static TextRect WrapTextByWords(const cFont* font, const std::string& text, float maxWidth,
                                    std::vector<std::string>& lines, std::vector<TextRect>& rects);
    static TextRect WrapTextByChars(const cFont* font, const std::string& text, float maxWidth,
                                    std::vector<std::string>& lines, std::vector<TextRect>& rects);

    // --- Device holder ---
    port::GpuDevice* device = nullptr;
    port::PresentParameters presentParameters;
    port::GpuSurface* depthStencil = nullptr;
    bool mirrorProjection = false;
    bool noDepthBuffer = true;  // no depth buffer is ever requested here
    uint32_t clearColor = 0;

    ScreenRect screenRect;    // the full back buffer
    ScreenRect viewportRect;  // last SetViewport; empty when none

    Matrix4 projection;
    Matrix4 view;
    Matrix4 world;

    // Vertex format cache.
    bool formatPosition = false;
    bool formatNormal = false;
    bool formatColor = false;
    uint32_t formatTexCoordSize = 0;
    uint32_t vertexSize = 0;

    bool alphaTestEnabled = false;
    uint32_t alphaFunction = 0;
    float alphaReference = 0.0f;

    bool blendEnabled = false;
    uint32_t blendSource = 0;
    uint32_t blendDestination = 0;
    uint32_t blendOperation = 0;

    uint32_t stageIndex = 0;
    TextureStageState stages[kStageCount];

    // Cleared by the defaults: picks the diffuse (set) or emissive (clear) material.
    bool materialDiffuse = false;
    port::Material diffuseMaterial;
    port::Material emissiveMaterial;

    bool textureFactorKnown = false;
    uint32_t textureFactor = 0;

    uint32_t vertexCount = 0;
    uint32_t primitiveCount = 0;
    uint32_t drawCallCount = 0;
    uint32_t lastVertexCount = 0;
    uint32_t lastPrimitiveCount = 0;
    uint32_t lastDrawCallCount = 0;
};

// Creates the one renderer ("Already exist" on a second call). Returns it.
cRender* CreateRender();
// Frees the renderer's device data, logs "Destroyed.", deletes it.
void DestroyRender();
// The engine-wide renderer, null before CreateRender and after DestroyRender.
cRender* GetRender();

}  // namespace vrk
