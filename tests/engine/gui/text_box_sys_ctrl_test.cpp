// The text box: wrapping by words (or by characters for East-Asian locales), the
// block's vertical and each line's horizontal alignment, line boxes and strike flags.
#include "engine/gui/text_box_sys_ctrl.h"

#include <gtest/gtest.h>

#include "engine/gui/gui.h"
#include "engine/render/font.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

// With the test font, each of these words is 38 units wide and two do not fit in 60.
constexpr const char* kThreeLines = "aaaa bbbb cccc";

class TextBoxTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        box = new vrk::cTextBoxSysCtrl(window, "hint");
        box->SetRect(vrk::GuiRect{0.0f, 0.0f, 60.0f, 100.0f}, 0);
        box->SetFont("test");
    }
    vrk::cTextBoxSysCtrl* box = nullptr;
};

struct AlignCase {
    const char* name;
    uint32_t align;
    float firstLineX;
    float firstLineY;
};

class TextBoxAlignTest : public TextBoxTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(TextBoxAlignTest, ThreeLines_FirstLineOnTopOfTheBlock)
{
    box->SetAlign(GetParam().align, 0);
    box->SetText(kThreeLines, 0);
    ASSERT_EQ(box->GetLines(), (std::vector<std::string>{"aaaa", "bbbb", "cccc"}));
    const vrk::GuiRect first = box->GetLineRect(0);
    EXPECT_FLOAT_EQ(first.x, GetParam().firstLineX);
    EXPECT_FLOAT_EQ(first.y, GetParam().firstLineY);
    EXPECT_FLOAT_EQ(first.width, 38.0f);
    EXPECT_FLOAT_EQ(first.height, 16.0f);
    EXPECT_FLOAT_EQ(box->GetLineRect(2).y, first.y - 32.0f);
    EXPECT_EQ(box->GetTextRect(), (vrk::GuiRect{first.x, first.y - 32.0f, 38.0f, 48.0f}));
}

INSTANTIATE_TEST_SUITE_P(Aligns, TextBoxAlignTest,
                         ::testing::Values(AlignCase{"TopLeft", vrk::kAlignTop | vrk::kAlignLeft, 0.0f, 84.0f},
                                           AlignCase{"MiddleCenter", vrk::kAlignMiddle | vrk::kAlignCenter, 11.0f, 58.0f},
                                           AlignCase{"BottomRight", vrk::kAlignBottom | vrk::kAlignRight, 22.0f, 32.0f}),
                         [](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST_F(TextBoxTest, LineRectAndStrike_BeyondTheLinesAreZeroAndIgnored)
{
    box->SetText(kThreeLines, 0);
    EXPECT_EQ(box->GetLineRect(3), vrk::GuiRect{});
    box->SetLineStrike(1, 1);
    box->SetLineStrike(3, 1);
    EXPECT_EQ(box->GetLineStrike(1), 1);
    EXPECT_EQ(box->GetLineStrike(3), 0);
    // A shorter text keeps the flags of the first lines.
    box->SetText("aaaa bbbb", 0);
    EXPECT_EQ(box->GetLines().size(), 2u);
    EXPECT_EQ(box->GetLineStrike(1), 1);
    box->SetText(kThreeLines, 0);
    EXPECT_EQ(box->GetLineStrike(2), 0);
}

TEST_F(TextBoxTest, Move_MovesTheRectangleTheBlockAndEveryLine)
{
    box->SetAlign(vrk::kAlignTop, 0);
    box->SetText(kThreeLines, 0);
    box->Move(10.0f, -4.0f);
    EXPECT_EQ(box->GetRect(), (vrk::GuiRect{10.0f, -4.0f, 60.0f, 100.0f}));
    EXPECT_EQ(box->GetLineRect(0), (vrk::GuiRect{10.0f, 80.0f, 38.0f, 16.0f}));
    EXPECT_EQ(box->GetTextRect().y, 48.0f);
    EXPECT_STREQ(box->GetClassName(), "cTextBoxSysCtrl");
}

TEST_F(TextBoxTest, WithoutAFont_NothingIsLaidOut)
{
    auto* bare = new vrk::cTextBoxSysCtrl(window, "bare");
    bare->SetRect(vrk::GuiRect{0.0f, 0.0f, 60.0f, 100.0f}, 0);
    bare->SetText(kThreeLines, 0);
    EXPECT_TRUE(bare->GetLines().empty());
    bare->Draw();
}

class TextBoxLocaleTest : public test::CoreTest {};

TEST_F(TextBoxLocaleTest, EastAsianLocale_WrapsByCharacters)
{
    auto font = std::make_shared<vrk::cFont>();
    test::FillTestFont(*font);
    vrk::GetFontMap()["test"] = font;
    vrk::cWindow* window = game->gui->AddWindow("hint");
    auto* box = new vrk::cTextBoxSysCtrl(window, "hint");
    box->SetRect(vrk::GuiRect{0.0f, 0.0f, 35.0f, 100.0f}, 0);
    box->SetFont("test");
    box->SetText("abcdef", 0);
    EXPECT_EQ(box->GetLines(), (std::vector<std::string>{"abcdef"}));
    game->localeFlag = 1;
    box->SetText("abcdef", 0);
    EXPECT_EQ(box->GetLines(), (std::vector<std::string>{"abc", "def"}));
    vrk::GetFontMap().clear();
}

}  // namespace
