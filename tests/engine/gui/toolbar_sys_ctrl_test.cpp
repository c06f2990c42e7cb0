// The picture grid and the toolbar: grid placement, cell counts, picture items and
// the press that reports an item without selecting it.
#include "engine/gui/toolbar_sys_ctrl.h"

#include <gtest/gtest.h>

#include "engine/gui/image_ctrl.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;

class ToolbarTest : public test::SysCtrlTest {
protected:
    template <typename T>
    T* MakeGrid(const vrk::GuiRect& rect, uint32_t count)
    {
        auto* grid = new T(window, "grid");
        grid->SetRect(rect, 0);
        for (uint32_t i = 0; i < count; ++i) {
            grid->InsertImage(i, "icons", vrk::GuiRect{0.25f * static_cast<float>(i), 0.0f, 0.25f, 1.0f}, i);
        }
        return grid;
    }
};

TEST_F(ToolbarTest, VisibleCount_IsRowsTimesColumnsOfSquareCells)
{
    auto* toolbar = MakeGrid<vrk::cToolbarSysCtrl>(vrk::GuiRect{0.0f, 0.0f, 64.0f, 32.0f}, 0);
    EXPECT_EQ(toolbar->GetVisibleCount(), 8u);
    // The item height serves for both directions.
    toolbar->SetRect(vrk::GuiRect{0.0f, 0.0f, 8.0f, 32.0f}, vrk::cListCtrl::kRectItemSize);
    EXPECT_EQ(toolbar->GetVisibleCount(), 2u);
    auto* images = MakeGrid<vrk::cImageListSysCtrl>(vrk::GuiRect{0.0f, 0.0f, 64.0f, 32.0f}, 0);
    EXPECT_EQ(images->GetVisibleCount(), 2u);
}

TEST_F(ToolbarTest, Layout_FillsRowsLeftToRightFromTheTopLeftCell)
{
    auto* toolbar = MakeGrid<vrk::cToolbarSysCtrl>(vrk::GuiRect{100.0f, 200.0f, 48.0f, 32.0f}, 7);
    EXPECT_EQ(toolbar->GetItem(0)->GetRect(), (vrk::GuiRect{100.0f, 216.0f, 16.0f, 16.0f}));
    EXPECT_EQ(toolbar->GetItem(2)->GetRect(), (vrk::GuiRect{132.0f, 216.0f, 16.0f, 16.0f}));
    EXPECT_EQ(toolbar->GetItem(3)->GetRect(), (vrk::GuiRect{100.0f, 200.0f, 16.0f, 16.0f}));
    EXPECT_EQ(toolbar->GetItem(5)->GetRect(), (vrk::GuiRect{132.0f, 200.0f, 16.0f, 16.0f}));
    EXPECT_EQ(toolbar->GetItem(6)->GetRect(), vrk::GuiRect{});  // beyond the six cells
}

TEST_F(ToolbarTest, InsertImage_MakesAPictureItemOfTheTextureRectangle)
{
    auto* images = MakeGrid<vrk::cImageListSysCtrl>(vrk::GuiRect{0.0f, 0.0f, 64.0f, 32.0f}, 3);
    auto* item = dynamic_cast<vrk::cImageCtrl*>(images->GetItem(2));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetUVRect(), (vrk::GuiRect{0.5f, 0.0f, 0.25f, 1.0f}));
    EXPECT_EQ(item->GetTexture(), vrk::GetTextureMap()["icons"]);
    EXPECT_EQ(images->GetItemData(2), 2);
}

TEST_F(ToolbarTest, Press_ReportsTheHoveredEnabledItemAndSelectsNothing)
{
    auto* toolbar = MakeGrid<vrk::cToolbarSysCtrl>(vrk::GuiRect{0.0f, 0.0f, 64.0f, 32.0f}, 8);
    toolbar->EnableItem(5, false);
    Click(40.0f, 20.0f);  // top row, third cell
    Click(24.0f, 8.0f);   // bottom row, second cell: disabled
    std::vector<SeenEvent> presses;
    for (const SeenEvent& event : seen) {
        if (event.code == vrk::kWndListSelection) presses.push_back(event);
    }
    EXPECT_EQ(presses, (std::vector<SeenEvent>{{vrk::kWndListSelection, 2, toolbar->GetId()}}));
    EXPECT_EQ(toolbar->FindNextSelected(0), toolbar->GetItemCount());
}

TEST_F(ToolbarTest, Scrolling_MovesTheHoverToTheItemNowUnderTheRestingCursor)
{
    // Without a main window the cursor reads as client (0, 0); with no client area the
    // mapping keeps it there.
    auto* toolbar = MakeGrid<vrk::cToolbarSysCtrl>(vrk::GuiRect{-8.0f, -8.0f, 32.0f, 16.0f}, 4);
    EXPECT_EQ(toolbar->GetHovered(), 0);
    toolbar->SetFirstVisible(1);
    EXPECT_EQ(toolbar->GetHovered(), 1);
    toolbar->Move(100.0f, 0.0f);
    EXPECT_EQ(toolbar->GetHovered(), vrk::cListCtrl::kNoItem);
}

}  // namespace
