// cObject drawing into the owner's batch: frame rectangles, corner quads, the
// cross-fade split, the highlight pass, batched quads and the selection outline; and
// the picture's cover at a point, through the frame rectangle or a drawn quad.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/render/image.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kNear = 1e-4f;

class ObjectDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Two frames 32 x 16 with hot spot (4, 2), at 30 fps.
        test::RegisterTestSprite("box", 2, 30.0f, 32.0f, 16.0f, 4.0f, 2.0f);
        object_.AddAnimation("main", "box");
        object_.PlayAnimation("main", kPlayStopped);
        object_.SetPosition(100.5f, 50.75f);
    }
    uint32_t Vertices() const { return owner_.batch.UsedVertices(); }
    const vrk::BatchVertex& Vertex(size_t i) const { return owner_.batch.vertices[i]; }
    static uint32_t AlphaOf(uint32_t color) { return color >> 24; }

    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
    cObject object_{&owner_};
};

TEST_F(ObjectDrawTest, FrameRect_IsPositionMinusHotSpot)
{
    Rect rect;
    object_.GetFrameRect(rect, -1);
    EXPECT_EQ(rect.x, 96.5f);
    EXPECT_EQ(rect.y, 48.75f);
    EXPECT_EQ(rect.width, 32.0f);
    EXPECT_EQ(rect.height, 16.0f);
    object_.GetFrameRect(rect, 2);  // past the frame count
    EXPECT_EQ(rect.width, 0.0f);
    object_.GetFrameRect(rect, -5);
    EXPECT_EQ(rect.width, 0.0f);
}

TEST_F(ObjectDrawTest, FrameRect_WithoutAnimationIsZero)
{
    cObject bare(&owner_);
    bare.SetPosition(5.0f, 5.0f);
    Rect rect;
    bare.GetFrameRect(rect, -1);
    EXPECT_EQ(rect.x, 0.0f);
    Quad quad;
    bare.GetQuad(quad);
    EXPECT_EQ(quad[2], vec2(0.0f, 0.0f));
}

TEST_F(ObjectDrawTest, Quad_ScalesRotatesAndAddsShapeOffset)
{
    object_.SetPosition(10.0f, 20.0f);
    object_.SetShapeOffset(1.0f, 1.0f);
    Quad quad;
    object_.GetQuad(quad);
    EXPECT_EQ(quad[0], vec2(7.0f, 19.0f));
    EXPECT_EQ(quad[2], vec2(39.0f, 35.0f));
    object_.SetScale(2.0f, 1.0f);
    object_.SetAngle(static_cast<float>(M_PI / 2.0));
    object_.GetQuad(quad);
    // Corner (w - dx, h - dy) = (28, 14), scaled (56, 14), turned a quarter: (-14, 56).
    EXPECT_NEAR(quad[2].x, 11.0f - 14.0f, kNear);
    EXPECT_NEAR(quad[2].y, 21.0f + 56.0f, kNear);
}

TEST_F(ObjectDrawTest, FrameInfo_AddsDrawOffsetToPositionAndWindow)
{
    object_.SetDrawOffset(0.5f, 0.25f);
    FrameInfo info;
    object_.GetFrameInfo(info);
    EXPECT_NE(info.texture, nullptr);
    EXPECT_EQ(info.position, vec2(101.0f, 51.0f));
    EXPECT_EQ(info.source.u, 0.5f);
    EXPECT_EQ(info.source.v, 0.25f);
    EXPECT_EQ(info.hotSpot, vec2(4.0f, 2.0f));
    EXPECT_EQ(info.size, vec2(32.0f, 16.0f));
}

TEST_F(ObjectDrawTest, Draw_FloorsDestinationAndUsesColour)
{
    owner_.sceneColor = 0xFF808080u;
    object_.Draw();
    ASSERT_EQ(Vertices(), 6u);
    EXPECT_EQ(Vertex(0).x, 96.0f);
    EXPECT_EQ(Vertex(0).y, 48.0f);
    EXPECT_EQ(Vertex(5).x, 128.0f);
    EXPECT_EQ(Vertex(5).y, 64.0f);
    EXPECT_EQ(Vertex(0).color, 0xFF808080u);
    EXPECT_EQ(owner_.batch.runs[0].key, vrk::FindTexture("box_tex"));
}

TEST_F(ObjectDrawTest, Draw_NothingWithoutAnimationOrBatch)
{
    cObject bare(&owner_);
    bare.Draw();
    EXPECT_EQ(Vertices(), 0u);
    cObject orphan(nullptr);
    orphan.AddAnimation("main", "box");
    orphan.PlayAnimation("main", kPlayStopped);
    orphan.Draw();  // no owner, no batch: nothing, no crash
    EXPECT_EQ(Vertices(), 0u);
}

TEST_F(ObjectDrawTest, Draw_FreshFadeShowsPreviousFullAndCurrentClear)
{
    object_.SetFadeTime(0.5f);
    object_.SetFrame(1);  // starts the fade from frame 0 (t = 2)
    object_.Draw();
    ASSERT_EQ(Vertices(), 12u);
    EXPECT_EQ(AlphaOf(Vertex(0).color), 0xFFu);
    EXPECT_EQ(Vertex(0).u, 0.0f);  // frame 0's window
    EXPECT_EQ(AlphaOf(Vertex(6).color), 0u);
    EXPECT_NEAR(Vertex(6).u, 0.1f, kNear);  // frame 1's window
}

TEST_F(ObjectDrawTest, Draw_HalfwayFadeSplitsAlpha)
{
    object_.SetFadeTime(0.5f);
    object_.SetFrame(1);
    object_.UpdateFade(0.25f);  // t = 1
    object_.Draw();
    ASSERT_EQ(Vertices(), 12u);
    EXPECT_EQ(AlphaOf(Vertex(0).color), 0xFFu);
    EXPECT_EQ(AlphaOf(Vertex(6).color), 0xFFu);
    object_.UpdateFade(0.125f);  // t = 0.5
    owner_.batch.Clear();
    object_.Draw();
    EXPECT_EQ(AlphaOf(Vertex(0).color), 127u);
}

TEST_F(ObjectDrawTest, Draw_FinishedFadeDrawsOnlyCurrent)
{
    object_.SetFadeTime(0.5f);
    object_.SetFrame(1);
    object_.UpdateFade(1.0f);
    object_.Draw();
    EXPECT_EQ(Vertices(), 6u);
}

TEST_F(ObjectDrawTest, Draw_FadeTimeDroppedToZeroDrawsOnlyCurrent)
{
    object_.SetFadeTime(0.5f);
    object_.SetFrame(1);
    object_.SetFadeTime(0.0f);
    object_.Draw();
    EXPECT_EQ(Vertices(), 6u);
    EXPECT_EQ(AlphaOf(Vertex(0).color), 0xFFu);
}

TEST_F(ObjectDrawTest, Draw_HighlightAddsWhitePassCappedAtFull)
{
    object_.SetHighlight(3.0f);
    object_.Draw();
    ASSERT_EQ(Vertices(), 12u);  // no renderer: the flushes leave the batch alone
    EXPECT_EQ(Vertex(6).color, 0xFFFFFFFFu);
}

TEST_F(ObjectDrawTest, Draw_HalfHighlightIsGrey)
{
    owner_.sceneColor = 0x80FFFFFFu;
    object_.SetHighlight(0.5f);
    object_.Draw();
    ASSERT_EQ(Vertices(), 12u);
    EXPECT_EQ(Vertex(6).color, 0xFF7F7F7Fu);
}

TEST_F(ObjectDrawTest, Draw_NoHighlightNoPass)
{
    object_.SetHighlight(0.0f);
    object_.Draw();
    EXPECT_EQ(Vertices(), 6u);
}

TEST_F(ObjectDrawTest, DrawBatched_UsesQuadCornersAndShiftedWindow)
{
    object_.SetPosition(10.0f, 20.0f);
    object_.SetScale(2.0f, 2.0f);
    object_.SetDrawOffset(0.5f, 0.0f);
    object_.DrawBatched();
    ASSERT_EQ(Vertices(), 6u);
    Quad quad;
    object_.GetQuad(quad);
    EXPECT_EQ(Vertex(0).x, quad[0].x);
    EXPECT_EQ(Vertex(0).y, quad[0].y);
    EXPECT_EQ(Vertex(5).x, quad[2].x);
    EXPECT_EQ(Vertex(5).y, quad[2].y);
    EXPECT_EQ(Vertex(0).u, 0.5f);
    EXPECT_NEAR(Vertex(5).u, 0.6f, kNear);
    EXPECT_EQ(Vertex(5).v, 1.0f);
    EXPECT_EQ(Vertex(0).z, 0.0f);
}

TEST_F(ObjectDrawTest, DrawSelection_OutlinesFrameRect)
{
    object_.SetPosition(4.0f, 2.0f);
    object_.DrawSelection();
    ASSERT_EQ(Vertices(), 24u);
    for (uint32_t i = 0; i < Vertices(); ++i) EXPECT_EQ(Vertex(i).color, 0xFF000080u);
    EXPECT_EQ(owner_.batch.runs[0].key, nullptr);
}

TEST_F(ObjectDrawTest, DrawEditor_DrawsLikeDraw)
{
    object_.DrawEditor();
    EXPECT_EQ(Vertices(), 6u);
}

// A picture of 2 x 2 texels, rows from the top: transparent and faint over solid
// and transparent.
std::unique_ptr<vrk::cAlphaMask> TwoByTwoMask()
{
    vrk::cImage image(vrk::kFormatR8G8B8A8, 2, 2, 1);
    const uint8_t alphas[4] = {0, 60, 255, 0};
    for (size_t i = 0; i < 4; ++i) image.LevelData(0)[i * 4 + 3] = alphas[i];
    return vrk::cAlphaMask::FromImage(image);
}

// Gives tests the cover of a quad of their own.
class QuadObject : public cObject {
public:
    using cObject::cObject;
    using cObject::QuadCoverAt;
};

TEST_F(ObjectDrawTest, CoverAt_ReadsTheTexelDrawnAtThePointAndTheWholeFrameWithoutAMask)
{
    // Without a mask the frame rectangle answers inside its edges.
    EXPECT_EQ(object_.FrameCoverAt(vec2{100.0f, 50.0f}), vrk::kCoverSolid);
    EXPECT_EQ(object_.FrameCoverAt(vec2{96.5f, 50.0f}), vrk::kCoverNone) << "the edge";
    EXPECT_EQ(object_.FrameCoverAt(vec2{200.0f, 50.0f}), vrk::kCoverNone);

    // Frame 0's window is the left tenth of the texture: 2 texels of a 20-wide one.
    vrk::cImage image(vrk::kFormatR8G8B8A8, 20, 2, 1);
    const uint8_t alphas[2][2] = {{40, 0}, {255, 0}};  // top row, bottom row
    for (uint32_t row = 0; row < 2; ++row) {
        for (uint32_t column = 0; column < 2; ++column) image.LevelData(0)[(row * 20 + column) * 4 + 3] = alphas[row][column];
    }
    vrk::FindTexture("box_tex")->alphaMask = vrk::cAlphaMask::FromImage(image);
    // The frame spans (96.5, 48.75) to (128.5, 64.75), its bottom row the bottom texels.
    EXPECT_EQ(object_.CoverAt(vec2{100.0f, 50.0f}), vrk::kCoverSolid);
    EXPECT_EQ(object_.CoverAt(vec2{120.0f, 50.0f}), vrk::kCoverNone);
    EXPECT_EQ(object_.CoverAt(vec2{100.0f, 60.0f}), vrk::kCoverFaint);
    EXPECT_TRUE(object_.ShowsAt(vec2{100.0f, 60.0f}));
    EXPECT_FALSE(object_.ShowsAt(vec2{120.0f, 60.0f}));

    // A quad leaning right (as a bent crown) maps each of its triangles on its own.
    QuadObject leaning(&owner_);
    leaning.AddAnimation("main", "box");
    leaning.PlayAnimation("main", kPlayStopped);
    vrk::FindTexture("box_tex")->alphaMask = TwoByTwoMask();
    const Quad corners{vec2{0.0f, 0.0f}, vec2{20.0f, 0.0f}, vec2{30.0f, 10.0f}, vec2{10.0f, 10.0f}};
    const FrameWindow whole{0.0f, 0.0f, 1.0f, 1.0f};
    EXPECT_EQ(leaning.QuadCoverAt(corners, whole, vec2{5.0f, 2.0f}), vrk::kCoverSolid);
    EXPECT_EQ(leaning.QuadCoverAt(corners, whole, vec2{22.0f, 8.0f}), vrk::kCoverFaint);
    EXPECT_EQ(leaning.QuadCoverAt(corners, whole, vec2{15.0f, 2.0f}), vrk::kCoverNone);
    EXPECT_EQ(leaning.QuadCoverAt(corners, whole, vec2{1.0f, 5.0f}), vrk::kCoverNone) << "left of the lean";
}

}  // namespace
