// The options window in the real game: the volumes its sliders set and the
// settings file keeps, the feedback sound, the full-screen switch, the hints of
// whichever player is logged on, and the language button without a language window.
#include "game/menus/options_wf.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/files/text_file.h"
#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/platform/shell_state.h"
#include "engine/sound/sound.h"
#include "engine/sound/sound_manager.h"
#include "framework/app/middle.h"
#include "tests/game/support/menu_tour.h"

namespace {

// Audio frames mixed per step while a sound plays out.
constexpr size_t kMixStep = 512;
constexpr int kMaxMixSteps = 4000;

class OptionsWfTest : public test::MenuTour {
protected:
    void SetUp() override
    {
        MenuTour::SetUp();
        StartNamed();
        ClickControl("menu", "btOptions");
        ASSERT_TRUE(IsOpen("options"));
        options = Handler<cOptionsWF>("options");
        ASSERT_NE(options, nullptr);
    }
    void TearDown() override
    {
        vrk::Shell().fullScreen = 0;
        QuitPosted();
        MenuTour::TearDown();
    }
    bool FeedbackPlaying() const
    {
        const vrk::cSound* typing = options->GetTypingSound();
        return typing != nullptr && vrk::GetSoundManager()->Audio().State(typing->GetChannel()) ==
                                        port::ChannelState::kPlaying;
    }
    // Mixes the output on; answers the steps mixed until the feedback ended (or all).
    int Mix(int steps)
    {
        std::vector<float> buffer(kMixStep * 2);
        for (int i = 0; i < steps; ++i) {
            if (!FeedbackPlaying()) return i;
            vrk::GetSoundManager()->Audio().Render(buffer.data(), kMixStep);
        }
        return steps;
    }
    bool Checked(const char* name) const { return Control<vrk::cCheckBoxSysCtrl>("options", name)->IsChecked(); }

    cOptionsWF* options = nullptr;
};

TEST_F(OptionsWfTest, Volumes_FollowTheSlidersAndAreWrittenToTheSettings)
{
    DragSlider("options", "slSound", 0.25f);
    DragSlider("options", "slMusic", 0.75f);
    EXPECT_NEAR(vrk::GetSoundVolume(), 0.25f, 0.02f);
    EXPECT_NEAR(vrk::GetMusicVolume(), 0.75f, 0.02f);

    app->SaveSettings();
    std::string settings;
    ASSERT_EQ(vrk::ReadTextFile(settings, cMiddle::kSettingsPath), 0);
    EXPECT_NE(settings.find("soundVolume=0.2"), std::string::npos) << settings;
    EXPECT_NE(settings.find("musicVolume=0.7"), std::string::npos) << settings;

    // The next opening shows the volumes as they are.
    ClickControl("options", "btBack");
    ClickControl("menu", "btOptions");
    EXPECT_NEAR(Control<vrk::cSliderCtrl>("options", "slSound")->GetValue(), vrk::GetSoundVolume(), 0.001f);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(OptionsWfTest, FeedbackSound_StartsAgainOnlyOnceThePreviousHasEnded)
{
    // The first name was typed before: the edit field's typing sounds took the
    // sample's channels over, and the feedback still plays.
    DragSlider("options", "slSound", 0.9f);
    ASSERT_TRUE(FeedbackPlaying());
    const int length = Mix(kMaxMixSteps);
    ASSERT_LT(length, kMaxMixSteps);
    ASSERT_GT(length, 2);

    // A second move halfway through leaves the playing sound alone: it ends when
    // the first would have.
    DragSlider("options", "slSound", 0.5f);
    Mix(length / 2);
    DragSlider("options", "slSound", 0.8f);
    EXPECT_LT(Mix(length), length / 2 + 2);
    EXPECT_FALSE(FeedbackPlaying());

    DragSlider("options", "slSound", 0.6f);
    EXPECT_TRUE(FeedbackPlaying());
}

TEST_F(OptionsWfTest, WindowedBox_SwitchesToFullScreen)
{
    ASSERT_EQ(vrk::Shell().fullScreen, 0);
    EXPECT_FALSE(Checked("cbWindowed"));
    ClickControl("options", "cbWindowed");
    EXPECT_TRUE(Checked("cbWindowed"));
    EXPECT_EQ(vrk::Shell().fullScreen, 1);
}

TEST_F(OptionsWfTest, HintsBox_ShowsAndSetsTheLoggedOnPlayersHints)
{
    cPlayerBase* ann = app->GetActivePlayer();
    ASSERT_TRUE(ann->hintsEnabled);
    EXPECT_TRUE(Checked("cbHints"));
    ClickControl("options", "cbHints");
    EXPECT_FALSE(ann->hintsEnabled);
    const std::string annId = ann->GetId();

    ClickControl("options", "btBack");
    app->LogonPlayer(app->AddPlayer("Bea"));
    ClickControl("menu", "btOptions");
    EXPECT_TRUE(Checked("cbHints"));

    ClickControl("options", "btBack");
    app->LogonPlayer(annId);
    ClickControl("menu", "btOptions");
    EXPECT_FALSE(Checked("cbHints"));
}

TEST_F(OptionsWfTest, LanguageButton_OpensTheLanguageWindowOnlyWhenOneIsRegistered)
{
    // The script has no language button; a window that has one reaches the handler.
    vrk::cWindow* window = game->gui->FindWindow("options");
    new vrk::cButtonSysCtrl(window, "btLang");
    PostClick(window, "btLang");
    Settle();
    EXPECT_TRUE(IsOpen("options"));
    EXPECT_EQ(game->gui->OpenWindows().size(), 1u);
    EXPECT_TRUE(Logged("No 'locale' window"));

    game->gui->AddWindow("locale");
    PostClick(window, "btLang");
    Settle();
    EXPECT_TRUE(IsOpen("locale"));
    EXPECT_FALSE(IsOpen("options"));
    EXPECT_EQ(app->GetWindowContext(), 1);
}

}  // namespace
