// The menu screen: its scene loads from the application's copy of "menu.lvl" on
// every focus, and only the editor's save keeps an edit.
#include "framework/widgets/menu_base_widget.h"

#include <gtest/gtest.h>

#include "tests/framework/widgets/screen_fixtures.h"

namespace {

class MenuBaseWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        StartGame();
        vrk::cByteStream* stream = middle_.GetLevelFiles().GetMenuStream();
        ASSERT_EQ(stream->LoadFromFile(KELVARA_SOURCE_DIR "/data/level/menu.lvl"), 0);
        original_ = stream->Bytes();
    }
    size_t ObjectCount() const
    {
        size_t count = 0;
        for (const ObjectList& layer : widget_.GetLayers()) count += layer.size();
        return count;
    }

    cMenuBaseWidget widget_;
    std::vector<uint8_t> original_;
};

TEST_F(MenuBaseWidgetTest, OnFocus_LoadsTheMenuSceneAndOpensTheMenuWindowInPlay)
{
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetLevelName(), "menu");
    ObjectList backs;
    EXPECT_EQ(widget_.FindObjectsOfKind(backs, kTypeBack, -1), 1u);
    EXPECT_EQ(widget_.GetMode(), kModeLoading);
    widget_.ShowGui();
    ASSERT_FALSE(middle_.windows.empty());
    EXPECT_EQ(middle_.windows.back().first, "menu");
}

TEST_F(MenuBaseWidgetTest, Unfocus_DropsAnUnsavedEdit)
{
    widget_.OnFocus();
    const size_t count = ObjectCount();
    widget_.CreateObject(kTypeDecor, 0);
    widget_.OnUnfocus();
    EXPECT_EQ(middle_.GetLevelFiles().GetMenuStream()->Bytes(), original_);
    widget_.OnFocus();
    EXPECT_EQ(ObjectCount(), count);
}

TEST_F(MenuBaseWidgetTest, Save_KeepsTheEditInTheStreamAndWritesTheFile)
{
    widget_.OnFocus();
    const size_t count = ObjectCount();
    widget_.CreateObject(kTypeDecor, 0);
    widget_.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_EQ(ObjectCount(), count + 1);
}

}  // namespace
