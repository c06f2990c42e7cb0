// The comics screen: pictures and texts handed to the scene's objects, paging by
// key and click, the end of the comics, the text colour from the tag and the
// editor's palette.
#include "framework/widgets/comics_base_widget.h"

#include <gtest/gtest.h>

#include "engine/platform/widget.h"
#include "framework/objects/comics_frame.h"
#include "framework/objects/comics_text.h"
#include "tests/framework/widgets/screen_fixtures.h"

namespace {

class RecordingComics : public cComicsBaseWidget {
public:
    void ClearSecondList() override { palette.clear(); }
    void AddSecondItem(const std::string& name, int32_t data, const std::string& image, int32_t /*flag*/) override
    {
        palette.push_back(name + "|" + std::to_string(data) + "|" + image);
    }
    std::vector<std::string> palette;
};

class ComicsBaseWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        StartGame();
        for (const char* sprite : {"page_a", "page_b", "page_c"}) test::RegisterTestSprite(sprite, 1, 0.0f);
        WriteScene(*middle_.GetLevelFiles().GetComicsStream(), "comics",
                   {{kTypeComicsFrame, "frame"}, {kTypeComicsText, "text"}});
        widget_.SetComics("page_a;page_b;page_c", "comics_font", "key_a;key_b", "map");
        widget_.OnFocus();
    }
    void Press(int32_t kind, uintptr_t param) { widget_.OnPlayEvent(static_cast<uint32_t>(kind), param); }

    RecordingComics widget_;
};

TEST_F(ComicsBaseWidgetTest, LinkObjects_HandsPicturesAndPagesToTheObjects)
{
    ASSERT_NE(widget_.GetFrameObject(), nullptr);
    ASSERT_NE(widget_.GetTextObject(), nullptr);
    EXPECT_EQ(widget_.GetFrameObject()->GetAnimationKey(), "0");
    EXPECT_EQ(widget_.GetTextObject()->GetPages(), (std::vector<std::string>{"key_a", "key_b"}));
    EXPECT_EQ(widget_.GetTextObject()->GetPageIndex(), 0u);
}

TEST_F(ComicsBaseWidgetTest, Advance_ThirdAdvanceEndsAndTheTextStaysOnItsLastPage)
{
    Press(vrk::kWidgetKeyDown, cComicsBaseWidget::kEnterKey);
    EXPECT_EQ(widget_.GetFrameObject()->GetAnimationKey(), "1");
    EXPECT_EQ(widget_.GetTextObject()->GetPageIndex(), 1u);
    Press(vrk::kWidgetButtonDown, 0);
    EXPECT_EQ(widget_.GetFrameObject()->GetAnimationKey(), "2");
    EXPECT_EQ(widget_.GetTextObject()->GetPageIndex(), 1u);
    EXPECT_TRUE(middle_.comics.empty());
    Press(vrk::kWidgetKeyDown, cComicsBaseWidget::kSpaceKey);
    ASSERT_EQ(middle_.comics.size(), 1u);
    EXPECT_EQ(middle_.comics[0], (std::pair<std::string, std::string>{"map", "comics"}));
}

TEST_F(ComicsBaseWidgetTest, OtherKeysDoNotAdvanceAndEscapeEndsAtOnce)
{
    Press(vrk::kWidgetKeyDown, 'A');
    EXPECT_EQ(widget_.GetFrameObject()->GetAnimationKey(), "0");
    Press(vrk::kWidgetKeyDown, cComicsBaseWidget::kEscapeKey);
    EXPECT_EQ(middle_.comics.size(), 1u);
}

TEST_F(ComicsBaseWidgetTest, Refocus_StartsAgainFromTheFirstPage)
{
    Press(vrk::kWidgetKeyDown, cComicsBaseWidget::kEnterKey);
    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetFrameObject()->GetAnimationKey(), "0");
    EXPECT_EQ(widget_.GetTextObject()->GetPageIndex(), 0u);
}

TEST_F(ComicsBaseWidgetTest, ClearLevel_ForgetsBothObjects)
{
    widget_.ClearLevel();
    EXPECT_EQ(widget_.GetFrameObject(), nullptr);
    EXPECT_EQ(widget_.GetTextObject(), nullptr);
    // Without a frame only Escape ends the comics.
    Press(vrk::kWidgetButtonDown, 0);
    EXPECT_TRUE(middle_.comics.empty());
}

TEST_F(ComicsBaseWidgetTest, EditorCommands_PaletteAndSave)
{
    widget_.OnGuiEvent(0, "second", 0);
    EXPECT_EQ(widget_.palette, (std::vector<std::string>{"editor_info|15|", "editor_text|16|",
                                                         "comics_base|2|simple=comics_base"}));
    widget_.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
    // No script registered a "comics" window here: none is asked for.
    widget_.ShowGui();
    EXPECT_TRUE(middle_.windows.empty());
}

TEST(ComicsTextTest, SetSprite_ThreeNumbersInTheTagColourTheText)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"255;0;0", 0xFFFF0000u}, {"1;2;3", 0xFF010203u}, {"256;0;511", 0xFF0000FFu}};
    for (const auto& [tag, color] : cases) {
        cComicsText text(nullptr);
        text.SetText(tag);
        text.SetSprite("");
        EXPECT_EQ(text.GetColor(), color) << tag;
    }
    cComicsText twoNumbers(nullptr);
    twoNumbers.SetText("255;0");
    twoNumbers.SetSprite("");
    EXPECT_EQ(twoNumbers.GetColor(), cObject::kWhite);
}

TEST(ComicsFrameTest, GetFrameRect_WithoutAPictureIsA512Square)
{
    cComicsFrame frame(nullptr);
    frame.SetPosition(512.0f, 400.0f);
    Rect rect;
    frame.GetFrameRect(rect, -1);
    EXPECT_FLOAT_EQ(rect.x, 256.0f);
    EXPECT_FLOAT_EQ(rect.y, 144.0f);
    EXPECT_FLOAT_EQ(rect.width, 512.0f);
    EXPECT_EQ(frame.OnMessage(kMessageComicAdvance, 0), 1);
}

}  // namespace
