// The control base: flags, the text key, the base event answers, the colour rule and
// controls made without a window.
#include "engine/gui/ctrl.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/gui/gui_handles.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

class CtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        window = Open("w");
        control = new vrk::cCtrl(window, "plain");
    }
    vrk::cWindow* window = nullptr;
    vrk::cCtrl* control = nullptr;
};

TEST_F(CtrlTest, NewControl_IsShownOnlyAndAnswersItsBaseDefaults)
{
    EXPECT_EQ(control->GetFlags(), static_cast<uint32_t>(vrk::kCtrlShown));
    EXPECT_STREQ(control->GetClassName(), "cCtrl");
    EXPECT_EQ(control->GetRect(), vrk::GuiRect{});
    EXPECT_FALSE(control->HitTest(0.0f, 0.0f));
    EXPECT_TRUE(control->GetTextKey().empty());
}

TEST_F(CtrlTest, Flags_ChangeOnlyThroughTheirOperations)
{
    control->Enable(false);
    control->Ignore(true);
    control->Select(true);
    control->Show(false);
    EXPECT_EQ(control->GetFlags(), static_cast<uint32_t>(vrk::kCtrlDisabled | vrk::kCtrlIgnored | vrk::kCtrlSelected));
    EXPECT_TRUE(control->HasFlag(vrk::kCtrlSelected | vrk::kCtrlShown));
    EXPECT_FALSE(control->IsUsable());
    control->Enable(true);
    control->Ignore(false);
    control->Select(false);
    control->Show(true);
    EXPECT_EQ(control->GetFlags(), static_cast<uint32_t>(vrk::kCtrlShown));
}

TEST_F(CtrlTest, SetText_KeepsTheFirstNonEmptyTextAsKey)
{
    control->SetText("", 0);
    control->SetText("[First]", 0);
    control->SetText("Second", 0);
    EXPECT_EQ(control->GetTextKey(), "[First]");
}

struct EventCase {
    int32_t code;
    int32_t result;
    bool reachesWindow;
};

class CtrlEventTest : public CtrlTest, public testing::WithParamInterface<EventCase> {};

TEST_P(CtrlEventTest, BaseAnswersAndPassesEnterAndLeaveToTheWindow)
{
    EXPECT_EQ(control->OnEvent(GetParam().code, 7, 9), GetParam().result);
    const Lines expected = GetParam().reachesWindow
                               ? Lines{"w " + std::to_string(GetParam().code) + " 0 0"}
                               : Lines{};
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, CtrlEventTest,
                         testing::Values(EventCase{vrk::kCtrlKeyDown, 1, false}, EventCase{vrk::kCtrlChar, 1, false},
                                         EventCase{vrk::kCtrlMouseEntered, 0, true},
                                         EventCase{vrk::kCtrlMouseLeft, 0, true},
                                         EventCase{vrk::kCtrlUpdate, 0, false},
                                         EventCase{vrk::kCtrlLeftDown, 0, false},
                                         EventCase{vrk::kCtrlFocusGained, 0, false}));

struct ColorCase {
    float red;
    float green;
    float blue;
    uint32_t argb;
};

class MakeColorTest : public testing::TestWithParam<ColorCase> {};

TEST_P(MakeColorTest, TruncatesEachChannelAndKeepsItsLowByte)
{
    EXPECT_EQ(vrk::cCtrl::MakeColor(GetParam().red, GetParam().green, GetParam().blue), GetParam().argb);
}

INSTANTIATE_TEST_SUITE_P(Channels, MakeColorTest,
                         testing::Values(ColorCase{1.0f, 0.5f, 0.0f, 0xFFFF7F00u},
                                         ColorCase{0.0f, 0.0f, 0.0f, 0xFF000000u},
                                         ColorCase{2.0f, -1.0f / 255.0f, 1.0f, 0xFFFEFFFFu},  // wraps as a byte
                                         ColorCase{1e30f, std::numeric_limits<float>::quiet_NaN(), 0.2f,
                                                   0xFF000033u}));  // beyond any integer: 0

TEST_F(CtrlTest, ControlWithoutWindow_HasNoIdAndTheCoresGuiAndNeverPosts)
{
    vrk::cCtrl loose(nullptr, "part");
    EXPECT_EQ(loose.GetId(), vrk::cCtrl::kNoId);
    EXPECT_EQ(loose.GetGUI(), &gui());
    EXPECT_EQ(loose.OnEvent(vrk::kCtrlMouseEntered, 0, 0), 0);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(vrk::FindLiveCtrl(&loose), &loose);
    EXPECT_EQ(window->GetCtrlCount(), 1);
}

}  // namespace
