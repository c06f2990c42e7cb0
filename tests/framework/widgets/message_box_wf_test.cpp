// The message box: filling its controls, the pause it holds while open, and the
// result of buttons, Enter and Esc (reset each time a box opens).
#include "framework/widgets/message_box_wf.h"

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/image_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class MessageBoxWfTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        auto function = std::make_unique<cMessageBoxWF>();
        box = function.get();
        window = AddWindow("messagebox", std::move(function));
        window->active = true;
        window->modal = true;
    }
    // The controls a script would make; lines instead of "text" when lineCount > 0.
    void Build(int lineCount, bool withCancel = true)
    {
        new vrk::cLabelCtrl(window, "title");
        if (lineCount == 0) new vrk::cLabelCtrl(window, "text");
        for (int i = 0; i < lineCount; ++i) new vrk::cLabelCtrl(window, "line" + std::to_string(i));
        new vrk::cImageCtrl(window, "image");
        new vrk::cImageCtrl(window, "icon");
        new vrk::cButtonSysCtrl(window, "ok");
        if (withCancel) new vrk::cButtonSysCtrl(window, "cancel");
        box->OnEvent(window, vrk::kWndFilled, 0, 0);
    }
    std::string Text(const std::string& name)
    {
        return static_cast<vrk::cLabelCtrl*>(ControlByName(window, name))->GetText();
    }
    void OpenBox() { game->gui->ShowWindow("messagebox"); }
    // Runs the GUI until the box has faded out.
    void Settle()
    {
        for (int i = 0; i < 40 && game->gui->IsWindowOpen("messagebox"); ++i) game->gui->Update(0.05f);
    }
    void Key(int32_t key) { box->OnEvent(window, vrk::kWndKeyDown, key, 0); }

    cMessageBoxWF* box = nullptr;
    vrk::cWindow* window = nullptr;
};

TEST_F(MessageBoxWfTest, SetUpBeforeBuilt_AnswersOneAndChangesNothing)
{
    EXPECT_EQ(box->GetResult(), cMessageBoxWF::kResultCancel);
    EXPECT_EQ(box->SetTexts("t", "x"), 1);
    EXPECT_EQ(box->SetImages("a", "b"), 1);
    EXPECT_EQ(box->SetButtons("Ok", ""), 1);
    box->SetCommand("exit_game");
    EXPECT_EQ(box->GetCommand(), "exit_game");
}

TEST_F(MessageBoxWfTest, SetTexts_WholeTextGoesToTextControl)
{
    Build(0);
    EXPECT_EQ(box->SetTexts("Title", "one\ntwo"), 0);
    EXPECT_EQ(Text("title"), "Title");
    EXPECT_EQ(Text("text"), "one\ntwo");
}

TEST_F(MessageBoxWfTest, SetTexts_LinesFillTheLineControlsAndEmptyTheRest)
{
    Build(3);
    box->SetTexts("", "a\nb\nc\nd");
    EXPECT_EQ(Text("line0"), "a");
    EXPECT_EQ(Text("line2"), "c");  // "d" has no control
    box->SetTexts("", "only");
    EXPECT_EQ(Text("line0"), "only");
    EXPECT_EQ(Text("line1"), "");
    EXPECT_EQ(Text("line2"), "");
}

TEST_F(MessageBoxWfTest, SetImagesAndButtons)
{
    test::RegisterTestTexture("icon_question");
    Build(0);
    box->SetImages("icon_question", "icon_question");
    EXPECT_EQ(static_cast<vrk::cImageCtrl*>(ControlByName(window, "icon"))->GetTexture(),
              vrk::FindTexture("icon_question"));
    box->SetButtons("Yes", "No");
    EXPECT_TRUE(ControlByName(window, "cancel")->HasFlag(vrk::kCtrlShown));
    box->SetButtons("Ok", "");
    EXPECT_FALSE(ControlByName(window, "cancel")->HasFlag(vrk::kCtrlShown));
}

struct KeyCase {
    const char* name;
    bool cancelShown;
    int32_t key;
    int32_t result;
};

class MessageBoxKeyTest : public MessageBoxWfTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(MessageBoxKeyTest, KeyPressesTheButtonAndClosesTheBox)
{
    Build(0);
    box->SetButtons("Ok", GetParam().cancelShown ? "Cancel" : "");
    OpenBox();
    box->OnEvent(window, vrk::kWndUpdate, 1000, 0);
    Key(GetParam().key);
    Settle();
    EXPECT_FALSE(game->gui->IsWindowOpen("messagebox"));
    EXPECT_EQ(box->GetResult(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageBoxKeyTest,
                         testing::Values(KeyCase{"EnterIsOk", true, 13, 0}, KeyCase{"EscIsCancel", true, 27, 1},
                                         KeyCase{"EscWithoutCancelIsOk", false, 27, 0}),
                         [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(MessageBoxWfTest, Opening_ResetsTheResultSoAnUnansweredBoxNeverConfirms)
{
    Build(0);
    OpenBox();
    Key(13);
    Settle();
    ASSERT_EQ(box->GetResult(), cMessageBoxWF::kResultOk);
    OpenBox();
    EXPECT_EQ(box->GetResult(), cMessageBoxWF::kResultCancel);
    game->gui->AskCloseWindow("messagebox");  // closed without a press
    Settle();
    EXPECT_EQ(box->GetResult(), cMessageBoxWF::kResultCancel);
}

TEST_F(MessageBoxWfTest, PauseCounter_HeldWhileOpenAndGivenBackOnClose)
{
    Build(0);
    game->suspended = -3;  // a negative counter counts as 0
    OpenBox();
    EXPECT_EQ(game->suspended, 1);
    OpenBox();  // opened again before it closed
    EXPECT_EQ(game->suspended, 2);
    Key(27);
    Settle();
    EXPECT_EQ(game->suspended, 0);
    EXPECT_EQ(box->GetPausesHeld(), 0);
}

TEST_F(MessageBoxWfTest, ClosedDirectlyWhileFadingOut_StillGivesThePauseBack)
{
    Build(0);
    OpenBox();
    box->OnEvent(window, vrk::kWndUpdate, 1000, 0);
    game->gui->AskCloseWindow("messagebox");
    box->OnEvent(window, vrk::kWndUpdate, 100, 0);
    ASSERT_FALSE(box->IsActive());
    game->gui->CloseWindow("messagebox");
    EXPECT_EQ(game->suspended, 0);
}

TEST_F(MessageBoxWfTest, ButtonsWhileClosing_AreIgnored)
{
    Build(0);
    OpenBox();
    box->OnEvent(window, vrk::kWndUpdate, 1000, 0);
    box->OnEvent(window, vrk::kWndClicked, 0, window->FindCtrl("ok"));
    box->OnEvent(window, vrk::kWndUpdate, 100, 0);
    box->OnEvent(window, vrk::kWndClicked, 0, window->FindCtrl("cancel"));
    EXPECT_EQ(box->GetResult(), cMessageBoxWF::kResultOk);
}

}  // namespace
