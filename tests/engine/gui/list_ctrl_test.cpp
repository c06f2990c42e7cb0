// The list base: the visible run, selection in single and multiple mode with its
// notifications, disabled rows, hover tracking and out-of-range indexes.
#include "engine/gui/list_ctrl.h"

#include <gtest/gtest.h>

#include "engine/gui/image_ctrl.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;
constexpr int32_t kSelection = vrk::kWndListSelection;

// An item that records the events the list gives it.
class RecordingItem : public vrk::cImageCtrl {
public:
    explicit RecordingItem(std::vector<int32_t>* codes) : vrk::cImageCtrl(nullptr, "item"), codes_(codes) {}
    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override
    {
        codes_->push_back(code);
        return vrk::cImageCtrl::OnEvent(code, first, second);
    }

private:
    std::vector<int32_t>* codes_;
};

class ListCtrlTest : public test::SysCtrlTest {
protected:
    // A list of the given height at (0, 0), 100 wide, with count items of 16 units.
    vrk::cListCtrl* MakeList(float height, uint32_t count)
    {
        auto* list = new vrk::cListCtrl(window, "list");
        list->SetRect(vrk::GuiRect{0.0f, 0.0f, 100.0f, height}, 0);
        for (uint32_t i = 0; i < count; ++i) list->InsertItem(i, std::make_unique<RecordingItem>(&itemCodes), i * 10);
        return list;
    }
    // Direct window events the list sent (53 only).
    std::vector<SeenEvent> Selections()
    {
        std::vector<SeenEvent> events;
        for (const SeenEvent& event : seen) {
            if (event.code == kSelection) events.push_back(event);
        }
        seen.clear();
        return events;
    }
    void Hover(vrk::cListCtrl& list, float y)
    {
        list.OnEvent(vrk::kCtrlMouseMove, 0, vrk::PackGuiPoint(50, static_cast<int32_t>(y)));
    }

    std::vector<int32_t> itemCodes;
};

TEST_F(ListCtrlTest, VisibleCount_IsWholeRowsAndEnsureVisibleScrollsTheLeastNeeded)
{
    vrk::cListCtrl* list = MakeList(100.0f, 12);
    EXPECT_EQ(list->GetVisibleCount(), 6u);
    list->EnsureVisible(10);
    EXPECT_EQ(list->GetFirstVisible(), 5u);
    EXPECT_TRUE(list->IsVisible(10));
    EXPECT_FALSE(list->IsVisible(4));
    list->EnsureVisible(7);  // already visible: no scroll
    EXPECT_EQ(list->GetFirstVisible(), 5u);
    list->EnsureVisible(2);
    EXPECT_EQ(list->GetFirstVisible(), 2u);
    list->EnsureVisible(12);  // beyond the rows: ignored
    list->SetFirstVisible(40);
    EXPECT_EQ(list->GetFirstVisible(), 2u);
}

TEST_F(ListCtrlTest, Layout_RunsRowsDownFromTheTopEdgeAsWideAsTheList)
{
    vrk::cListCtrl* list = MakeList(100.0f, 8);
    list->Move(10.0f, 20.0f);
    EXPECT_EQ(list->GetItem(0)->GetRect(), (vrk::GuiRect{10.0f, 104.0f, 100.0f, 16.0f}));
    EXPECT_EQ(list->GetItem(1)->GetRect(), (vrk::GuiRect{10.0f, 88.0f, 100.0f, 16.0f}));
    EXPECT_EQ(list->GetItem(5)->GetRect(), (vrk::GuiRect{10.0f, 24.0f, 100.0f, 16.0f}));
    // Rows outside the visible run are not placed.
    EXPECT_EQ(list->GetItem(6)->GetRect(), vrk::GuiRect{});
    list->SetFirstVisible(2);
    EXPECT_EQ(list->GetItem(2)->GetRect(), (vrk::GuiRect{10.0f, 104.0f, 100.0f, 16.0f}));
}

TEST_F(ListCtrlTest, SetRectWithItemSizeMode_ChangesTheRowHeightWithoutMovingTheList)
{
    vrk::cListCtrl* list = MakeList(100.0f, 8);
    list->SetRect(vrk::GuiRect{500.0f, 500.0f, 30.0f, 20.0f}, vrk::cListCtrl::kRectItemSize);
    EXPECT_EQ(list->GetRect(), (vrk::GuiRect{0.0f, 0.0f, 100.0f, 100.0f}));
    EXPECT_EQ(list->GetItemHeight(), 20.0f);
    EXPECT_EQ(list->GetItemWidth(), 30.0f);
    EXPECT_EQ(list->GetVisibleCount(), 5u);
    EXPECT_EQ(list->GetItem(1)->GetRect(), (vrk::GuiRect{0.0f, 60.0f, 100.0f, 20.0f}));
}

TEST_F(ListCtrlTest, SingleSelect_MovesTheSelectionAndNotifiesEachChange)
{
    vrk::cListCtrl* list = MakeList(100.0f, 4);
    list->SetSelected(0, true, true);
    EXPECT_EQ(Selections(), (std::vector<SeenEvent>{{kSelection, 0, list->GetId()}}));
    list->SetSelected(2, true, true);
    EXPECT_EQ(Selections(), (std::vector<SeenEvent>{{kSelection, 0, list->GetId()}, {kSelection, 2, list->GetId()}}));
    EXPECT_FALSE(list->IsSelected(0));
    EXPECT_TRUE(list->IsSelected(2));
    list->SetSelected(2, true, true);
    EXPECT_TRUE(Selections().empty());
    list->SetSelected(1, true, false);  // without notify: silent
    EXPECT_TRUE(Selections().empty());
    EXPECT_EQ(list->FindNextSelected(0), 1u);
    list->SetSelected(1, false, true);
    EXPECT_EQ(Selections(), (std::vector<SeenEvent>{{kSelection, 1, list->GetId()}}));
    EXPECT_EQ(list->FindNextSelected(0), 4u);
}

TEST_F(ListCtrlTest, PressOnAHoveredRow_TogglesInMultiselectAndSelectsOnceInSingleMode)
{
    vrk::cListCtrl* list = MakeList(100.0f, 4);
    list->SetMultiselect(true);
    Hover(*list, 70.0f);  // row 1: y 68..84
    EXPECT_EQ(list->GetHovered(), 1);
    list->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    EXPECT_TRUE(list->IsSelected(1));
    list->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    EXPECT_FALSE(list->IsSelected(1));
    EXPECT_EQ(Selections(), (std::vector<SeenEvent>{{kSelection, 1, list->GetId()}, {kSelection, 1, list->GetId()}}));

    list->SetMultiselect(false);
    list->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    list->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    EXPECT_TRUE(list->IsSelected(1));
    EXPECT_EQ(Selections(), (std::vector<SeenEvent>{{kSelection, 1, list->GetId()}}));
}

TEST_F(ListCtrlTest, DisabledRow_IgnoresSelectionAndPresses)
{
    vrk::cListCtrl* list = MakeList(100.0f, 4);
    list->EnableItem(1, false);
    EXPECT_TRUE(list->IsItemDisabled(1));
    EXPECT_FALSE(list->IsItemEnabled(1));
    list->SetSelected(1, true, true);
    Hover(*list, 70.0f);
    list->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    EXPECT_FALSE(list->IsSelected(1));
    EXPECT_TRUE(Selections().empty());
}

TEST_F(ListCtrlTest, Hover_EntersAndLeavesItemsAndFollowsThePointer)
{
    vrk::cListCtrl* list = MakeList(100.0f, 8);
    Hover(*list, 90.0f);  // row 0
    Hover(*list, 70.0f);  // row 1
    Hover(*list, 70.0f);  // still row 1: only the move
    EXPECT_EQ(itemCodes, (std::vector<int32_t>{32, 5, 33, 32, 5, 5}));
    itemCodes.clear();
    list->OnEvent(vrk::kCtrlMouseLeft, 0, 0);
    EXPECT_EQ(itemCodes, (std::vector<int32_t>{33}));
    EXPECT_EQ(list->GetHovered(), vrk::cListCtrl::kNoItem);
    Hover(*list, 150.0f);  // above the list
    EXPECT_EQ(list->GetHovered(), vrk::cListCtrl::kNoItem);
}

TEST_F(ListCtrlTest, ThroughTheWindow_TheListIsHitAndAPressSelectsTheRowUnderThePointer)
{
    vrk::cListCtrl* list = MakeList(100.0f, 4);
    Click(50.0f, 52.0f);  // on the border of rows 2 and 3: in neither
    EXPECT_EQ(list->FindNextSelected(0), 4u);
    Click(50.0f, 53.0f);
    EXPECT_TRUE(list->IsSelected(2));
    EXPECT_EQ(window->GetFocus(), list);
}

class ListOutOfRangeTest : public ListCtrlTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(ListOutOfRangeTest, IndexAtOrBeyondTheCount_ChangesNothingAndAnswersTheDefaults)
{
    vrk::cListCtrl* list = MakeList(100.0f, 3);
    const uint32_t index = GetParam();
    list->SetItemData(index, 99);
    list->SetSelected(index, true, true);
    list->EnableItem(index, false);
    list->DeleteItem(index);
    EXPECT_EQ(list->GetItemData(index), 0);
    EXPECT_FALSE(list->IsSelected(index));
    EXPECT_TRUE(list->IsItemDisabled(index));
    EXPECT_FALSE(list->IsItemEnabled(index));
    EXPECT_EQ(list->GetItemCount(), 3u);
    EXPECT_EQ(list->GetItemData(2), 20);
    EXPECT_TRUE(Selections().empty());
}

INSTANTIATE_TEST_SUITE_P(Indexes, ListOutOfRangeTest, ::testing::Values(3u, 4u, 0xFFFFFFFFu));

TEST_F(ListCtrlTest, Insert_PutsTheItemBeforeTheIndexOrAppendsBeyondTheCount)
{
    vrk::cListCtrl* list = MakeList(100.0f, 2);  // data 0, 10
    list->InsertItem(1, std::make_unique<RecordingItem>(&itemCodes), 5);
    list->InsertItem(1000, std::make_unique<RecordingItem>(&itemCodes), 99);
    list->InsertItem(0, nullptr, 7);  // nothing to insert
    ASSERT_EQ(list->GetItemCount(), 4u);
    EXPECT_EQ(list->GetItemData(0), 0);
    EXPECT_EQ(list->GetItemData(1), 5);
    EXPECT_EQ(list->GetItemData(2), 10);
    EXPECT_EQ(list->GetItemData(3), 99);
}

TEST_F(ListCtrlTest, Delete_ClearsTheHoverAndAnEmptiedListStartsAtItsTop)
{
    vrk::cListCtrl* list = MakeList(100.0f, 12);
    list->EnsureVisible(11);
    Hover(*list, 90.0f);
    EXPECT_NE(list->GetHovered(), vrk::cListCtrl::kNoItem);
    list->DeleteItem(6);
    EXPECT_EQ(list->GetHovered(), vrk::cListCtrl::kNoItem);
    EXPECT_EQ(list->GetItemCount(), 11u);
    list->DeleteAllItems();
    EXPECT_EQ(list->GetItemCount(), 0u);
    EXPECT_EQ(list->GetFirstVisible(), 0u);
    list->InsertItem(0, std::make_unique<RecordingItem>(&itemCodes), 0);
    EXPECT_TRUE(list->IsVisible(0));
}

TEST_F(ListCtrlTest, RowsWithoutHeight_ShowNothingAndScrollSafely)
{
    vrk::cListCtrl* list = MakeList(100.0f, 4);
    list->SetRect(vrk::GuiRect{0.0f, 0.0f, 0.0f, 0.0f}, vrk::cListCtrl::kRectItemSize);
    EXPECT_EQ(list->GetVisibleCount(), 0u);
    list->EnsureVisible(3);
    EXPECT_EQ(list->GetFirstVisible(), 3u);
    list->SetRect(vrk::GuiRect{0.0f, 0.0f, 10.0f, -16.0f}, vrk::cListCtrl::kRectItemSize);
    EXPECT_EQ(list->GetVisibleCount(), 0u);
    list->Draw();
}

}  // namespace
