// The edit base: typing within the maximum length, refused characters, Backspace over
// multi-byte characters, Enter, losing the focus, the typing sound, and a selected
// text that typing replaces.
#include "engine/gui/edit_ctrl.h"

#include <gtest/gtest.h>

#include <utility>

#include "port/window/virtual_keys.h"
#include "tests/engine/gui/gui_test_support.h"

namespace {

using Lines = std::vector<std::string>;

// An edit control that keeps its text, as the drawn edit field does.
class TextEdit : public vrk::cEditCtrl {
public:
    explicit TextEdit(vrk::cWindow* window) : vrk::cEditCtrl(window, "edit") {}
    std::string GetText() const override { return text; }
    void SetText(const std::string& value, int32_t) override { text = value; }
    std::string text;
};

class EditCtrlTest : public test::GuiCoreTest {
protected:
    void SetUp() override
    {
        GuiCoreTest::SetUp();
        window = Open("w", 0, false, true);
        edit = new TextEdit(window);
    }
    // The window events the edit control queued, delivered now.
    Lines Posted()
    {
        seen.clear();
        gui().Update(0.0f);
        Lines posted;
        for (const auto& line : seen)
            if (line.rfind("w 2 ", 0) != 0) posted.push_back(line);
        return posted;
    }
    int TypingSounds() const { return CountLogged("sound buffer not found 'typing'"); }

    vrk::cWindow* window = nullptr;
    TextEdit* edit = nullptr;
};

TEST_F(EditCtrlTest, Base_HasNoTextIgnoresSetTextAndAllows256Characters)
{
    vrk::cEditCtrl plain(nullptr, "plain");
    plain.SetText("abc", 0);
    EXPECT_EQ(plain.GetText(), "");
    EXPECT_TRUE(plain.GetTextKey().empty());
    EXPECT_EQ(plain.GetMaxLength(), 256);
    EXPECT_STREQ(plain.GetClassName(), "cEditCtrl");
}

TEST_F(EditCtrlTest, Char_AppendsUtf8AndPostsTheChange)
{
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlChar, 'a', 0), 0);
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlChar, 0x00E9, 0), 0);
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlChar, 0x1F600, 0), 0);
    EXPECT_EQ(edit->text, "a\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(Posted(), (Lines{"w 50 0 0", "w 50 0 0", "w 50 0 0"}));
    EXPECT_EQ(TypingSounds(), 3);
}

TEST_F(EditCtrlTest, Char_FullFieldRefusesButStillPlaysTypingAndConsumes)
{
    edit->SetMaxLength(3);
    edit->text = "abc";
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlChar, 'd', 0), 0);
    EXPECT_EQ(edit->text, "abc");
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(TypingSounds(), 1);
}

class RefusedCharTest : public EditCtrlTest, public testing::WithParamInterface<int64_t> {};

TEST_P(RefusedCharTest, IsNotTypedButAnsweredAsConsumedWithTheSound)
{
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlChar, static_cast<intptr_t>(GetParam()), 0), 0);
    EXPECT_EQ(edit->text, "");
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(TypingSounds(), 1);
}

INSTANTIATE_TEST_SUITE_P(Characters, RefusedCharTest,
                         testing::Values(0x60, 0x7E, 0xA8, 0xB8,     // kept out of names
                                         0x08, 0x0D, 0x09, 0x7F,     // control characters
                                         0xD800, 0xDFFF,             // lone surrogates
                                         0x110000, -1));             // no code point

TEST_F(EditCtrlTest, Backspace_RemovesTheWholeLastCharacter)
{
    edit->text = "a\xC3\xA9";
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kBack, 0), 0);
    EXPECT_EQ(edit->text, "a");
    EXPECT_EQ(Posted(), (Lines{"w 50 0 0"}));
    edit->text.clear();
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kBack, 0), 0);
    EXPECT_TRUE(Posted().empty());
}

TEST_F(EditCtrlTest, Backspace_AfterABrokenByteRemovesThatByte)
{
    edit->text = "ab\xC3";
    edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kBack, 0);
    EXPECT_EQ(edit->text, "ab");
}

TEST_F(EditCtrlTest, Keys_EnterPostsItsEventAndEveryKeyIsConsumed)
{
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kReturn, 0), 0);
    EXPECT_EQ(edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kLeft, 0), 0);
    EXPECT_EQ(Posted(), (Lines{"w 35 0 0"}));
    EXPECT_EQ(TypingSounds(), 0);
}

TEST_F(EditCtrlTest, SelectedText_IsReplacedByTypingEmptiedByBackspaceAndKeptByEnterOrACaretMove)
{
    edit->text = "Player";
    edit->SelectAll();
    // Shift before a capital, and Enter, leave the selection; the character replaces it.
    edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kShift, 0);
    edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kReturn, 0);
    EXPECT_EQ(edit->text, "Player");
    EXPECT_TRUE(edit->IsAllSelected());
    edit->OnEvent(vrk::kCtrlChar, 'V', 0);
    edit->OnEvent(vrk::kCtrlChar, 'e', 0);
    EXPECT_EQ(edit->text, "Ve");
    EXPECT_FALSE(edit->IsAllSelected());
    EXPECT_EQ(Posted(), (Lines{"w 35 0 0", "w 50 0 0", "w 50 0 0"}));

    edit->SelectAll();
    edit->OnEvent(vrk::kCtrlKeyDown, port::vk::kBack, 0);
    EXPECT_EQ(edit->text, "");
    EXPECT_EQ(Posted(), (Lines{"w 50 0 0"}));
    // A refused character leaves the selection, and the text, as they were.
    edit->text = "Player";
    edit->SelectAll();
    edit->OnEvent(vrk::kCtrlChar, 0x60, 0);
    EXPECT_TRUE(edit->IsAllSelected());

    // Home, End, an arrow or a press on the field puts the caret after the text.
    const std::pair<int32_t, intptr_t> moves[] = {{vrk::kCtrlKeyDown, port::vk::kHome},
                                                  {vrk::kCtrlKeyDown, port::vk::kEnd},
                                                  {vrk::kCtrlKeyDown, port::vk::kLeft},
                                                  {vrk::kCtrlKeyDown, port::vk::kRight},
                                                  {vrk::kCtrlLeftDown, 0}};
    for (const auto& [code, key] : moves) {
        edit->text = "Player";
        edit->SelectAll();
        edit->OnEvent(code, key, 0);
        EXPECT_FALSE(edit->IsAllSelected()) << code << " " << key;
        edit->OnEvent(vrk::kCtrlChar, 'V', 0);
        EXPECT_EQ(edit->text, "PlayerV") << code << " " << key;
    }
}

TEST_F(EditCtrlTest, FocusLost_PostsItsEvent)
{
    window->SetFocus(edit);
    window->SetFocus(nullptr);
    EXPECT_EQ(Posted(), (Lines{"w 52 0 0"}));
}

TEST_F(EditCtrlTest, TypingThroughTheWindow_ReachesTheFocusedField)
{
    window->SetFocus(edit);
    EXPECT_TRUE(gui().OnChar('x'));
    EXPECT_TRUE(gui().OnKey(port::vk::kBack));
    EXPECT_EQ(edit->text, "");
}

}  // namespace
