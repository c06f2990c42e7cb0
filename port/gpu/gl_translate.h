// Translation of the device's numeric states to OpenGL 2.1 fixed-function values. Pure
// functions (no GL calls), so the tables can be tested without a context.
#pragma once
#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstdint>

#include "port/gpu/gpu_constants.h"
#include "port/gpu/gpu_types.h"

namespace port {

// Unknown values fall back to the device's initial value for that state.
GLenum GlCompareFunc(uint32_t compare);  // else GL_ALWAYS
struct GlBlendFactors {
    GLenum source;
    GLenum destination;
    bool operator==(const GlBlendFactors&) const = default;
};
// The "both" factors given as source set both sides and override the destination.
GlBlendFactors GlBlendFunc(uint32_t source, uint32_t destination);
GLenum GlBlendEquation(uint32_t blendOp);  // else GL_FUNC_ADD
GLenum GlAddressMode(uint32_t address);    // else GL_REPEAT
GLenum GlMinFilter(uint32_t minFilter, uint32_t mipFilter);
GLenum GlMagFilter(uint32_t magFilter);

struct GlCull {
    bool enabled;
    GLenum frontFace;  // with glCullFace(GL_BACK)
    bool operator==(const GlCull&) const = default;
};
GlCull GlCullMode(uint32_t cull);  // else culling off

// One half (colour or alpha) of a texture unit's GL_COMBINE set-up.
struct GlCombiner {
    GLenum mode = GL_MODULATE;
    std::array<GLenum, 3> source{GL_TEXTURE, GL_PREVIOUS, GL_CONSTANT};
    std::array<GLenum, 3> operand{GL_SRC_COLOR, GL_SRC_COLOR, GL_SRC_ALPHA};
    GLfloat scale = 1.0f;
    bool operator==(const GlCombiner&) const = default;
};
// op must not be kOpDisable for the colour half (a disabled stage ends the chain); a
// disabled alpha half passes the previous alpha on. Unknown ops combine as MODULATE.
GlCombiner GlColorCombiner(uint32_t op, uint32_t arg1, uint32_t arg2);
GlCombiner GlAlphaCombiner(uint32_t op, uint32_t arg1, uint32_t arg2);

// The GL texture matrix for a stage. The device feeds a two-coordinate set through its
// texture transform as (u, v, 1, 0), GL as (s, t, 0, 1): rows 2 and 3 trade places.
// Without the projected flag the q output is forced to 1 so GL's divide does nothing.
// Transform flags kTransformDisable give the identity.
Matrix GlTextureMatrix(const Matrix& matrix, uint32_t transformFlags, uint32_t texCoordCount);

// GL viewports count y from the bottom of the back buffer.
int32_t GlViewportY(const Viewport& viewport, uint32_t backBufferHeight);

// 0xAARRGGBB to the R,G,B,A bytes of a GL_UNSIGNED_BYTE colour array.
inline std::array<uint8_t, 4> ArgbToRgba(uint32_t argb) {
    return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
            static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
}
// 0xAARRGGBB to four floats 0..1 in R,G,B,A order.
std::array<GLfloat, 4> ArgbToFloats(uint32_t argb);

struct GlPixelFormat {
    GLint internalFormat = 0;
    GLenum format = 0;  // unused for compressed formats
    GLenum type = 0;
    bool compressed = false;
};
// False for a format that cannot be a texture.
bool GlTextureFormat(GpuFormat format, GlPixelFormat& pixelFormat);

}  // namespace port
