// The loading window's function: the pictures it finds, the round of pictures over
// successive loading screens, their in-use marks, and the progress dial.
#include "framework/widgets/loading_wf.h"

#include "engine/gui/image_ctrl.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class LoadingWfTest : public test::DialogTest {
protected:
    void WriteSystemPictures(int pictureCount)
    {
        WritePicture("texture/system/loading_base.png");
        WritePicture("texture/system/loading_progress.png");
        for (int i = 0; i < pictureCount; ++i) WritePicture("texture/system/loading_image" + std::to_string(i) + ".png");
    }
    void MakeWindow()
    {
        auto function = std::make_unique<cLoadingWF>();
        loading = function.get();
        window = AddWindow("loading", std::move(function));
        image = new vrk::cImageCtrl(window, "image");
        progress = new vrk::cProgressBarSysCtrl(window, "progress");
        loading->OnEvent(window, vrk::kWndFilled, 0, 0);
    }
    bool InUse(const std::string& name) const
    {
        const vrk::TexturePtr texture = vrk::FindTexture(name);
        return texture && texture->inUse;
    }

    cLoadingWF* loading = nullptr;
    vrk::cWindow* window = nullptr;
    vrk::cImageCtrl* image = nullptr;
    vrk::cProgressBarSysCtrl* progress = nullptr;
};

TEST_F(LoadingWfTest, Created_CountsThePicturesFound)
{
    WriteSystemPictures(3);
    MakeWindow();
    EXPECT_EQ(loading->GetPictureCount(), 3);
    EXPECT_NE(vrk::FindTexture("loading_base"), nullptr);
    EXPECT_NE(vrk::FindTexture("loading_progress"), nullptr);
    EXPECT_EQ(vrk::FindTexture("loading_image3"), nullptr);
    EXPECT_TRUE(progress->IsCircular());
    EXPECT_EQ(loading->GetImage(), image);
}

TEST_F(LoadingWfTest, SuccessiveScreens_ShowThePicturesInTurn)
{
    WriteSystemPictures(3);
    MakeWindow();
    for (int expected : {0, 1, 2, 0}) {
        game->gui->ShowWindow("loading");
        const std::string picture = cLoadingWF::PictureName(expected);
        EXPECT_EQ(image->GetTexture(), vrk::FindTexture(picture)) << expected;
        EXPECT_TRUE(InUse(picture));
        EXPECT_TRUE(InUse("loading_base"));
        EXPECT_TRUE(InUse("loading_progress"));
        game->gui->CloseWindow("loading");
        EXPECT_FALSE(InUse(picture));
        EXPECT_FALSE(InUse("loading_base"));
    }
}

TEST_F(LoadingWfTest, NoPictures_ShowsNoneAndNeverWraps)
{
    WriteSystemPictures(0);
    MakeWindow();
    EXPECT_EQ(loading->GetPictureCount(), 0);
    game->gui->ShowWindow("loading");
    EXPECT_EQ(image->GetTexture(), nullptr);
    EXPECT_FALSE(image->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(loading->GetNextPicture(), 0);
    EXPECT_TRUE(InUse("loading_base"));
}

TEST_F(LoadingWfTest, WindowWithoutControls_StillOpensAndCloses)
{
    WriteSystemPictures(1);
    auto function = std::make_unique<cLoadingWF>();
    cLoadingWF* bare = function.get();
    vrk::cWindow* bareWindow = AddWindow("loading", std::move(function));
    bare->OnEvent(bareWindow, vrk::kWndFilled, 0, 0);
    game->gui->ShowWindow("loading");
    EXPECT_TRUE(InUse("loading_image0"));
    game->gui->AskCloseWindow("loading");  // the default handling closes at once
    EXPECT_FALSE(game->gui->IsWindowOpen("loading"));
    EXPECT_FALSE(InUse("loading_image0"));
}

}  // namespace
