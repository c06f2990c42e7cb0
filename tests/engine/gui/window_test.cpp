// A window and its default handler: control lookup, focus, hover tracking with the
// hover timer, routing of keys and buttons to the controls, drawing, deactivation and
// the locale change of the controls' text keys.
#include "engine/gui/window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/gui/gui_handles.h"
#include "engine/gui/label_ctrl.h"
#include "engine/text/text_table.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

using Lines = std::vector<std::string>;
using test::RecordingCtrl;

class WindowTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        window = Open("w", 0, false, true);
        back = new RecordingCtrl(window, "back", &seen, {0, 0, 500, 500});
        front = new RecordingCtrl(window, "front", &seen, {100, 100, 100, 100});
    }
    // A mouse move to a GUI point through the whole walk.
    void MoveTo(int32_t x, int32_t y) { gui().OnMouseMove(x, ClientY(y)); }
    static std::string Packed(int32_t x, int32_t y) { return std::to_string(vrk::PackGuiPoint(x, y)); }

    vrk::cWindow* window = nullptr;
    RecordingCtrl* back = nullptr;
    RecordingCtrl* front = nullptr;
};

TEST_F(WindowTest, Controls_TakeTheirIndexAsIdAndAreFoundByName)
{
    EXPECT_EQ(back->GetId(), 0);
    EXPECT_EQ(front->GetId(), 1);
    EXPECT_EQ(window->FindCtrl("front"), 1);
    EXPECT_EQ(window->FindCtrl("none"), 2);  // the count when missing
    EXPECT_EQ(window->GetCtrl(2), nullptr);
    EXPECT_EQ(window->GetCtrl(-1), nullptr);
    EXPECT_EQ(back->GetWindow(), window);
    EXPECT_EQ(back->GetGUI(), &gui());
}

TEST_F(WindowTest, Destruction_DeletesTheControlsAndTheyLeaveTheLiveSet)
{
    EXPECT_EQ(vrk::FindLiveWindow(window), window);
    EXPECT_EQ(vrk::FindLiveCtrl(front), front);
    const void* oldWindow = window;
    const void* oldCtrl = front;
    gui().AddWindow("w");  // replaces and destroys the window
    EXPECT_EQ(vrk::FindLiveWindow(oldWindow), nullptr);
    EXPECT_EQ(vrk::FindLiveCtrl(oldCtrl), nullptr);
    EXPECT_EQ(vrk::FindLiveCtrl(nullptr), nullptr);
}

TEST_F(WindowTest, SetFocus_TellsOnlyUsableControlsOfTheChange)
{
    window->SetFocus(back);
    window->SetFocus(back);  // no change: nothing sent
    front->Ignore(true);
    window->SetFocus(front);
    EXPECT_EQ(seen, (Lines{"back 34 0 0", "back 35 0 0"}));
    EXPECT_EQ(window->GetFocus(), front);
    seen.clear();
    back->Show(false);
    window->SetFocus(nullptr);
    EXPECT_TRUE(seen.empty());
}

TEST_F(WindowTest, SendCtrlEvent_SkipsHiddenAndIgnoredControls)
{
    EXPECT_EQ(vrk::SendCtrlEvent(front, vrk::kCtrlKeyDown, 1, 0), 0);
    front->Show(false);
    EXPECT_EQ(vrk::SendCtrlEvent(front, vrk::kCtrlKeyDown, 1, 0), 1);
    front->Show(true);
    front->Ignore(true);
    EXPECT_EQ(vrk::SendCtrlEvent(front, vrk::kCtrlKeyDown, 1, 0), 1);
    EXPECT_EQ(vrk::SendCtrlEvent(nullptr, vrk::kCtrlKeyDown, 1, 0), 1);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(WindowTest, MouseMove_HoversTheLastHitControlAndReportsEnterAndLeave)
{
    MoveTo(150, 150);
    EXPECT_EQ(window->GetHover(), front);
    EXPECT_EQ(seen, (Lines{"w 5 0 " + Packed(150, 150), "front 32 0 0", "w 32 0 1",
                           "front 5 0 " + Packed(150, 150)}));
    seen.clear();
    MoveTo(50, 50);
    EXPECT_EQ(seen, (Lines{"w 5 0 " + Packed(50, 50), "front 33 0 0", "w 33 0 1", "back 32 0 0",
                           "w 32 0 0", "back 5 0 " + Packed(50, 50)}));
    seen.clear();
    MoveTo(600, 600);
    EXPECT_EQ(window->GetHover(), nullptr);
    EXPECT_EQ(window->GetHoverTimer(), -1.0f);
}

TEST_F(WindowTest, MouseMove_IgnoredControlIsSkippedEvenWhenItsHitTestSaysYes)
{
    front->Ignore(true);
    MoveTo(150, 150);
    EXPECT_EQ(window->GetHover(), back);
}

TEST_F(WindowTest, MouseMove_ConsumedWhenTheHoveredControlAnswersZero)
{
    MoveTo(150, 150);
    EXPECT_TRUE(gui().OnMouseMove(151, ClientY(150)));
    front->answer = 1;
    EXPECT_FALSE(gui().OnMouseMove(152, ClientY(150)));
    EXPECT_FALSE(gui().OnMouseMove(900, ClientY(700)));  // nothing hovered
}

TEST_F(WindowTest, MouseMove_FocusedControlFollowsTheMouseOutsideItself)
{
    window->SetFocus(front);
    MoveTo(50, 50);
    seen.clear();
    MoveTo(60, 60);
    EXPECT_EQ(seen, (Lines{"w 5 0 " + Packed(60, 60), "back 5 0 " + Packed(60, 60),
                           "front 5 0 " + Packed(60, 60)}));
}

TEST_F(WindowTest, HoverTimer_GivesExactlyOneEvent19UntilTheMouseLeavesAndEntersAgain)
{
    MoveTo(150, 150);
    auto count19 = [this] {
        return std::count_if(seen.begin(), seen.end(), [](const std::string& l) { return l.rfind("w 19 ", 0) == 0; });
    };
    for (int i = 0; i < 40; ++i) gui().Update(1.0f / 30.0f);
    EXPECT_EQ(count19(), 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "w 19 0 1"), seen.end());
    MoveTo(151, 151);  // same control: the timer stays stopped
    for (int i = 0; i < 40; ++i) gui().Update(1.0f / 30.0f);
    EXPECT_EQ(count19(), 1);
    MoveTo(50, 50);
    for (int i = 0; i < 40; ++i) gui().Update(1.0f / 30.0f);
    EXPECT_EQ(count19(), 2);
}

TEST_F(WindowTest, Update_ReachesOnlyUsableControls)
{
    back->Show(false);
    gui().Update(0.1f);
    gui().Update(0.1f);
    EXPECT_EQ(seen, (Lines{"w 2 100 0", "front 2 100 0"}));
}

TEST_F(WindowTest, LeftDown_FocusesAnEnabledHoveredControlThatConsumesIt)
{
    MoveTo(150, 150);
    seen.clear();
    front->Enable(false);
    EXPECT_FALSE(gui().OnMouseButton(150, ClientY(150), 0, false));
    EXPECT_EQ(window->GetFocus(), nullptr);
    front->Enable(true);
    front->answer = 1;
    EXPECT_FALSE(gui().OnMouseButton(150, ClientY(150), 0, false));
    EXPECT_EQ(window->GetFocus(), nullptr);
    front->answer = 0;
    seen.clear();
    EXPECT_TRUE(gui().OnMouseButton(150, ClientY(150), 0, false));
    EXPECT_EQ(window->GetFocus(), front);
    EXPECT_EQ(seen, (Lines{"w 6 0 " + Packed(150, 150), "front 6 0 " + Packed(150, 150), "front 34 0 0"}));
}

TEST_F(WindowTest, LeftUp_GoesToTheHoveredAndTheFocusedControl)
{
    window->SetFocus(back);
    MoveTo(150, 150);
    seen.clear();
    EXPECT_FALSE(gui().OnMouseButton(150, ClientY(150), 0, true));
    EXPECT_EQ(seen, (Lines{"w 7 0 " + Packed(150, 150), "front 7 0 " + Packed(150, 150),
                           "back 7 0 " + Packed(150, 150)}));
}

TEST_F(WindowTest, Keys_GoToTheFocusedControlAndConsumeWhenItAnswersZero)
{
    EXPECT_FALSE(gui().OnKey(65));  // no focus
    window->SetFocus(front);
    EXPECT_TRUE(gui().OnKey(65));
    front->answer = 1;
    EXPECT_FALSE(gui().OnChar(66));
}

TEST_F(WindowTest, Deactivation_ClearsFocusAndHover)
{
    window->SetFocus(back);
    MoveTo(150, 150);
    seen.clear();
    window->GetFunction()->OnEvent(window, vrk::kWndDeactivated, 0, 0);
    EXPECT_EQ(window->GetFocus(), nullptr);
    EXPECT_EQ(window->GetHover(), nullptr);
    EXPECT_EQ(window->GetHoverTimer(), -1.0f);
    EXPECT_EQ(seen, (Lines{"w 16 0 0", "back 35 0 0", "front 33 0 0", "w 33 0 1"}));
}

TEST_F(WindowTest, Draw_DrawsShownControlsInVectorOrder)
{
    front->Ignore(true);  // ignored controls still draw
    back->Show(false);
    new RecordingCtrl(window, "third", &seen);
    gui().Draw();
    EXPECT_EQ(seen, (Lines{"w 1 0 0", "front draw", "third draw"}));
}

TEST_F(WindowTest, LocaleChange_ReplacesTextsWhoseKeyStartsWithABracket)
{
    auto* keyed = new vrk::cLabelCtrl(window, "keyed");
    auto* plain = new vrk::cLabelCtrl(window, "plain");
    keyed->SetText("[Title]", 0);
    plain->SetText("Title", 0);
    vrk::TextTable()["[Title]"] = "Titel";
    vrk::TextTable()["Title"] = "Nope";
    gui().OnLocaleChanged();
    EXPECT_EQ(keyed->GetText(), "Titel");
    EXPECT_EQ(keyed->GetTextKey(), "[Title]");
    EXPECT_EQ(plain->GetText(), "Title");
    vrk::TextTable().erase("[Title]");
    gui().OnLocaleChanged();
    EXPECT_EQ(keyed->GetText(), "");  // a missing key gives an empty text
}

}  // namespace
