// Tables from the device's state numbers to OpenGL 2.1 fixed-function values.
#include "port/gpu/gl_translate.h"

namespace port {

GLenum GlCompareFunc(uint32_t compare) {
    switch (compare) {
        case kCmpNever: return GL_NEVER;
        case kCmpLess: return GL_LESS;
        case kCmpEqual: return GL_EQUAL;
        case kCmpLessEqual: return GL_LEQUAL;
        case kCmpGreater: return GL_GREATER;
        case kCmpNotEqual: return GL_NOTEQUAL;
        case kCmpGreaterEqual: return GL_GEQUAL;
        default: return GL_ALWAYS;
    }
}

namespace {

GLenum BlendFactor(uint32_t factor, GLenum fallback) {
    switch (factor) {
        case kBlendZero: return GL_ZERO;
        case kBlendOne: return GL_ONE;
        case kBlendSrcColor: return GL_SRC_COLOR;
        case kBlendInvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
        case kBlendSrcAlpha: return GL_SRC_ALPHA;
        case kBlendInvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
        case kBlendDestAlpha: return GL_DST_ALPHA;
        case kBlendInvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
        case kBlendDestColor: return GL_DST_COLOR;
        case kBlendInvDestColor: return GL_ONE_MINUS_DST_COLOR;
        case kBlendSrcAlphaSat: return GL_SRC_ALPHA_SATURATE;
        default: return fallback;
    }
}

}  // namespace

GlBlendFactors GlBlendFunc(uint32_t source, uint32_t destination) {
    if (source == kBlendBothSrcAlpha) return {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA};
    if (source == kBlendBothInvSrcAlpha) return {GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA};
    return {BlendFactor(source, GL_ONE), BlendFactor(destination, GL_ZERO)};
}

GLenum GlBlendEquation(uint32_t blendOp) {
    switch (blendOp) {
        case kBlendOpSubtract: return GL_FUNC_SUBTRACT;
        case kBlendOpRevSubtract: return GL_FUNC_REVERSE_SUBTRACT;
        case kBlendOpMin: return GL_MIN;
        case kBlendOpMax: return GL_MAX;
        default: return GL_FUNC_ADD;
    }
}

GLenum GlAddressMode(uint32_t address) {
    switch (address) {
        case kAddressMirror: return GL_MIRRORED_REPEAT;
        case kAddressClamp: return GL_CLAMP_TO_EDGE;
        default: return GL_REPEAT;
    }
}

GLenum GlMinFilter(uint32_t minFilter, uint32_t mipFilter) {
    const bool linear = (minFilter == kFilterLinear);
    switch (mipFilter) {
        case kFilterPoint: return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
        case kFilterLinear: return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
        default: return linear ? GL_LINEAR : GL_NEAREST;
    }
}

GLenum GlMagFilter(uint32_t magFilter) { return magFilter == kFilterLinear ? GL_LINEAR : GL_NEAREST; }

GlCull GlCullMode(uint32_t cull) {
    // GL judges winding in window coordinates with y up, which is the orientation the
    // picture is seen in, so "cull what looks clockwise" keeps counter-clockwise fronts.
    if (cull == kCullClockwise) return {true, GL_CCW};
    if (cull == kCullCounterClockwise) return {true, GL_CW};
    return {false, GL_CCW};
}

namespace {

GLenum ArgSource(uint32_t arg) {
    switch (arg & kArgSourceMask) {
        case kArgCurrent: return GL_PREVIOUS;
        case kArgTexture: return GL_TEXTURE;
        case kArgTFactor: return GL_CONSTANT;
        default: return GL_PRIMARY_COLOR;
    }
}

GLenum ColorOperand(uint32_t arg) {
    const bool complement = (arg & kArgComplement) != 0;
    if (arg & kArgAlphaReplicate) return complement ? GL_ONE_MINUS_SRC_ALPHA : GL_SRC_ALPHA;
    return complement ? GL_ONE_MINUS_SRC_COLOR : GL_SRC_COLOR;
}

GLenum AlphaOperand(uint32_t arg) {
    return (arg & kArgComplement) ? GL_ONE_MINUS_SRC_ALPHA : GL_SRC_ALPHA;
}

// The shared shape of both halves; `operand` picks the colour or alpha reading.
GlCombiner Combine(uint32_t op, uint32_t arg1, uint32_t arg2, GLenum (*operand)(uint32_t)) {
    GlCombiner c;
    c.source = {ArgSource(arg1), ArgSource(arg2), GL_CONSTANT};
    c.operand = {operand(arg1), operand(arg2), GL_SRC_ALPHA};
    switch (op) {
        case kOpSelectArg1:
            c.mode = GL_REPLACE;
            break;
        case kOpSelectArg2:
            c.mode = GL_REPLACE;
            c.source[0] = c.source[1];
            c.operand[0] = c.operand[1];
            break;
        case kOpModulate2x:
            c.scale = 2.0f;
            break;
        case kOpModulate4x:
            c.scale = 4.0f;
            break;
        case kOpAdd:
            c.mode = GL_ADD;
            break;
        case kOpAddSigned:
            c.mode = GL_ADD_SIGNED;
            break;
        case kOpAddSigned2x:
            c.mode = GL_ADD_SIGNED;
            c.scale = 2.0f;
            break;
        case kOpSubtract:
            c.mode = GL_SUBTRACT;
            break;
        case kOpBlendDiffuseAlpha:
        case kOpBlendTextureAlpha:
        case kOpBlendFactorAlpha:
        case kOpBlendCurrentAlpha: {
            // arg1 * alpha + arg2 * (1 - alpha), the alpha taken from the op's source.
            static constexpr GLenum kAlphaSource[] = {GL_PRIMARY_COLOR, GL_TEXTURE, GL_CONSTANT,
                                                      GL_PREVIOUS};
            const uint32_t index = (op == kOpBlendCurrentAlpha) ? 3 : op - kOpBlendDiffuseAlpha;
            c.mode = GL_INTERPOLATE;
            c.source[2] = kAlphaSource[index];
            c.operand[2] = GL_SRC_ALPHA;
            break;
        }
        default:
            c.mode = GL_MODULATE;
            break;
    }
    return c;
}

}  // namespace

GlCombiner GlColorCombiner(uint32_t op, uint32_t arg1, uint32_t arg2) {
    return Combine(op, arg1, arg2, ColorOperand);
}

GlCombiner GlAlphaCombiner(uint32_t op, uint32_t arg1, uint32_t arg2) {
    if (op == kOpDisable) return Combine(kOpSelectArg1, kArgCurrent, kArgCurrent, AlphaOperand);
    return Combine(op, arg1, arg2, AlphaOperand);
}

Matrix GlTextureMatrix(const Matrix& matrix, uint32_t transformFlags, uint32_t texCoordCount) {
    if ((transformFlags & ~kTransformProjected) == kTransformDisable) return Matrix::Identity();
    Matrix r = matrix;
    if (texCoordCount == 2) {
        for (int column = 0; column < 4; ++column) {
            r.at(2, column) = matrix.at(3, column);
            r.at(3, column) = matrix.at(2, column);
        }
    }
    if ((transformFlags & kTransformProjected) == 0) {
        for (int row = 0; row < 4; ++row) r.at(row, 3) = 0.0f;
        r.at(3, 3) = 1.0f;
    }
    return r;
}

int32_t GlViewportY(const Viewport& viewport, uint32_t backBufferHeight) {
    return static_cast<int32_t>(backBufferHeight) - static_cast<int32_t>(viewport.y) -
           static_cast<int32_t>(viewport.height);
}

std::array<GLfloat, 4> ArgbToFloats(uint32_t argb) {
    const std::array<uint8_t, 4> rgba = ArgbToRgba(argb);
    constexpr GLfloat kByteMax = 255.0f;
    return {rgba[0] / kByteMax, rgba[1] / kByteMax, rgba[2] / kByteMax, rgba[3] / kByteMax};
}

bool GlTextureFormat(GpuFormat format, GlPixelFormat& pf) {
    switch (format) {
        case kFormatL8: pf = {GL_LUMINANCE8, GL_LUMINANCE, GL_UNSIGNED_BYTE, false}; return true;
        case kFormatA8L8:
            pf = {GL_LUMINANCE8_ALPHA8, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, false};
            return true;
        case kFormatR5G6B5: pf = {GL_RGB8, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, false}; return true;
        // X8 keeps its fourth byte out of the picture: the texture has no alpha and reads 1.
        case kFormatX8R8G8B8: pf = {GL_RGB8, GL_BGRA, GL_UNSIGNED_BYTE, false}; return true;
        case kFormatA8R8G8B8: pf = {GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, false}; return true;
        // DXT1 may carry one-bit alpha, so it is always read with alpha.
        case kFormatDXT1: pf = {GL_COMPRESSED_RGBA_S3TC_DXT1_EXT, 0, 0, true}; return true;
        case kFormatDXT3: pf = {GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, 0, 0, true}; return true;
        case kFormatDXT5: pf = {GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 0, 0, true}; return true;
        default: return false;
    }
}

}  // namespace port
