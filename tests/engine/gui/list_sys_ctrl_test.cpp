// The text list: rows in the template's style, the two text colours, restyling, the
// selection frame behind selected rows and the row texts.
#include "engine/gui/list_sys_ctrl.h"

#include <gtest/gtest.h>

#include "engine/gui/image_list_sys_ctrl.h"
#include "engine/gui/list_item_sys_ctrl.h"
#include "engine/gui/toolbar_sys_ctrl.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;

class ListSysCtrlTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        list = new vrk::cListSysCtrl(window, "rows");
        list->SetRect(vrk::GuiRect{0.0f, 0.0f, 200.0f, 100.0f}, 0);
    }
    vrk::cListItemSysCtrl& Row(uint32_t index) { return dynamic_cast<vrk::cListItemSysCtrl&>(*list->GetItem(index)); }

    vrk::cListSysCtrl* list = nullptr;
};

TEST_F(ListSysCtrlTest, InsertedRows_TakeTheTemplateStyleAndBelongToTheList)
{
    list->SetFont("test");
    list->SetColor(1.0f, 0.0f, 0.0f, vrk::cListSysCtrl::kColorNormal);
    list->InsertItem(0, "alpha", 7);
    vrk::cListItemSysCtrl& row = Row(0);
    EXPECT_EQ(row.GetOwner(), list);
    EXPECT_EQ(row.GetFont(), vrk::GetFontMap()["test"].get());
    EXPECT_EQ(row.GetColor(), kRed);
    EXPECT_EQ(row.GetAlign(), vrk::kAlignLeft | vrk::kAlignMiddle);
    EXPECT_EQ(row.GetText(), "alpha");
    EXPECT_EQ(row.GetWindow(), nullptr);
    EXPECT_EQ(row.GetId(), vrk::cCtrl::kNoId);
    EXPECT_EQ(list->GetItemData(0), 7);
    EXPECT_EQ(row.GetRect(), (vrk::GuiRect{0.0f, 84.0f, 200.0f, 16.0f}));
}

TEST_F(ListSysCtrlTest, Colours_NormalWithBitOneElseHoverAndRowsSwitchOnEnterAndLeave)
{
    list->InsertItem(0, "alpha", 0);
    list->SetColor(1.0f, 0.0f, 0.0f, 3);  // bit 1 set
    list->SetColor(0.0f, 1.0f, 0.0f, 2);  // bit 1 clear
    EXPECT_EQ(list->GetNormalTextColor(), kRed);
    EXPECT_EQ(list->GetHoverTextColor(), kGreen);
    EXPECT_EQ(list->GetTemplate().GetColor(), kRed);
    list->OnEvent(vrk::kCtrlMouseMove, 0, vrk::PackGuiPoint(5, 90));
    list->InsertItem(1, "beta", 0);  // after the colour change: styled red
    EXPECT_EQ(Row(1).GetColor(), kRed);
    Row(0).OnEvent(vrk::kCtrlMouseEntered, 0, 0);
    EXPECT_EQ(Row(0).GetColor(), kGreen);
    Row(0).OnEvent(vrk::kCtrlMouseLeft, 0, 0);
    EXPECT_EQ(Row(0).GetColor(), kRed);
}

TEST_F(ListSysCtrlTest, FontOrAlignAfterRowsExist_RestylesThemAndKeepsTheirRowSize)
{
    list->InsertItem(0, "alpha", 0);
    list->InsertItem(1, "beta", 0);
    list->SetFont("test");
    list->SetAlign(vrk::kAlignRight | vrk::kAlignMiddle, 0);
    for (uint32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Row(i).GetFont(), vrk::GetFontMap()["test"].get());
        EXPECT_EQ(Row(i).GetAlign(), vrk::kAlignRight | vrk::kAlignMiddle);
        EXPECT_EQ(Row(i).GetRect().width, 200.0f);
        EXPECT_EQ(Row(i).GetRect().height, 16.0f);
    }
    // "beta": 4 glyphs, 38 wide from its first bearing; right-aligned in the row.
    EXPECT_EQ(Row(1).GetTextRect().x, 162.0f);
}

TEST_F(ListSysCtrlTest, SetFrame_SizesTheRowsAndTheSelectionFrameDrawsBehindSelectedRows)
{
    list->InsertItem(0, "alpha", 0);
    list->InsertItem(1, "beta", 0);
    list->SetFrame(vrk::GuiRect{0.0f, 0.0f, 150.0f, 20.0f}, 3.0f, 4.0f, 0);
    EXPECT_EQ(list->GetItemHeight(), 20.0f);
    EXPECT_EQ(list->GetVisibleCount(), 5u);
    EXPECT_EQ(list->GetSelectionFrame().GetBorderX(), 3.0f);
    list->SetSelected(1, true, false);
    list->Draw();
    EXPECT_EQ(list->GetSelectionFrame().GetRect(), Row(1).GetRect());
    EXPECT_EQ(Row(1).GetRect(), (vrk::GuiRect{0.0f, 60.0f, 200.0f, 20.0f}));
}

TEST_F(ListSysCtrlTest, RowTexts_SitTheSelectionFramesBorderInsideTheRowUnlessCentred)
{
    list->SetFont("test");
    list->InsertItem(0, "beta", 0);
    list->SetFrame(vrk::GuiRect{0.0f, 0.0f, 200.0f, 20.0f}, 6.5f, 4.0f, 0);
    // Whole pixels in from the left edge; "beta" is 38 wide from its first bearing.
    EXPECT_EQ(Row(0).GetTextRect().x, 6.0f);
    list->SetAlign(vrk::kAlignRight | vrk::kAlignMiddle, 0);
    EXPECT_EQ(Row(0).GetTextRect().x, 156.0f);
    list->SetAlign(vrk::kAlignCenter | vrk::kAlignMiddle, 0);
    EXPECT_EQ(Row(0).GetTextRect().x, 81.0f);
    // A border below zero from a script moves no text out of its row.
    list->SetAlign(vrk::kAlignLeft | vrk::kAlignMiddle, 0);
    list->SetFrame(vrk::GuiRect{0.0f, 0.0f, 200.0f, 20.0f}, -8.0f, 4.0f, 0);
    EXPECT_EQ(Row(0).GetTextRect().x, 0.0f);
}

TEST_F(ListSysCtrlTest, ItemTexts_ReadAndWriteRowsAndAreEmptyBeyondThem)
{
    list->InsertItem(0, "alpha", 0);
    list->InsertItem(0, "first", 0);
    list->SetItemText(1, "changed");
    list->SetItemText(5, "ignored");
    EXPECT_EQ(list->GetItemText(0), "first");
    EXPECT_EQ(list->GetItemText(1), "changed");
    EXPECT_EQ(list->GetItemText(2), "");
}

TEST_F(ListSysCtrlTest, ClassNames_AreTheClassNamesWithoutNamespace)
{
    EXPECT_STREQ(vrk::cListCtrl(nullptr, "a").GetClassName(), "cListCtrl");
    EXPECT_STREQ(vrk::cListItemSysCtrl(nullptr, "b").GetClassName(), "cListItemSysCtrl");
    EXPECT_STREQ(list->GetClassName(), "cListSysCtrl");
    EXPECT_STREQ(vrk::cImageListSysCtrl(nullptr, "c").GetClassName(), "cImageListSysCtrl");
    EXPECT_STREQ(vrk::cToolbarSysCtrl(nullptr, "d").GetClassName(), "cToolbarSysCtrl");
}

}  // namespace
