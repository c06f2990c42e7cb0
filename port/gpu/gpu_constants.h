// The numbers the drawing device speaks: result codes, pixel formats, render-state and
// texture-stage ids with their values, vertex-format bits, transform slots. The engine
// stores and compares these numbers as they are (they are the classic fixed-function
// device's numbering, which the engine's state caches and logs were written against);
// each backend translates them to its own API.
#pragma once
#include <cstdint>

namespace port {

// ---- Results ------------------------------------------------------------------------
// Negative means failure, so callers may test `result < 0`. Logged as "0x%08X".
using GpuResult = int32_t;
constexpr GpuResult kGpuOk = 0;
constexpr GpuResult kGpuDeviceLost = static_cast<GpuResult>(0x88760868u);
constexpr GpuResult kGpuDeviceNotReset = static_cast<GpuResult>(0x88760869u);
constexpr GpuResult kGpuNotAvailable = static_cast<GpuResult>(0x8876086Au);
constexpr GpuResult kGpuInvalidCall = static_cast<GpuResult>(0x8876086Cu);
constexpr GpuResult kGpuOutOfVideoMemory = static_cast<GpuResult>(0x8876017Cu);

// ---- Pixel formats --------------------------------------------------------------------
using GpuFormat = uint32_t;
constexpr GpuFormat kFormatUnknown = 0;
constexpr GpuFormat kFormatA8R8G8B8 = 21;  // bytes B,G,R,A
constexpr GpuFormat kFormatX8R8G8B8 = 22;  // bytes B,G,R,unused
constexpr GpuFormat kFormatR5G6B5 = 23;    // 16-bit word, red in the high bits
constexpr GpuFormat kFormatL8 = 50;
constexpr GpuFormat kFormatA8L8 = 51;      // bytes L,A
constexpr GpuFormat kFormatD16 = 80;       // depth-stencil surfaces only
constexpr GpuFormat MakeFourCC(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
           (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |
           (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24);
}
constexpr GpuFormat kFormatDXT1 = MakeFourCC('D', 'X', 'T', '1');
constexpr GpuFormat kFormatDXT3 = MakeFourCC('D', 'X', 'T', '3');
constexpr GpuFormat kFormatDXT5 = MakeFourCC('D', 'X', 'T', '5');

// ---- Device creation --------------------------------------------------------------------
// Vertex-processing behaviours, tried in the order hardware, mixed, software.
constexpr uint32_t kCreateSoftwareVertexProcessing = 0x20;
constexpr uint32_t kCreateHardwareVertexProcessing = 0x40;
constexpr uint32_t kCreateMixedVertexProcessing = 0x80;

constexpr uint32_t kSwapEffectDiscard = 1;
constexpr uint32_t kSwapEffectFlip = 2;
constexpr uint32_t kSwapEffectCopy = 3;

// Presentation interval: the default waits for the vertical retrace in full screen.
constexpr uint32_t kPresentIntervalDefault = 0;
constexpr uint32_t kPresentIntervalOne = 1;
constexpr uint32_t kPresentIntervalImmediate = 0x80000000u;

// Capability checks (GpuSystem::CheckDeviceFormat).
constexpr uint32_t kUsageDepthStencil = 2;
constexpr uint32_t kResourceSurface = 1;
constexpr uint32_t kResourceTexture = 3;

// ---- Render states: ids ------------------------------------------------------------------
enum class RenderState : uint32_t {
    kZEnable = 7,
    kZWriteEnable = 14,
    kAlphaTestEnable = 15,
    kSrcBlend = 19,
    kDestBlend = 20,
    kCullMode = 22,
    kZFunc = 23,
    kAlphaRef = 24,   // 0..255
    kAlphaFunc = 25,
    kAlphaBlendEnable = 27,
    kTextureFactor = 60,  // ARGB
    kLighting = 137,
    kAmbient = 139,       // ARGB
    kBlendOp = 171,
};

// ---- Render states: values -----------------------------------------------------------------
constexpr uint32_t kFalse = 0;
constexpr uint32_t kTrue = 1;

constexpr uint32_t kCullNone = 1;
constexpr uint32_t kCullClockwise = 2;
constexpr uint32_t kCullCounterClockwise = 3;

// Compare functions of the Z and alpha tests.
constexpr uint32_t kCmpNever = 1;
constexpr uint32_t kCmpLess = 2;
constexpr uint32_t kCmpEqual = 3;
constexpr uint32_t kCmpLessEqual = 4;
constexpr uint32_t kCmpGreater = 5;
constexpr uint32_t kCmpNotEqual = 6;
constexpr uint32_t kCmpGreaterEqual = 7;
constexpr uint32_t kCmpAlways = 8;

constexpr uint32_t kBlendZero = 1;
constexpr uint32_t kBlendOne = 2;
constexpr uint32_t kBlendSrcColor = 3;
constexpr uint32_t kBlendInvSrcColor = 4;
constexpr uint32_t kBlendSrcAlpha = 5;
constexpr uint32_t kBlendInvSrcAlpha = 6;
constexpr uint32_t kBlendDestAlpha = 7;
constexpr uint32_t kBlendInvDestAlpha = 8;
constexpr uint32_t kBlendDestColor = 9;
constexpr uint32_t kBlendInvDestColor = 10;
constexpr uint32_t kBlendSrcAlphaSat = 11;
constexpr uint32_t kBlendBothSrcAlpha = 12;     // source SRCALPHA, destination INVSRCALPHA
constexpr uint32_t kBlendBothInvSrcAlpha = 13;  // source INVSRCALPHA, destination SRCALPHA

constexpr uint32_t kBlendOpAdd = 1;
constexpr uint32_t kBlendOpSubtract = 2;
constexpr uint32_t kBlendOpRevSubtract = 3;
constexpr uint32_t kBlendOpMin = 4;
constexpr uint32_t kBlendOpMax = 5;

// ---- Texture stages ----------------------------------------------------------------------
constexpr uint32_t kMaxTextureStages = 4;

enum class StageState : uint32_t {
    kColorOp = 1,
    kColorArg1 = 2,
    kColorArg2 = 3,
    kAlphaOp = 4,
    kAlphaArg1 = 5,
    kAlphaArg2 = 6,
    kTexCoordIndex = 11,
    kAddressU = 13,
    kAddressV = 14,
    kMagFilter = 16,
    kMinFilter = 17,
    kMipFilter = 18,
    kTextureTransformFlags = 24,
    kAddressW = 25,
};

// Stage operations.
constexpr uint32_t kOpDisable = 1;
constexpr uint32_t kOpSelectArg1 = 2;
constexpr uint32_t kOpSelectArg2 = 3;
constexpr uint32_t kOpModulate = 4;
constexpr uint32_t kOpModulate2x = 5;
constexpr uint32_t kOpModulate4x = 6;
constexpr uint32_t kOpAdd = 7;
constexpr uint32_t kOpAddSigned = 8;
constexpr uint32_t kOpAddSigned2x = 9;
constexpr uint32_t kOpSubtract = 10;
constexpr uint32_t kOpBlendDiffuseAlpha = 12;
constexpr uint32_t kOpBlendTextureAlpha = 13;
constexpr uint32_t kOpBlendFactorAlpha = 14;
constexpr uint32_t kOpBlendCurrentAlpha = 16;

// Stage arguments: a source in the low bits plus optional modifiers.
constexpr uint32_t kArgDiffuse = 0;
constexpr uint32_t kArgCurrent = 1;
constexpr uint32_t kArgTexture = 2;
constexpr uint32_t kArgTFactor = 3;
constexpr uint32_t kArgSourceMask = 0x0F;
constexpr uint32_t kArgComplement = 0x10;
constexpr uint32_t kArgAlphaReplicate = 0x20;

constexpr uint32_t kFilterNone = 0;
constexpr uint32_t kFilterPoint = 1;
constexpr uint32_t kFilterLinear = 2;

constexpr uint32_t kAddressWrap = 1;
constexpr uint32_t kAddressMirror = 2;
constexpr uint32_t kAddressClamp = 3;

// Texture-transform flags: how many transformed coordinates the stage uses.
constexpr uint32_t kTransformDisable = 0;
constexpr uint32_t kTransformCount1 = 1;
constexpr uint32_t kTransformCount2 = 2;
constexpr uint32_t kTransformCount3 = 3;
constexpr uint32_t kTransformCount4 = 4;
constexpr uint32_t kTransformProjected = 256;

// ---- Transforms ---------------------------------------------------------------------------
enum class TransformKind : uint32_t {
    kView = 2,
    kProjection = 3,
    kTexture0 = 16,  // kTexture0 + stage
    kWorld = 256,
};
constexpr TransformKind TextureTransform(uint32_t stage) {
    return static_cast<TransformKind>(static_cast<uint32_t>(TransformKind::kTexture0) + stage);
}

// ---- Vertex formats ------------------------------------------------------------------------
// Components are laid out in this order: position (3 floats), normal (3 floats), diffuse
// colour (ARGB uint32), one texture-coordinate set (1 to 4 floats, 2 by default).
constexpr uint32_t kFvfXyz = 0x002;
constexpr uint32_t kFvfNormal = 0x010;
constexpr uint32_t kFvfDiffuse = 0x040;
constexpr uint32_t kFvfTex1 = 0x100;
constexpr uint32_t kFvfTexCoordSize2 = 0;          // for set 0
constexpr uint32_t kFvfTexCoordSize3 = 1u << 16;
constexpr uint32_t kFvfTexCoordSize4 = 2u << 16;
constexpr uint32_t kFvfTexCoordSize1 = 3u << 16;
constexpr uint32_t kFvfTexCoordSizeMask = 3u << 16;

// ---- Drawing --------------------------------------------------------------------------------
constexpr uint32_t kPrimitiveTriangleList = 4;

constexpr uint32_t kClearTarget = 1;
constexpr uint32_t kClearZBuffer = 2;
constexpr uint32_t kClearStencil = 4;

constexpr uint32_t kLockReadOnly = 0x10;

}  // namespace port
