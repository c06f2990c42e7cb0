// Translation tables from the device's state numbers to OpenGL values.
#include "port/gpu/gl_translate.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace port;

TEST(GlTranslateTest, CompareFunctions_MapInOrderAndFallBackToAlways) {
    const std::vector<std::pair<uint32_t, GLenum>> table = {
        {kCmpNever, GL_NEVER},   {kCmpLess, GL_LESS},         {kCmpEqual, GL_EQUAL},
        {kCmpLessEqual, GL_LEQUAL}, {kCmpGreater, GL_GREATER}, {kCmpNotEqual, GL_NOTEQUAL},
        {kCmpGreaterEqual, GL_GEQUAL}, {kCmpAlways, GL_ALWAYS}, {0, GL_ALWAYS}, {99, GL_ALWAYS}};
    for (const auto& [value, expected] : table) EXPECT_EQ(GlCompareFunc(value), expected) << value;
}

TEST(GlTranslateTest, BlendFactors_MapBothSidesAndTheBothForms) {
    struct Row {
        uint32_t source, destination;
        GlBlendFactors expected;
    };
    const std::vector<Row> table = {
        {kBlendSrcAlpha, kBlendInvSrcAlpha, {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}},
        {kBlendOne, kBlendOne, {GL_ONE, GL_ONE}},
        {kBlendZero, kBlendSrcColor, {GL_ZERO, GL_SRC_COLOR}},
        {kBlendInvSrcColor, kBlendDestAlpha, {GL_ONE_MINUS_SRC_COLOR, GL_DST_ALPHA}},
        {kBlendInvDestAlpha, kBlendDestColor, {GL_ONE_MINUS_DST_ALPHA, GL_DST_COLOR}},
        {kBlendSrcAlphaSat, kBlendInvDestColor, {GL_SRC_ALPHA_SATURATE, GL_ONE_MINUS_DST_COLOR}},
        {kBlendBothSrcAlpha, kBlendZero, {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}},
        {kBlendBothInvSrcAlpha, kBlendZero, {GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA}},
        {0, 0, {GL_ONE, GL_ZERO}},
    };
    for (const Row& row : table) {
        EXPECT_EQ(GlBlendFunc(row.source, row.destination), row.expected) << row.source << "," << row.destination;
    }
}

TEST(GlTranslateTest, BlendOps_Map) {
    EXPECT_EQ(GlBlendEquation(kBlendOpAdd), static_cast<GLenum>(GL_FUNC_ADD));
    EXPECT_EQ(GlBlendEquation(kBlendOpSubtract), static_cast<GLenum>(GL_FUNC_SUBTRACT));
    EXPECT_EQ(GlBlendEquation(kBlendOpRevSubtract), static_cast<GLenum>(GL_FUNC_REVERSE_SUBTRACT));
    EXPECT_EQ(GlBlendEquation(kBlendOpMin), static_cast<GLenum>(GL_MIN));
    EXPECT_EQ(GlBlendEquation(kBlendOpMax), static_cast<GLenum>(GL_MAX));
    EXPECT_EQ(GlBlendEquation(0), static_cast<GLenum>(GL_FUNC_ADD));
}

TEST(GlTranslateTest, AddressModes_WrapMirrorClamp) {
    EXPECT_EQ(GlAddressMode(kAddressWrap), static_cast<GLenum>(GL_REPEAT));
    EXPECT_EQ(GlAddressMode(kAddressMirror), static_cast<GLenum>(GL_MIRRORED_REPEAT));
    EXPECT_EQ(GlAddressMode(kAddressClamp), static_cast<GLenum>(GL_CLAMP_TO_EDGE));
    EXPECT_EQ(GlAddressMode(0), static_cast<GLenum>(GL_REPEAT));
}

TEST(GlTranslateTest, Filters_TheFourRendererModes) {
    // Renderer filter modes 0..3: point/none, linear/none, linear/point, linear/linear.
    EXPECT_EQ(GlMinFilter(kFilterPoint, kFilterNone), static_cast<GLenum>(GL_NEAREST));
    EXPECT_EQ(GlMagFilter(kFilterPoint), static_cast<GLenum>(GL_NEAREST));
    EXPECT_EQ(GlMinFilter(kFilterLinear, kFilterNone), static_cast<GLenum>(GL_LINEAR));
    EXPECT_EQ(GlMagFilter(kFilterLinear), static_cast<GLenum>(GL_LINEAR));
    EXPECT_EQ(GlMinFilter(kFilterLinear, kFilterPoint), static_cast<GLenum>(GL_LINEAR_MIPMAP_NEAREST));
    EXPECT_EQ(GlMinFilter(kFilterLinear, kFilterLinear), static_cast<GLenum>(GL_LINEAR_MIPMAP_LINEAR));
    EXPECT_EQ(GlMinFilter(kFilterPoint, kFilterPoint), static_cast<GLenum>(GL_NEAREST_MIPMAP_NEAREST));
}

TEST(GlTranslateTest, CullModes) {
    EXPECT_EQ(GlCullMode(kCullNone), (GlCull{false, GL_CCW}));
    EXPECT_EQ(GlCullMode(kCullClockwise), (GlCull{true, GL_CCW}));
    EXPECT_EQ(GlCullMode(kCullCounterClockwise), (GlCull{true, GL_CW}));
}

TEST(GlTranslateTest, ColorCombiner_RendererDefaultIsTextureTimesCurrent) {
    const GlCombiner c = GlColorCombiner(kOpModulate, kArgTexture, kArgCurrent);
    EXPECT_EQ(c.mode, static_cast<GLenum>(GL_MODULATE));
    EXPECT_EQ(c.source[0], static_cast<GLenum>(GL_TEXTURE));
    EXPECT_EQ(c.source[1], static_cast<GLenum>(GL_PREVIOUS));
    EXPECT_EQ(c.operand[0], static_cast<GLenum>(GL_SRC_COLOR));
    EXPECT_EQ(c.scale, 1.0f);
}

TEST(GlTranslateTest, ColorCombiner_OpsAndArguments) {
    struct Row {
        uint32_t op;
        GLenum mode;
        GLfloat scale;
    };
    const std::vector<Row> table = {
        {kOpSelectArg1, GL_REPLACE, 1}, {kOpModulate2x, GL_MODULATE, 2}, {kOpModulate4x, GL_MODULATE, 4},
        {kOpAdd, GL_ADD, 1},           {kOpAddSigned, GL_ADD_SIGNED, 1}, {kOpAddSigned2x, GL_ADD_SIGNED, 2},
        {kOpSubtract, GL_SUBTRACT, 1}, {kOpBlendTextureAlpha, GL_INTERPOLATE, 1}, {99, GL_MODULATE, 1}};
    for (const Row& row : table) {
        const GlCombiner c = GlColorCombiner(row.op, kArgTexture, kArgDiffuse);
        EXPECT_EQ(c.mode, row.mode) << row.op;
        EXPECT_EQ(c.scale, row.scale) << row.op;
    }
    const GlCombiner second = GlColorCombiner(kOpSelectArg2, kArgTexture, kArgTFactor);
    EXPECT_EQ(second.source[0], static_cast<GLenum>(GL_CONSTANT));
    const GlCombiner blend = GlColorCombiner(kOpBlendDiffuseAlpha, kArgTexture, kArgCurrent);
    EXPECT_EQ(blend.source[2], static_cast<GLenum>(GL_PRIMARY_COLOR));
    EXPECT_EQ(blend.operand[2], static_cast<GLenum>(GL_SRC_ALPHA));
    const GlCombiner modifiers =
        GlColorCombiner(kOpModulate, kArgTexture | kArgComplement, kArgDiffuse | kArgAlphaReplicate);
    EXPECT_EQ(modifiers.operand[0], static_cast<GLenum>(GL_ONE_MINUS_SRC_COLOR));
    EXPECT_EQ(modifiers.operand[1], static_cast<GLenum>(GL_SRC_ALPHA));
}

TEST(GlTranslateTest, AlphaCombiner_DisabledPassesPreviousAlpha) {
    const GlCombiner c = GlAlphaCombiner(kOpDisable, kArgTexture, kArgDiffuse);
    EXPECT_EQ(c.mode, static_cast<GLenum>(GL_REPLACE));
    EXPECT_EQ(c.source[0], static_cast<GLenum>(GL_PREVIOUS));
    EXPECT_EQ(GlAlphaCombiner(kOpModulate, kArgTexture | kArgComplement, kArgTFactor).operand[0],
              static_cast<GLenum>(GL_ONE_MINUS_SRC_ALPHA));
}

TEST(GlTranslateTest, TextureMatrix_TwoCoordinateLayoutMovesTranslationToRowThree) {
    Matrix flip = Matrix::Identity();  // v' = 1 - v in the device's two-coordinate layout
    flip.at(1, 1) = -1.0f;
    flip.at(2, 1) = 1.0f;
    const Matrix gl = GlTextureMatrix(flip, kTransformCount2, 2);
    EXPECT_EQ(gl.at(3, 1), 1.0f);
    EXPECT_EQ(gl.at(1, 1), -1.0f);
    EXPECT_EQ(gl.at(2, 1), 0.0f);
    EXPECT_EQ(gl.at(3, 3), 1.0f);
    EXPECT_EQ(GlTextureMatrix(flip, kTransformDisable, 2), Matrix::Identity());
    EXPECT_EQ(GlTextureMatrix(flip, kTransformCount2, 3).at(2, 1), 1.0f);  // other layouts unchanged
}

TEST(GlTranslateTest, ViewportY_CountsFromTheBottom) {
    EXPECT_EQ(GlViewportY({0, 0, 100, 50, 0, 1}, 600), 550);
    EXPECT_EQ(GlViewportY({0, 550, 100, 50, 0, 1}, 600), 0);
    EXPECT_EQ(GlViewportY({0, 0, 800, 600, 0, 1}, 600), 0);
}

TEST(GlTranslateTest, Colours_ArgbBecomesRgbaBytes) {
    EXPECT_EQ(ArgbToRgba(0x80112233u), (std::array<uint8_t, 4>{0x11, 0x22, 0x33, 0x80}));
    const auto f = ArgbToFloats(0xFF0000FFu);
    EXPECT_FLOAT_EQ(f[0], 0.0f);
    EXPECT_FLOAT_EQ(f[2], 1.0f);
    EXPECT_FLOAT_EQ(f[3], 1.0f);
}

TEST(GlTranslateTest, TextureFormats_UploadLayouts) {
    struct Row {
        GpuFormat format;
        GLenum pixelFormat;
        GLenum type;
        bool compressed;
    };
    const std::vector<Row> table = {{kFormatL8, GL_LUMINANCE, GL_UNSIGNED_BYTE, false},
                                    {kFormatA8L8, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, false},
                                    {kFormatR5G6B5, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, false},
                                    {kFormatX8R8G8B8, GL_BGRA, GL_UNSIGNED_BYTE, false},
                                    {kFormatA8R8G8B8, GL_BGRA, GL_UNSIGNED_BYTE, false},
                                    {kFormatDXT1, 0, 0, true},
                                    {kFormatDXT3, 0, 0, true},
                                    {kFormatDXT5, 0, 0, true}};
    for (const Row& row : table) {
        GlPixelFormat pf;
        ASSERT_TRUE(GlTextureFormat(row.format, pf)) << row.format;
        EXPECT_EQ(pf.format, row.pixelFormat) << row.format;
        EXPECT_EQ(pf.type, row.type) << row.format;
        EXPECT_EQ(pf.compressed, row.compressed) << row.format;
    }
    GlPixelFormat unused;
    EXPECT_FALSE(GlTextureFormat(kFormatUnknown, unused));
    EXPECT_FALSE(GlTextureFormat(kFormatD16, unused));
}

}  // namespace
