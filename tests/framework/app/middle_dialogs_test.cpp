// The application's dialogs: building windows from scripts, opening dialogs, the
// message box and the commands it carries, sprite lookup, system text, the
// widescreen borders and the achievement pop-up.
#include <lua.hpp>

#include <algorithm>
#include <vector>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/engine_bindings.h"
#include "engine/gui/image_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "engine/platform/shell_state.h"
#include "engine/render/render.h"
#include "engine/text/text_table.h"
#include "framework/widgets/message_box_wf.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

// Records what the commands ask of the profiles and every window that opens.
class CommandMiddle : public test::DialogMiddle {
public:
    int32_t LogonPlayer(const std::string& id) override
    {
        calls.push_back("logon " + id);
        return 0;
    }
    int32_t DeletePlayer(const std::string& id) override
    {
        calls.push_back("delete " + id);
        return 0;
    }
    bool ShowWindow(const std::string& windowName, intptr_t context) override
    {
        calls.push_back("show " + windowName);
        return cMiddle::ShowWindow(windowName, context);
    }
    std::vector<std::string> calls;
};

// A recording window function that answers nothing.
class CountingFunction : public vrk::cWindowFunction {
public:
    explicit CountingFunction(std::vector<int32_t>* codes) : codes_(codes) {}
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override
    {
        codes_->push_back(code);
        return vrk::cWindowFunction::OnEvent(window, code, first, second);
    }

private:
    std::vector<int32_t>* codes_;
};

class MiddleDialogsTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        app.reset();
        middle = new CommandMiddle();
        app.reset(middle);
        vrk::RegisterEngineBindings();
    }
    void TearDown() override
    {
        // A quit the tests asked for must not reach the next test.
        port::WindowMessage message;
        while (vrk::Shell().pump.TakeNext(message)) {
        }
        DialogTest::TearDown();
    }
    bool QuitPosted()
    {
        port::WindowMessage message;
        while (vrk::Shell().pump.TakeNext(message))
            if (message.kind == port::MessageKind::kQuit) return true;
        return false;
    }
    // The message box built the way a script builds it.
    cMessageBoxWF* MakeMessageBox()
    {
        WriteStatic("gui/messagebox.lua",
                    "function FillWindow(w) setWndModal(w, true) setWndActive(w, true) "
                    "createLabelCtrl(w, 'title') createLabelCtrl(w, 'text') createImageCtrl(w, 'image') "
                    "createImageCtrl(w, 'icon') createButtonSysCtrl(w, 'ok') createButtonSysCtrl(w, 'cancel') end");
        auto function = std::make_unique<cMessageBoxWF>();
        middle->messageBox = function.get();
        middle->FillWindow("messagebox", "{StaticPath}/gui/messagebox.lua", std::move(function));
        return middle->messageBox;
    }
    vrk::cCtrl* Ctrl(const std::string& window, const std::string& name)
    {
        vrk::cWindow* found = game->gui->FindWindow(window);
        return found != nullptr ? found->GetCtrl(found->FindCtrl(name)) : nullptr;
    }
    std::string Caption(const std::string& name)
    {
        return static_cast<vrk::cButtonSysCtrl*>(Ctrl("messagebox", name))->GetLabel().GetText();
    }
    // Presses a button of the open box and lets it fade out.
    void Answer(const std::string& button)
    {
        vrk::cWindow* window = game->gui->FindWindow("messagebox");
        window->GetFunction()->OnEvent(window, vrk::kWndClicked, 0, window->FindCtrl(button));
        for (int i = 0; i < 40 && game->gui->IsWindowOpen("messagebox"); ++i) game->gui->Update(0.05f);
    }

    CommandMiddle* middle = nullptr;
    // Outlive the windows, which hear the GUI's end.
    std::vector<int32_t> codes;
    std::vector<int32_t> achieveCodes;
    std::vector<int32_t> levelCodes;
};

TEST_F(MiddleDialogsTest, FillWindow_RunsTheScriptThenSendsLocaleAndFilled)
{
    WriteStatic("gui/w.lua", "function FillWindow(w) createLabelCtrl(w, 'label') end");
    vrk::cWindow* window = middle->FillWindow("w", "{StaticPath}/gui/w.lua", std::make_unique<CountingFunction>(&codes));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCtrlCount(), 1);
    EXPECT_EQ(codes, (std::vector<int32_t>{vrk::kWndCreated, vrk::kWndLocaleChanged, vrk::kWndFilled}));
}

TEST_F(MiddleDialogsTest, FillWindow_ScriptWithoutFillWindowBuildsNothingOfThePreviousWindow)
{
    WriteStatic("gui/a.lua", "function FillWindow(w) createLabelCtrl(w, 'label') end");
    WriteStatic("gui/b.lua", "x = 1");
    middle->FillWindow("a", "{StaticPath}/gui/a.lua", nullptr);
    vrk::cWindow* b = middle->FillWindow("b", "{StaticPath}/gui/b.lua", nullptr);
    EXPECT_EQ(b->GetCtrlCount(), 0);
}

TEST_F(MiddleDialogsTest, FillWindow_FailingScriptsLeaveTheWindowEmptyAndTheStackClean)
{
    WriteStatic("gui/bad.lua", "function FillWindow(w) error('boom') end");
    lua_State* state = vrk::GetLuaState();
    const int top = lua_gettop(state);
    vrk::cWindow* window = middle->FillWindow("bad", "{StaticPath}/gui/bad.lua", std::make_unique<CountingFunction>(&codes));
    EXPECT_EQ(window->GetCtrlCount(), 0);
    EXPECT_EQ(lua_gettop(state), top);
    EXPECT_EQ(codes.back(), vrk::kWndFilled);
    vrk::cWindow* missing = middle->FillWindow("missing", "{StaticPath}/gui/none.lua", nullptr);
    EXPECT_NE(missing, nullptr);
}

// A window script whose FillWindow never ends is stopped with a warning naming the
// script; the window keeps what was made before and still hears that it is filled.
TEST_F(MiddleDialogsTest, FillWindow_AFillThatNeverEndsIsStoppedNamingItsScript)
{
    WriteStatic("gui/main.lua", "function FillWindow(w) createLabelCtrl(w, 'label') while true do end end");
    vrk::cWindow* window = middle->FillWindow("menu", "{StaticPath}/gui/main.lua", std::make_unique<CountingFunction>(&codes));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCtrlCount(), 1);
    EXPECT_EQ(codes.back(), vrk::kWndFilled);
    EXPECT_TRUE(Logged("{StaticPath}/gui/main.lua: stopped after 10000000 Lua instructions"));
}

TEST_F(MiddleDialogsTest, ShowWindow_AsksOthersToCloseButKeepsTheAchievementPopup)
{
    game->gui->AddWindow("level_achieve", std::make_unique<CountingFunction>(&achieveCodes));
    game->gui->AddWindow("level", std::make_unique<CountingFunction>(&levelCodes));
    game->gui->AddWindow("options");
    game->gui->ShowWindow("level_achieve");
    game->gui->ShowWindow("level");
    levelCodes.clear();
    achieveCodes.clear();
    EXPECT_TRUE(middle->ShowWindow("options", 7));
    EXPECT_EQ(levelCodes.front(), vrk::kWndCloseRequested);
    EXPECT_EQ(std::count(achieveCodes.begin(), achieveCodes.end(), vrk::kWndCloseRequested), 0);
    EXPECT_TRUE(game->gui->IsWindowOpen("options"));
    EXPECT_TRUE(game->gui->IsWindowOpen("level_achieve"));
    EXPECT_EQ(middle->GetWindowContext(), 7);
    EXPECT_TRUE(middle->ShowWindow("no_such_window", 0));
}

TEST_F(MiddleDialogsTest, MessageBox_DeleteAnsweredYesLogsOnThenDeletes)
{
    MakeMessageBox();
    game->gui->AddWindow("profile_select");
    test::RegisterTestTexture("icon_question");
    middle->MessageBox(0x408, "Delete?", "delete,plr001,plr000");
    EXPECT_EQ(static_cast<vrk::cImageCtrl*>(Ctrl("messagebox", "icon"))->GetTexture(),
              vrk::FindTexture("icon_question"));
    EXPECT_EQ(Caption("ok"), "Yes");
    EXPECT_EQ(Caption("cancel"), "No");
    EXPECT_EQ(static_cast<vrk::cLabelCtrl*>(Ctrl("messagebox", "text"))->GetText(), "Delete?");
    EXPECT_EQ(static_cast<vrk::cLabelCtrl*>(Ctrl("messagebox", "title"))->GetText(), "");
    middle->calls.clear();
    Answer("ok");
    EXPECT_EQ(middle->calls, (std::vector<std::string>{"logon plr000", "delete plr001", "show profile_select"}));
    EXPECT_TRUE(game->gui->IsWindowOpen("profile_select"));
}

TEST_F(MiddleDialogsTest, MessageBox_DeleteAnsweredNoOnlyReopensTheSelection)
{
    MakeMessageBox();
    middle->MessageBox(0x408, "Delete?", "delete,plr001,plr000");
    middle->calls.clear();
    Answer("cancel");
    EXPECT_EQ(middle->calls, std::vector<std::string>{"show profile_select"});
}

TEST_F(MiddleDialogsTest, MessageBox_ExitGameOkQuitsAndEscOpensTheMenu)
{
    MakeMessageBox();
    middle->MessageBox(0x108, "Quit?", "exit_game");
    EXPECT_EQ(Caption("ok"), "Ok");
    EXPECT_FALSE(Ctrl("messagebox", "cancel")->HasFlag(vrk::kCtrlShown));
    Answer("ok");
    EXPECT_TRUE(QuitPosted());

    middle->MessageBox(0x108, "Quit?", "exit_game");
    vrk::cWindow* window = game->gui->FindWindow("messagebox");
    window->GetFunction()->OnEvent(window, vrk::kWndKeyDown, 27, 0);  // no cancel: acts as ok
    for (int i = 0; i < 40 && game->gui->IsWindowOpen("messagebox"); ++i) game->gui->Update(0.05f);
    EXPECT_TRUE(QuitPosted());

    middle->MessageBox(0x208, "Quit?", "exit_game");
    middle->calls.clear();
    Answer("cancel");
    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(middle->calls, std::vector<std::string>{"show menu"});
}

TEST_F(MiddleDialogsTest, MessageBox_OtherFlagsKeepButtonsAndGiveNoIcon)
{
    MakeMessageBox();
    middle->MessageBox(0x200, "a", "");
    middle->MessageBox(0x0F0, "b", "");
    EXPECT_EQ(Caption("cancel"), "Cancel");
    EXPECT_EQ(static_cast<vrk::cImageCtrl*>(Ctrl("messagebox", "icon"))->GetTexture(), nullptr);
}

TEST_F(MiddleDialogsTest, OnDialogCommand_OtherWindowsAndWordsDoNothing)
{
    MakeMessageBox();
    middle->messageBox->SetCommand("profile_add");
    middle->calls.clear();
    middle->OnDialogCommand("options");
    EXPECT_TRUE(middle->calls.empty());
    middle->OnDialogCommand("messagebox");
    EXPECT_EQ(middle->calls, std::vector<std::string>{"show profile_add"});
    middle->messageBox->SetCommand("something,else");
    middle->calls.clear();
    middle->OnDialogCommand("messagebox");
    EXPECT_TRUE(middle->calls.empty());
}

TEST_F(MiddleDialogsTest, GetSpriteInfoEx_EmptyNameIsSilentUnknownNameLogsEachTime)
{
    const size_t before = lines.size();
    EXPECT_EQ(middle->GetSpriteInfoEx("").texture, nullptr);
    EXPECT_EQ(lines.size(), before);
    middle->GetSpriteInfoEx("ghost");
    middle->GetSpriteInfoEx("ghost");
    EXPECT_EQ(CountLogged("SpriteEx with area ghost not found"), 2);
    EXPECT_EQ(GetTextureInfoExMap().count("ghost"), 1u);
}

TEST_F(MiddleDialogsTest, DrawFrameOverlay_BordersOverlapTheFourThirdsAreaByOnePixel)
{
    vrk::cRender* render = vrk::GetRender();
    render->SetScreenRect(0, 0, 1920, 1080);
    middle->DrawFrameOverlay(&batch());
    // The batch is drawn and emptied; the quads are still in its vertex store.
    EXPECT_EQ(batch().UsedVertices(), 0u);
    EXPECT_EQ(QuadBounds(0), (vrk::GuiRect{-1.0f, 0.0f, 242.0f, 1080.0f}));
    EXPECT_EQ(QuadBounds(6), (vrk::GuiRect{1679.0f, 0.0f, 242.0f, 1080.0f}));
    EXPECT_FLOAT_EQ(batch().vertices[6].u, 1.0f);  // the right border is mirrored
    EXPECT_FLOAT_EQ(batch().vertices[7].u, 0.0f);
}

TEST_F(MiddleDialogsTest, DrawFrameOverlay_NothingOnFourThirdsOrNarrower)
{
    vrk::cRender* render = vrk::GetRender();
    batch().vertices[0].x = 12345.0f;
    render->SetScreenRect(0, 0, 1024, 768);
    middle->DrawFrameOverlay(&batch());
    render->SetScreenRect(0, 0, 1025, 768);  // margin 0
    middle->DrawFrameOverlay(&batch());
    EXPECT_FLOAT_EQ(batch().vertices[0].x, 12345.0f);
}

TEST_F(MiddleDialogsTest, PopupAchieve_FillsAndOpensThePopupOnly)
{
    WriteStatic("gui/level_achieve.lua",
                "function FillWindow(w) createImageCtrl(w, 'image') createLabelCtrl(w, 'name') end");
    middle->FillWindow("level_achieve", "{StaticPath}/gui/level_achieve.lua", nullptr);
    test::RegisterTestSprite("achieve_3", 2, 0.0f);
    vrk::TextTable()["achieve_3"] = "Builder";
    middle->ShowWindow("menu", 5);
    middle->PopupAchieve("achieve_3", "achieve_3");
    EXPECT_TRUE(game->gui->IsWindowOpen("level_achieve"));
    auto* image = static_cast<vrk::cImageCtrl*>(Ctrl("level_achieve", "image"));
    EXPECT_EQ(image->GetTexture(), vrk::FindTexture("achieve_3_tex"));
    EXPECT_EQ(image->GetUVRect(), (vrk::GuiRect{0.0f, 0.0f, 0.1f, 1.0f}));
    EXPECT_EQ(static_cast<vrk::cLabelCtrl*>(Ctrl("level_achieve", "name"))->GetText(), "Builder");
    EXPECT_EQ(middle->GetWindowContext(), 5);
    vrk::TextTable().erase("achieve_3");
}

TEST_F(MiddleDialogsTest, PopupAchieve_MissingControlsOrIconStopWithAWarning)
{
    middle->PopupAchieve("achieve_1", "achieve_1");
    EXPECT_TRUE(Logged("can't find some of window's elements"));
    WriteStatic("gui/level_achieve.lua",
                "function FillWindow(w) createImageCtrl(w, 'image') createLabelCtrl(w, 'name') end");
    middle->FillWindow("level_achieve", "{StaticPath}/gui/level_achieve.lua", nullptr);
    middle->PopupAchieve("achieve_1", "achieve_1");
    EXPECT_TRUE(Logged("icon not found"));
    EXPECT_FALSE(game->gui->IsWindowOpen("level_achieve"));
}

}  // namespace
