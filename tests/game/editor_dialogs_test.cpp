// The level editor's dialogs on the focused screen: "freeze" (layer flags, written
// back on any close), "object" (name, tag and data of the selection) and "name"
// (the level name), each acting only when the focused screen holds a scene.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/edit_ctrl.h"
#include "engine/gui/edit_sys_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/platform/widget.h"
#include "engine/render/font.h"
#include "framework/objects/object.h"
#include "game/editor/freeze_wf.h"
#include "game/editor/name_wf.h"
#include "game/editor/object_wf.h"
#include "objects/level_contract.h"
#include "tests/framework/widgets/dialog_fixtures.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/widgets/editor_fixtures.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

constexpr intptr_t kTab = 9;
constexpr intptr_t kEnter = 13;
constexpr intptr_t kEscape = 27;

class EditorDialogsTest : public test::DialogTest {
protected:
    // Controls of the given kind; each joins its window when it is made.
    template <class Control>
    void AddControls(vrk::cWindow* window, std::initializer_list<std::string> names)
    {
        for (const std::string& name : names) new Control(window, name);
    }
    vrk::cWindow* Build(const std::string& name, std::unique_ptr<vrk::cWindowFunction> function)
    {
        window_ = AddWindow(name, std::move(function));
        return window_;
    }
    int32_t Send(int32_t code, intptr_t first = 0, intptr_t second = 0)
    {
        return window_->GetFunction()->OnEvent(window_, code, first, second);
    }
    void Fill() { Send(vrk::kWndFilled); }
    void Open() { game->gui->ShowWindow(window_->GetName()); }
    void Click(const std::string& control) { Send(vrk::kWndClicked, 0, window_->FindCtrl(control)); }
    // Posted clicks and close requests are handled in the GUI's update.
    void Settle() { game->gui->Update(0.0f); }
    bool IsOpen() const { return game->gui->IsWindowOpen(window_->GetName()); }
    vrk::cCheckBoxSysCtrl* Box(const std::string& name)
    {
        return dynamic_cast<vrk::cCheckBoxSysCtrl*>(window_->GetCtrl(window_->FindCtrl(name)));
    }
    vrk::cEditCtrl* Field(const std::string& name)
    {
        return dynamic_cast<vrk::cEditCtrl*>(window_->GetCtrl(window_->FindCtrl(name)));
    }
    // Edit fields type only what their font can draw.
    void UseTestFont(std::initializer_list<std::string> fields)
    {
        auto font = std::make_shared<vrk::cFont>();
        test::FillTestFont(*font);
        vrk::GetFontMap()["test"] = font;
        for (const std::string& field : fields) window_->GetCtrl(window_->FindCtrl(field))->SetFont("test");
    }
    void TearDown() override
    {
        vrk::GetFontMap().erase("test");
        test::DialogTest::TearDown();
    }
    // A scene screen of the editor tests, focused; the engine core owns it.
    test::EditorWidget* FocusEditorScreen()
    {
        auto* screen = new test::EditorWidget();
        app->focused = screen;
        return screen;
    }
    test::BoxObject* AddBox(cBaseWidget* screen, const vec2& position, const std::string& name, const std::string& tag,
                            int32_t data)
    {
        auto* box = new test::BoxObject(screen);
        box->SetLayerField(1);
        box->SetPositionV(position);
        box->SetName(name);
        box->SetText(tag);
        box->SetLinkId(data);
        screen->AddObject(box, 0);
        return box;
    }

    vrk::cWindow* window_ = nullptr;
};

TEST_F(EditorDialogsTest, Freeze_ShowsTheLayerFlagsAndWritesThemBackOnAnyClose)
{
    test::EditorWidget* screen = FocusEditorScreen();
    screen->SetLayerFrozen(2, true);
    screen->SetLayerHidden(7, true);
    vrk::cWindow* window = Build("freeze", std::make_unique<cFreezeWF>());
    for (int layer = 0; layer < 10; ++layer) {
        AddControls<vrk::cCheckBoxSysCtrl>(window, {"freeze" + std::to_string(layer), "hide" + std::to_string(layer)});
    }
    AddControls<vrk::cButtonSysCtrl>(window, {"close", "freeze-", "freeze+", "hide-", "hide+"});
    Fill();
    Open();
    for (int layer = 0; layer < 10; ++layer) {
        EXPECT_EQ(Box("freeze" + std::to_string(layer))->IsChecked(), layer == 2) << layer;
        EXPECT_EQ(Box("hide" + std::to_string(layer))->IsChecked(), layer == 7) << layer;
    }

    Click("freeze+");
    Click("hide-");
    Box("hide4")->SetChecked(true);
    // Nothing reaches the screen before the window closes.
    EXPECT_FALSE(screen->IsLayerFrozen(0));
    EXPECT_TRUE(screen->IsLayerHidden(7));
    EXPECT_EQ(Send(vrk::kWndKeyDown, kEscape), 1);
    Settle();
    EXPECT_FALSE(IsOpen());
    for (int layer = 0; layer < 10; ++layer) {
        EXPECT_TRUE(screen->IsLayerFrozen(layer)) << layer;
        EXPECT_EQ(screen->IsLayerHidden(layer), layer == 4) << layer;
    }

    // "freeze-" and the close button take the same way.
    Open();
    Click("freeze-");
    Click("close");
    EXPECT_FALSE(IsOpen());
    EXPECT_FALSE(screen->IsLayerFrozen(2));
    EXPECT_TRUE(screen->IsLayerHidden(4));

    // A focused screen without a scene is left alone, and nothing breaks.
    vrk::cWidget* plain = new vrk::cWidget("plain");
    app->focused = plain;
    Open();
    Click("freeze+");
    Click("close");
    EXPECT_FALSE(IsOpen());
    EXPECT_FALSE(screen->IsLayerFrozen(2));
}

TEST_F(EditorDialogsTest, Object_EditsOneOrManySelectedObjectsAfterSwallowingTheOpeningKey)
{
    test::EditorWidget* screen = FocusEditorScreen();
    test::BoxObject* first = AddBox(screen, vec2{100.0f, 100.0f}, "gate", "north", 42);
    test::BoxObject* second = AddBox(screen, vec2{200.0f, 100.0f}, "door", "south", 7);
    vrk::cWindow* window = Build("object", std::make_unique<cObjectWF>());
    AddControls<vrk::cEditSysCtrl>(window, {"name", "tag", "data"});
    UseTestFont({"name", "tag", "data"});
    Fill();

    // One selected object: its fields; "name" takes the keys, and the key that
    // opened the window is not typed.
    screen->ForceMode(kModeEditor);
    screen->ClickAt(first->GetPosition());
    ASSERT_EQ(screen->GetSelection().size(), 1u);
    Open();
    EXPECT_EQ(Field("name")->GetText(), "gate");
    EXPECT_EQ(Field("tag")->GetText(), "north");
    EXPECT_EQ(Field("data")->GetText(), "42");
    EXPECT_EQ(window->GetFocus(), Field("name"));
    EXPECT_EQ(Send(vrk::kWndChar, 'o'), 0);
    Send(vrk::kWndChar, 's');
    EXPECT_EQ(Field("name")->GetText(), "gates");
    Send(vrk::kWndKeyDown, kTab);
    EXPECT_EQ(window->GetFocus(), Field("tag"));
    Send(vrk::kWndKeyDown, kTab);
    EXPECT_EQ(window->GetFocus(), Field("data"));
    Send(vrk::kWndKeyDown, kTab);
    EXPECT_EQ(window->GetFocus(), Field("name"));
    Field("data")->SetText("  -15", 0);
    EXPECT_EQ(Send(vrk::kWndKeyDown, kEnter), 1);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(first->GetName(), "gates");
    EXPECT_EQ(first->GetText(), "north");
    EXPECT_EQ(first->GetLinkId(), -15);

    // Several: empty fields, and Enter writes the same values to all; text that is
    // not a number is data 0.
    screen->control = true;
    screen->ClickAt(second->GetPosition());
    ASSERT_EQ(screen->GetSelection().size(), 2u);
    Open();
    EXPECT_EQ(Field("name")->GetText(), "");
    EXPECT_EQ(Field("tag")->GetText(), "");
    EXPECT_EQ(Field("data")->GetText(), "");
    Field("tag")->SetText("both", 0);
    Field("data")->SetText("many", 0);
    Send(vrk::kWndKeyDown, kEnter);
    for (const cObject* object : {static_cast<cObject*>(first), static_cast<cObject*>(second)}) {
        EXPECT_EQ(object->GetName(), "");
        EXPECT_EQ(object->GetText(), "both");
        EXPECT_EQ(object->GetLinkId(), 0);
    }

    // Esc closes without changes.
    Open();
    Field("tag")->SetText("lost", 0);
    EXPECT_EQ(Send(vrk::kWndKeyDown, kEscape), 1);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(second->GetText(), "both");

    EXPECT_EQ(cObjectWF::ParseDataNumber("+12abc"), 12);
    EXPECT_EQ(cObjectWF::ParseDataNumber("99999999999"), 2147483647);
    EXPECT_EQ(cObjectWF::ParseDataNumber("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(cObjectWF::ParseDataNumber("- 3"), 0);
}

TEST_F(EditorDialogsTest, Name_RenamesTheLevelAndItsBackgroundWithoutSettingTheLevelUpAgain)
{
    auto* screen = new test::TestMagicWidget();
    app->focused = screen;
    screen->SetLevelName("draft");
    cObject* back = screen->CreateObject(kTypeBack, 0);
    ASSERT_NE(back, nullptr);
    back->SetSprite("");
    screen->Tasks().records.push_back(TaskRecord{kTypeWorker, "", 2, 5, false, "", "Population_5"});
    screen->AddTalk(0, "hero", "talk_line");
    for (size_t i = 0; i < screen->Stock().amounts.size(); ++i) screen->Stock().amounts[i] = static_cast<int32_t>(i) + 1;
    const std::vector<int32_t> stock = screen->Stock().amounts;
    const size_t talks = screen->GetTalks().size();

    vrk::cWindow* window = Build("name", std::make_unique<cNameWF>());
    AddControls<vrk::cEditSysCtrl>(window, {"name"});
    UseTestFont({"name"});
    Fill();
    Open();
    EXPECT_EQ(Field("name")->GetText(), "draft");
    EXPECT_EQ(window->GetFocus(), Field("name"));
    EXPECT_EQ(Send(vrk::kWndChar, 'l'), 0);
    // "002" is a level of the table: its own set-up would bring other tasks and stock.
    Field("name")->SetText("002", 0);
    EXPECT_EQ(Send(vrk::kWndKeyDown, kEnter), 1);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(screen->GetLevelName(), "002");
    EXPECT_EQ(back->GetSprite(), "002");
    ASSERT_EQ(screen->Tasks().records.size(), 1u);
    EXPECT_EQ(screen->Tasks().records[0].id, "Population_5");
    EXPECT_EQ(screen->GetTalks().size(), talks);
    EXPECT_EQ(screen->Stock().amounts, stock);

    // Esc keeps the name; without a scene screen Enter only closes.
    Open();
    Field("name")->SetText("other", 0);
    Send(vrk::kWndKeyDown, kEscape);
    EXPECT_EQ(screen->GetLevelName(), "002");
    app->focused = new vrk::cWidget("plain");
    Open();
    Field("name")->SetText("other", 0);
    Send(vrk::kWndKeyDown, kEnter);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(screen->GetLevelName(), "002");
}

}  // namespace
