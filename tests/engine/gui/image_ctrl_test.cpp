// The image control: geometry, texture lookup, colour and its quad.
#include "engine/gui/image_ctrl.h"

#include <gtest/gtest.h>

#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

class ImageCtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        image = new vrk::cImageCtrl(Open("w"), "image");
    }
    vrk::cImageCtrl* image = nullptr;
};

TEST_F(ImageCtrlTest, Defaults_FullTextureWhiteNoPicture)
{
    EXPECT_EQ(image->GetUVRect(), (vrk::GuiRect{0, 0, 1, 1}));
    EXPECT_EQ(image->GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(image->GetTexture(), nullptr);
    EXPECT_STREQ(image->GetClassName(), "cImageCtrl");
}

TEST_F(ImageCtrlTest, HitTest_IsStrictAtTheBorder)
{
    image->SetRect({10, 20, 30, 40}, 0);
    EXPECT_TRUE(image->HitTest(11, 21));
    EXPECT_FALSE(image->HitTest(10, 30));
    EXPECT_FALSE(image->HitTest(40, 30));
    EXPECT_FALSE(image->HitTest(20, 20));
    EXPECT_FALSE(image->HitTest(20, 60));
    image->Move(5, -5);
    EXPECT_EQ(image->GetRect(), (vrk::GuiRect{15, 15, 30, 40}));
}

TEST_F(ImageCtrlTest, SetTexture_UnknownNameLeavesAnEmptyEntryAndDrawsNothing)
{
    image->SetRect({0, 0, 10, 10}, 0);
    image->SetTexture("nowhere", 0);
    EXPECT_EQ(vrk::GetTextureMap().count("nowhere"), 1u);
    EXPECT_EQ(image->GetTexture(), nullptr);
    game->batch->Clear();
    image->Draw();
    EXPECT_EQ(game->batch->UsedVertices(), 0u);
}

TEST_F(ImageCtrlTest, Draw_PutsOneQuadOfItsTextureRectangleAndColour)
{
    auto texture = std::make_shared<vrk::cTexture>("pic");
    vrk::GetTextureMap()["pic"] = texture;
    image->SetTexture("pic", 0);
    image->SetRect({10, 20, 30, 40}, 0);
    image->SetUVRect({0.5f, 0.0f, 0.5f, 1.0f}, 0);
    image->SetColor(1.0f, 0.5f, 0.0f, 0);
    game->batch->Clear();
    image->Draw();
    const vrk::VertexBatch& batch = *game->batch;
    ASSERT_EQ(batch.runCount, 1u);
    EXPECT_EQ(batch.runs[0].key, texture);
    ASSERT_GE(batch.UsedVertices(), 4u);
    for (uint32_t i = 0; i < batch.UsedVertices(); ++i) {
        EXPECT_EQ(batch.vertices[i].color, 0xFFFF7F00u);
        EXPECT_GE(batch.vertices[i].x, 10.0f);
        EXPECT_LE(batch.vertices[i].x, 40.0f);
        EXPECT_GE(batch.vertices[i].u, 0.5f);
    }
}

}  // namespace
