// The highlight pass through a renderer over the recording device: the frame is
// drawn, then drawn again additively in white, and the layer's blend mode returns.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/render/render.h"
#include "framework/objects/object.h"
#include "port/gpu/gpu_constants.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class ObjectHighlightTest : public test::NullRenderTest {
protected:
    void SetUp() override
    {
        test::NullRenderTest::SetUp();
        render_->SetVertexFormat(true, false, true, 2);
        test::RegisterTestSprite("box", 1, 30.0f);
        owner_.SetObjectLayer(&object_, 5);
        object_.AddAnimation("main", "box");
        object_.PlayAnimation("main", kPlayStopped);
        Recorder().Clear();
    }
    uint32_t FirstColorOfDraw(size_t draw) const
    {
        vrk::BatchVertex vertex;
        std::memcpy(&vertex, system_->Recorder().draws.at(draw).vertices.data(), sizeof(vertex));
        return vertex.color;
    }

    test::FakeAppServices app_;
    test::FakeOwner owner_;
    cObject object_{&owner_};
};

TEST_F(ObjectHighlightTest, Draw_FlushesFrameThenAdditiveWhitePassAndRestoresLayerBlend)
{
    owner_.sceneColor = 0xFF204060u;
    render_->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    object_.SetHighlight(1.0f);
    object_.Draw();
    ASSERT_EQ(Recorder().draws.size(), 2u);
    EXPECT_EQ(FirstColorOfDraw(0), 0xFF204060u);
    EXPECT_EQ(FirstColorOfDraw(1), 0xFFFFFFFFu);
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
    // Layer 5 blends with alpha again, without the pass's alpha test reference.
    EXPECT_TRUE(render_->blendEnabled);
    EXPECT_EQ(render_->blendSource, static_cast<uint32_t>(port::kBlendSrcAlpha));
    EXPECT_EQ(render_->alphaReference, 0.0f);
}

TEST_F(ObjectHighlightTest, Draw_WithoutHighlightLeavesBatchForTheLayerFlush)
{
    object_.Draw();
    EXPECT_TRUE(Recorder().draws.empty());
    EXPECT_EQ(owner_.batch.UsedVertices(), 6u);
}

}  // namespace
