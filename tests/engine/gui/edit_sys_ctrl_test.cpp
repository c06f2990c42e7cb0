// The drawn edit field: the text inside the frame's borders, typing only what the
// font can draw (the rest goes on to other windows), and the caret's conditions.
#include "engine/gui/edit_sys_ctrl.h"

#include <gtest/gtest.h>

#include "port/window/virtual_keys.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;

// Records every character that reaches it.
class CharacterRecorder : public vrk::cWindowFunction {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override
    {
        if (code == vrk::kWndChar) characters.push_back(first);
        return vrk::cWindowFunction::OnEvent(window, code, first, second);
    }
    std::vector<intptr_t> characters;
};

class EditSysTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        edit = new vrk::cEditSysCtrl(window, "name");
        edit->SetFrame(vrk::GuiRect{100.0f, 100.0f, 200.0f, 30.0f}, 6.0f, 4.0f, 0);
        edit->SetFont("test");
    }
    int32_t Type(intptr_t character) { return edit->OnEvent(vrk::kCtrlChar, character, 0); }

    vrk::cEditSysCtrl* edit = nullptr;
};

TEST_F(EditSysTest, Layout_PutsTheTextInsideTheFrameBorders)
{
    EXPECT_EQ(edit->GetLabel().GetRect(), (vrk::GuiRect{106.0f, 104.0f, 188.0f, 22.0f}));
    edit->Move(-6.0f, 10.0f);
    EXPECT_EQ(edit->GetLabel().GetRect(), (vrk::GuiRect{100.0f, 114.0f, 188.0f, 22.0f}));
    EXPECT_EQ(edit->GetRect(), (vrk::GuiRect{94.0f, 110.0f, 200.0f, 30.0f}));
    EXPECT_EQ(edit->GetLabel().GetAlign(), vrk::kAlignLeft | vrk::kAlignMiddle);
}

TEST_F(EditSysTest, Typing_AppendsDrawableCharactersAndQueuesTheChange)
{
    EXPECT_EQ(Type('A'), 0);
    EXPECT_EQ(Type('b'), 0);
    EXPECT_EQ(edit->GetText(), "Ab");
    edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kBack, 0);
    EXPECT_EQ(edit->GetText(), "A");
    EXPECT_EQ(Reported(), (std::vector<SeenEvent>{{vrk::kWndEditChanged, 0, edit->GetId()},
                                                  {vrk::kWndEditChanged, 0, edit->GetId()},
                                                  {vrk::kWndEditChanged, 0, edit->GetId()}}));
}

struct UndrawableCase {
    const char* name;
    intptr_t character;
};

class EditSysUndrawableTest : public EditSysTest, public ::testing::WithParamInterface<UndrawableCase> {};

TEST_P(EditSysUndrawableTest, CharacterWithoutGlyph_IsNotTypedAndNotConsumed)
{
    EXPECT_EQ(Type(GetParam().character), 1);
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_TRUE(Reported().empty());
}

INSTANTIATE_TEST_SUITE_P(Characters, EditSysUndrawableTest,
                         ::testing::Values(UndrawableCase{"Cyrillic", 0x416}, UndrawableCase{"Negative", -65},
                                           UndrawableCase{"Surrogate", 0xD800},
                                           UndrawableCase{"BeyondUnicode", 0x110041},
                                           UndrawableCase{"Huge", static_cast<intptr_t>(0x7FFFFFFF)}),
                         [](const ::testing::TestParamInfo<UndrawableCase>& info) { return std::string(info.param.name); });

TEST_F(EditSysTest, WithoutAFont_NothingIsTyped)
{
    auto* bare = new vrk::cEditSysCtrl(window, "bare");
    EXPECT_EQ(bare->OnEvent(vrk::kCtrlChar, 'A', 0), 1);
    EXPECT_EQ(bare->GetText(), "");
}

TEST_F(EditSysTest, UndrawableCharacterInTheFocusedField_WalksOnToTheWindowBelow)
{
    auto lowerFunction = std::make_unique<CharacterRecorder>();
    CharacterRecorder* lower = lowerFunction.get();
    vrk::cWindow* below = gui.AddWindow("below", std::move(lowerFunction));
    below->active = true;
    window->active = true;
    gui.ShowWindow("below");
    gui.ShowWindow("test");
    Click(150.0f, 115.0f);
    ASSERT_EQ(window->GetFocus(), edit);
    EXPECT_TRUE(gui.OnChar('x'));
    EXPECT_FALSE(gui.OnChar(0x416));
    EXPECT_EQ(edit->GetText(), "x");
    EXPECT_EQ(lower->characters, (std::vector<intptr_t>{0x416}));
}

TEST_F(EditSysTest, SetText_OnlyPassesTheTextAndKeepsNoKey)
{
    edit->SetText("[Name]", 0);
    EXPECT_EQ(edit->GetText(), "[Name]");
    EXPECT_EQ(edit->GetTextKey(), "");
    EXPECT_STREQ(edit->GetClassName(), "cEditSysCtrl");
}

TEST_F(EditSysTest, Caret_ShowsOnlyInTheBlinkPhaseWhileFocused)
{
    EXPECT_FALSE(edit->ShowsCaret());
    window->SetFocus(edit);
    EXPECT_EQ(gui.CaretBlink(), edit->ShowsCaret());
    for (int i = 0; i < 16 && !gui.CaretBlink(); ++i) gui.Update(kStep);
    ASSERT_TRUE(gui.CaretBlink());
    EXPECT_TRUE(edit->ShowsCaret());
    window->SetFocus(nullptr);
    EXPECT_FALSE(edit->ShowsCaret());
}

}  // namespace
