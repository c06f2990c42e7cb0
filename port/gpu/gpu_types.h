// Plain records exchanged with the drawing device: display mode, presentation
// parameters, capabilities, viewport, matrices, material, locked texture memory and a
// read-back picture of the back buffer.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "port/gpu/gpu_constants.h"

namespace port {

class GlSurface;

struct DisplayMode {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t refreshRate = 0;
    GpuFormat format = kFormatUnknown;  // kFormatX8R8G8B8 for 24/32-bit desktops, else kFormatR5G6B5
};

// How the device presents. Windowed devices with a back-buffer size of 0 take the
// surface's drawable size, at creation and at every Reset.
struct PresentParameters {
    uint32_t backBufferWidth = 0;
    uint32_t backBufferHeight = 0;
    GpuFormat backBufferFormat = kFormatUnknown;
    uint32_t backBufferCount = 0;
    uint32_t multiSampleType = 0;
    uint32_t swapEffect = 0;
    GlSurface* deviceWindow = nullptr;  // the surface drawn into (ignored by the null backend)
    uint32_t windowed = 0;
    uint32_t enableAutoDepthStencil = 0;
    GpuFormat autoDepthStencilFormat = kFormatUnknown;
    uint32_t flags = 0;
    uint32_t fullScreenRefreshRate = 0;
    uint32_t presentationInterval = kPresentIntervalDefault;
};

struct GpuCaps {
    uint32_t maxTextureWidth = 0;
    uint32_t maxTextureHeight = 0;
    uint32_t maxTextureStages = 0;        // stages whose combiners work (at most kMaxTextureStages)
    uint32_t maxSimultaneousTextures = 0;
    bool compressedTextures = false;      // DXT1/3/5 can be created
};

// Top-left based, in back-buffer pixels; depth range minZ..maxZ within 0..1.
struct Viewport {
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    float minZ = 0.0f;
    float maxZ = 1.0f;
};

// Row-major 4x4, row-vector convention (v' = v * M): the translation is in row 3.
struct Matrix {
    std::array<float, 16> m{};
    float& at(int row, int column) { return m[static_cast<std::size_t>(row * 4 + column)]; }
    float at(int row, int column) const { return m[static_cast<std::size_t>(row * 4 + column)]; }
    static Matrix Identity() {
        Matrix r;
        r.m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        return r;
    }
    bool operator==(const Matrix&) const = default;
};
// a * b: with row vectors, the transform that applies a first, then b.
inline Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix r;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a.at(row, k) * b.at(k, column);
            r.at(row, column) = sum;
        }
    }
    return r;
}

struct ColorValue {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
    bool operator==(const ColorValue&) const = default;
};

// Used only while lighting is on; with no lights the lit colour is the emissive colour
// plus ambient (from RenderState::kAmbient) times the material's ambient colour.
struct Material {
    ColorValue diffuse, ambient, specular, emissive;
    float power = 0.0f;
    bool operator==(const Material&) const = default;
};

struct LockedRect {
    int32_t pitch = 0;      // bytes from one row (of blocks, for DXT) to the next
    uint8_t* bits = nullptr;
};

struct SurfaceDesc {
    GpuFormat format = kFormatUnknown;
    uint32_t width = 0;
    uint32_t height = 0;
};

// A copy of the back buffer: B,G,R,A bytes, top row first, no padding.
struct BackBufferImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bgra;
};

// What TestCooperativeLevel reports, as result codes: kGpuOk (usable),
// kGpuDeviceLost (wait), kGpuDeviceNotReset (call Reset).

}  // namespace port
