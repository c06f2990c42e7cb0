// The label control: placement of the text box by the align flags, text keys, fonts
// and drawing.
#include "engine/gui/label_ctrl.h"

#include <gtest/gtest.h>

#include "engine/render/font.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

class LabelCtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        // "W" measures 40 wide; every line is 13 high.
        auto font = std::make_shared<vrk::cFont>();
        font->lineHeight = 13.0f;
        font->AddGlyph("W", 0, 0, 0, 0, 0.0f, 40.0f, 40.0f);
        vrk::GetFontMap()["label"] = font;
        label = new vrk::cLabelCtrl(Open("w"), "label");
    }
    vrk::cLabelCtrl* label = nullptr;
};

TEST_F(LabelCtrlTest, Defaults_LeftBottomWhiteWithoutFont)
{
    EXPECT_EQ(label->GetAlign(), 0x21u);
    EXPECT_EQ(label->GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(label->GetFont(), nullptr);
    EXPECT_STREQ(label->GetClassName(), "cLabelCtrl");
}

struct AlignCase {
    uint32_t align;
    vrk::GuiRect rect;
    float boxX;
    float boxY;
};

class LabelAlignTest : public LabelCtrlTest, public testing::WithParamInterface<AlignCase> {};

TEST_P(LabelAlignTest, PlacesTheTextBoxTruncatedTowardZero)
{
    label->SetFont("label");
    label->SetText("W", 0);
    label->SetRect(GetParam().rect, 0);
    label->SetAlign(GetParam().align, 0);
    const vrk::GuiRect box = label->GetTextRect();
    EXPECT_EQ(box.x, GetParam().boxX);
    EXPECT_EQ(box.y, GetParam().boxY);
    EXPECT_EQ(box.width, 40.0f);
    EXPECT_EQ(box.height, 13.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LabelAlignTest,
    testing::Values(AlignCase{0x12, {10, 10, 101, 20}, 40, 13},   // Center | Middle: 40.5, 13.5
                    AlignCase{0x21, {10, 10, 101, 20}, 10, 10},   // Left | Bottom
                    AlignCase{0x04, {10, 10, 101, 20}, 71, 10},   // Right
                    AlignCase{0x08, {10, 10, 101, 20}, 10, 17},   // Top
                    AlignCase{0x06, {10, 10, 101, 20}, 40, 10},   // Center wins over Right
                    AlignCase{0x18, {10, 10, 101, 20}, 10, 17},   // Top wins over Middle
                    AlignCase{0x12, {-10, -10, 21, 4}, -19, -14}));  // -19.5, -14.5 toward zero

TEST_F(LabelCtrlTest, HitTest_UsesTheTextBoxNotTheRectangle)
{
    label->SetFont("label");
    label->SetText("W", 0);
    label->SetRect({0, 0, 200, 100}, 0);
    EXPECT_TRUE(label->HitTest(20, 5));
    EXPECT_FALSE(label->HitTest(100, 50));
    label->Move(100, 50);
    EXPECT_TRUE(label->HitTest(120, 55));
}

TEST_F(LabelCtrlTest, SetText_KeepsTheFirstTextAsKeyAndShowsTheLatest)
{
    label->SetText("[Key]", 0);
    label->SetText("shown", 0);
    EXPECT_EQ(label->GetText(), "shown");
    EXPECT_EQ(label->GetTextKey(), "[Key]");
}

TEST_F(LabelCtrlTest, UnknownFont_LeavesAnEmptyEntryAndNothingIsMeasuredOrDrawn)
{
    label->SetFont("nofont");
    EXPECT_EQ(vrk::GetFontMap().count("nofont"), 1u);
    label->SetText("W", 0);
    EXPECT_EQ(label->GetTextRect().width, 0.0f);
    game->batch->Clear();
    label->Draw();
    EXPECT_EQ(game->batch->UsedVertices(), 0u);
}

TEST_F(LabelCtrlTest, Draw_WritesTheTextInItsColourWithMarkupApplied)
{
    label->SetFont("label");
    label->SetText("W^1W", 0);
    label->SetColor(0.0f, 1.0f, 0.0f, 0);
    EXPECT_EQ(label->GetTextRect().width, 80.0f);  // markup is not measured
    game->batch->Clear();
    label->Draw();
    const vrk::VertexBatch& batch = *game->batch;
    ASSERT_GE(batch.UsedVertices(), 8u);
    EXPECT_EQ(batch.vertices[0].color, 0xFF00FF00u);
    EXPECT_EQ(batch.vertices[batch.UsedVertices() - 1].color, 0xFF0000FFu);
}

}  // namespace
