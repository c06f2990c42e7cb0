// cRender's device states, caching, 2-D set-up and draw calls over the recording device.
#include "engine/render/render.h"

#include <gtest/gtest.h>

#include "engine/render/image.h"
#include "tests/engine/render/render_test_support.h"

namespace {

using port::StageState;

class RenderTest : public test::NullRenderTest {};

TEST_F(RenderTest, SetViewport_WidthZeroRestoresTheFullScreenOnlyOnce)
{
    render_->SetViewport(10, 20, 100, 50);
    EXPECT_TRUE(Recorded("SetViewport 10 20 100 50"));
    Recorder().Clear();
    render_->SetViewport(0, 0, 0, 0);
    EXPECT_TRUE(Recorded("SetViewport 0 0 800 600"));
    EXPECT_EQ(render_->viewportRect.width, 0);
    Recorder().Clear();
    render_->SetViewport(5, 5, 0, 10);
    EXPECT_EQ(Recorder().Count("SetViewport"), 0u);
}

struct FactorCase {
    const char* name;
    uint32_t color;
    uint32_t colorArg2;
    uint32_t alphaArg2;
};
class TextureFactorTest : public RenderTest, public ::testing::WithParamInterface<FactorCase> {};

TEST_P(TextureFactorTest, PicksTheCombinerByTheFactorsChannels)
{
    render_->SetTextureFactor(GetParam().color);
    EXPECT_EQ(Stage0(StageState::kColorOp), port::kOpModulate);
    EXPECT_EQ(Stage0(StageState::kColorArg1), port::kArgTexture);
    EXPECT_EQ(Stage0(StageState::kColorArg2), GetParam().colorArg2);
    EXPECT_EQ(Stage0(StageState::kAlphaOp), port::kOpModulate);
    EXPECT_EQ(Stage0(StageState::kAlphaArg2), GetParam().alphaArg2);
    render_->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    EXPECT_EQ(Stage0(StageState::kColorArg2), port::kArgCurrent);
    EXPECT_EQ(Stage0(StageState::kAlphaArg2), port::kArgCurrent);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, TextureFactorTest,
    ::testing::Values(FactorCase{"FadeOnly", 0x80FFFFFF, port::kArgCurrent, port::kArgTFactor},
                      FactorCase{"TintOnly", 0xFF808080, port::kArgTFactor, port::kArgCurrent},
                      FactorCase{"TintAndFade", 0x80808080, port::kArgTFactor, port::kArgTFactor}),
    [](const ::testing::TestParamInfo<FactorCase>& info) { return std::string(info.param.name); });

TEST_F(RenderTest, SetTextureFactor_SendsTheColourOnce)
{
    render_->SetTextureFactor(0x80FFFFFF);
    render_->SetTextureFactor(0x80FFFFFF);
    EXPECT_EQ(Recorder().Count("SetRenderState 60 "), 1u);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kTextureFactor), 0x80FFFFFFu);
}

TEST_F(RenderTest, StateSetters_SendOnlyChanges)
{
    render_->SetBlendFunc(port::kBlendSrcAlpha, port::kBlendInvSrcAlpha);
    const size_t first = Recorder().calls.size();
    render_->SetBlendFunc(port::kBlendSrcAlpha, port::kBlendInvSrcAlpha);
    render_->SetVertexFormat(true, false, true, 2);
    render_->SetVertexFormat(true, false, true, 2);
    EXPECT_EQ(Recorder().calls.size(), first + 1);
    EXPECT_TRUE(Recorded("SetVertexFormat 0x142"));
    EXPECT_EQ(render_->vertexSize, 24u);
}

TEST_F(RenderTest, SetBlendMode_AdditiveWithAlphaTestAndOffTurnsBothOff)
{
    render_->SetBlendMode(vrk::cRender::kBlendAdditive, 0.1f);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kSrcBlend), port::kBlendOne);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kDestBlend), port::kBlendOne);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kBlendOp), port::kBlendOpAdd);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kAlphaFunc), port::kCmpGreater);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kAlphaRef), 25u);
    render_->SetBlendMode(7, 0.0f);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kAlphaBlendEnable), port::kFalse);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kAlphaTestEnable), port::kFalse);
}

TEST_F(RenderTest, SetClearColor_TruncatesEachChannel)
{
    render_->SetClearColor(1.0f, 0.25f, 0.25f, 0.0f);
    EXPECT_EQ(render_->clearColor, 0x00FF3F3Fu);
    render_->ClearRenderTarget();
    EXPECT_TRUE(Recorded("Clear 1 0x00FF3F3F"));
}

TEST_F(RenderTest, SetOrtho2D_LetterboxesAWideScreenTo4By3)
{
    render_->SetScreenRect(0, 0, 1600, 900);
    render_->SetOrtho2D(true, 1024.0f, 768.0f);
    EXPECT_TRUE(Recorded("SetViewport 200 0 1200 900"));
    const port::Matrix projection = device_->GetTransform(port::TransformKind::kProjection);
    EXPECT_FLOAT_EQ(projection.at(0, 0), 2.0f / 1024.0f);
    EXPECT_FLOAT_EQ(projection.at(1, 1), 2.0f / 768.0f);
    EXPECT_FLOAT_EQ(projection.at(3, 0), -1.0f);
    EXPECT_FLOAT_EQ(projection.at(3, 1), -1.0f);
    const port::Matrix texture = device_->GetTransform(port::TextureTransform(0));
    EXPECT_FLOAT_EQ(texture.at(1, 1), -1.0f);
    EXPECT_FLOAT_EQ(texture.at(2, 1), 1.0f) << "translation moved to the third row";
    EXPECT_EQ(device_->GetVertexFormat(), port::kFvfXyz | port::kFvfDiffuse | port::kFvfTex1);
}

TEST_F(RenderTest, SetTransform_MirrorNegatesTheProjectionsYScale)
{
    render_->mirrorProjection = true;
    vrk::Matrix4 matrix;
    matrix.At(1, 1) = 2.0f;
    render_->SetTransform(matrix, vrk::cRender::kProjection);
    EXPECT_FLOAT_EQ(device_->GetTransform(port::TransformKind::kProjection).at(1, 1), -2.0f);
    EXPECT_FLOAT_EQ(render_->projection.At(1, 1), 2.0f);
}

TEST_F(RenderTest, DrawPrimitives_EmptyDrawIsRefusedAndCounted)
{
    render_->SetVertexFormat(true, false, true, 2);
    render_->DrawPrimitives(0, 3, "x");
    EXPECT_TRUE(log_.Contains("Trying to draw empty primitive."));
    EXPECT_EQ(render_->drawCallCount, 0u);
}

TEST_F(RenderTest, DrawVertexBatch_OneDrawPerRunWithItsTexture)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 4, 4, 1);
    auto textured = vrk::CreateTextureFromImage("pic", &picture);
    ASSERT_TRUE(textured->IsOnDevice());
    vrk::VertexBatch batch;
    vrk::cRender::AddQuad(batch, textured, 0, 0, 1, 1, 0, 0, 10, 10, 0xFFFFFFFF);
    vrk::cRender::AddQuad(batch, textured, 0, 0, 1, 1, 10, 0, 10, 10, 0xFFFFFFFF);
    vrk::cRender::AddQuad(batch, nullptr, 0, 0, 1, 1, 0, 20, 10, 10, 0xFF0000FF);
    render_->SetOrtho2D(false, 1024, 768);
    Recorder().Clear();
    render_->ZeroFrameCounters();
    render_->DrawVertexBatch(batch);
    ASSERT_EQ(Recorder().draws.size(), 2u);
    EXPECT_NE(Recorder().draws[0].textureId, 0u);
    EXPECT_EQ(Recorder().draws[0].primitiveCount, 4u);
    EXPECT_EQ(Recorder().draws[1].textureId, 0u);
    EXPECT_EQ(Recorder().draws[1].stride, 24u);
    EXPECT_EQ(render_->drawCallCount, 2u);
    EXPECT_EQ(render_->primitiveCount, 6u);
    EXPECT_EQ(render_->vertexCount, 18u);
    render_->KeepFrameCounters();
    EXPECT_EQ(render_->lastDrawCallCount, 2u);
}

TEST_F(RenderTest, SetTexture_RebindsAfterTheBoundTextureWasDestroyed)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 4, 4, 1);
    auto first = vrk::CreateTextureFromImage("a", &picture);
    render_->SetTexture(first->deviceTexture.get());
    first->SetImage(&picture);  // a new device texture, possibly at the old address
    Recorder().Clear();
    render_->SetTexture(first->deviceTexture.get());
    EXPECT_EQ(Recorder().Count("SetTexture 0 "), 1u);
}

TEST_F(RenderTest, SetHardwareDefaults_SetsTheFixedStatesAndLogs)
{
    log_.Clear();
    render_->SetHardwareDefaults();
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kCullMode), port::kCullNone);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kZEnable), port::kFalse);
    EXPECT_EQ(device_->GetRenderState(port::RenderState::kLighting), port::kFalse);
    EXPECT_EQ(device_->GetTextureStageState(3, StageState::kTextureTransformFlags), port::kTransformCount2);
    EXPECT_TRUE(log_.Contains("Set software defaults - ok"));
    EXPECT_TRUE(log_.Contains("Set hardware defaults - ok"));
}

TEST_F(RenderTest, CreateRender_SecondCallKeepsTheRendererAndWarns)
{
    EXPECT_EQ(vrk::CreateRender(), render_);
    EXPECT_TRUE(log_.Contains("Already exist"));
    EXPECT_EQ(vrk::GetRender(), render_);
}

TEST_F(RenderTest, DestroyRender_LogsAndClearsThePointer)
{
    vrk::DestroyRender();
    EXPECT_EQ(vrk::GetRender(), nullptr);
    EXPECT_TRUE(log_.Contains("Destroyed."));
}

}  // namespace
