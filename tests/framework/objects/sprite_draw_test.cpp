// SpriteAnim drawing: straight (whole pixels), exact, transformed, and set-up by name.
#include <gtest/gtest.h>

#include "engine/render/vertex_batch.h"
#include "framework/objects/sprite_anim.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class SpriteDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::RegisterTestSprite("frame", 2, 10.0f, 31.6f, 15.2f, 0.5f, 0.5f);
        anim_.SetSprite("frame", kPlayStopped, false);
    }
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    SpriteAnim anim_;
    vrk::VertexBatch batch_;
};

TEST_F(SpriteDrawTest, Draw_RoundsDownToWholePixels)
{
    anim_.Draw(batch_, 10.7f, 20.2f, 0xFFFFFFFFu);
    ASSERT_EQ(batch_.UsedVertices(), 6u);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (uint32_t i = 0; i < 6; ++i) {
        minX = std::min(minX, batch_.vertices[i].x);
        maxX = std::max(maxX, batch_.vertices[i].x);
        minY = std::min(minY, batch_.vertices[i].y);
        maxY = std::max(maxY, batch_.vertices[i].y);
    }
    EXPECT_FLOAT_EQ(minX, 10.0f);
    EXPECT_FLOAT_EQ(minY, 19.0f);
    EXPECT_FLOAT_EQ(maxX - minX, 31.0f);
    EXPECT_FLOAT_EQ(maxY - minY, 15.0f);
}

TEST_F(SpriteDrawTest, DrawExactAndUntransformed_AgreeAndKeepFractions)
{
    anim_.DrawExact(batch_, 10.7f, 20.2f, 0xFFFFFFFFu);
    anim_.DrawTransformed(batch_, 10.7f, 20.2f, 1.0f, 1.0f, 0xFFFFFFFFu, 0.0f);
    ASSERT_EQ(batch_.UsedVertices(), 12u);
    for (uint32_t i = 0; i < 6; ++i) {
        // Same corner set; both write the bottom-left corner first.
        EXPECT_FLOAT_EQ(batch_.vertices[0].x, 10.2f);
        EXPECT_FLOAT_EQ(batch_.vertices[6].x, 10.2f);
        EXPECT_FLOAT_EQ(batch_.vertices[6].y, 19.7f);
    }
}

TEST_F(SpriteDrawTest, DrawTransformed_ScalesAboutThePoint)
{
    anim_.DrawTransformed(batch_, 100.0f, 100.0f, 2.0f, 1.0f, 0xFFFFFFFFu, 0.0f);
    EXPECT_FLOAT_EQ(batch_.vertices[0].x, 99.0f);                 // hot spot scaled too
    EXPECT_FLOAT_EQ(batch_.vertices[1].x, 99.0f + 2.0f * 31.6f);  // twice as wide
    EXPECT_FLOAT_EQ(batch_.vertices[5].y, 99.5f + 15.2f);
}

TEST_F(SpriteDrawTest, DrawTransformed_QuarterTurn)
{
    anim_.DrawTransformed(batch_, 0.0f, 0.0f, 1.0f, 1.0f, 0xFFFFFFFFu, 1.5707964f);
    // (x1, y0) = (31.1, -0.5) turned a quarter: (0.5, 31.1).
    EXPECT_NEAR(batch_.vertices[1].x, 0.5f, 1e-4f);
    EXPECT_NEAR(batch_.vertices[1].y, 31.1f, 1e-4f);
}

TEST_F(SpriteDrawTest, FrameOutsideTheTable_DrawsNothing)
{
    anim_.play.frame = 2;
    anim_.Draw(batch_, 0.0f, 0.0f, 0xFFFFFFFFu);
    anim_.DrawExact(batch_, 0.0f, 0.0f, 0xFFFFFFFFu);
    anim_.DrawTransformed(batch_, 0.0f, 0.0f, 1.0f, 1.0f, 0xFFFFFFFFu, 0.0f);
    anim_.play.frame = -1;
    anim_.Draw(batch_, 0.0f, 0.0f, 0xFFFFFFFFu);
    EXPECT_EQ(batch_.UsedVertices(), 0u);
}

TEST_F(SpriteDrawTest, SetSprite_StartsThePlayStateInTheMode)
{
    SpriteAnim anim;
    anim.SetSprite("frame", kPlayLoopBackward, false);
    EXPECT_EQ(anim.play.mode, kPlayLoopBackward);
    EXPECT_EQ(anim.play.frame, 1);
    EXPECT_EQ(anim.play.frameCount, 2);
    EXPECT_FLOAT_EQ(anim.play.secondsPerFrame, 0.1f);
    EXPECT_TRUE(anim.info.texture->inUse == false);  // no pixels or path: nothing to keep
    anim.SetSprite("missing", 7, false);
    EXPECT_EQ(anim.play.mode, 7);
    EXPECT_EQ(anim.play.frameCount, 0);
    anim.Draw(batch_, 0.0f, 0.0f, 0xFFFFFFFFu);
    EXPECT_EQ(batch_.UsedVertices(), 0u);
}

}  // namespace

namespace {

TEST(DrawImageRoundedTest, RoundsTheDestinationDownAndKeepsTheRegion)
{
    test::RegistryCleaner cleaner;
    vrk::VertexBatch batch;
    const vrk::TexturePtr texture = test::RegisterTestTexture("picture");
    DrawImageRounded(batch, texture, Rect{10.7f, -3.2f, 20.9f, 8.5f}, FrameWindow{0.25f, 0.5f, 0.25f, 0.5f},
                     0x80FFFFFFu);
    ASSERT_EQ(batch.UsedVertices(), 6u);
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 10.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].y, -4.0f);
    EXPECT_FLOAT_EQ(batch.vertices[5].x, 30.0f);
    EXPECT_FLOAT_EQ(batch.vertices[5].y, 4.0f);
    EXPECT_FLOAT_EQ(batch.vertices[5].u, 0.5f);
    EXPECT_FLOAT_EQ(batch.vertices[5].v, 1.0f);
    EXPECT_EQ(batch.vertices[0].color, 0x80FFFFFFu);
    DrawImageRounded(batch, nullptr, Rect{0.0f, 0.0f, 1.0f, 1.0f}, FrameWindow{}, 0xFFFFFFFFu);
    EXPECT_EQ(batch.UsedVertices(), 6u) << "nothing without a texture";
}

}  // namespace
