// The finish window over the table level "002", opened as the level's end opens it
// and driven with window events: the four counting phases at 33 ms updates, the cup
// by medal, "close" twice, a level time and totals of 0, the player's score and next
// level at each opening, and the screen after each chapter's last level.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/files/path_macros.h"
#include "engine/text/text_table.h"
#include "framework/widgets/cup_ctrl.h"
#include "game/windows/finish_wf.h"
#include "tests/game/support/level_tour.h"

namespace {

constexpr uint32_t kUpdateMs = 33;
constexpr int32_t kKeySpace = 32;
constexpr int kEnoughUpdates = 200;

class FinishWFTest : public test::LevelTour {
protected:
    void SetUp() override
    {
        LevelTour::SetUp();
        StartLevel();
        if (HasFatalFailure()) return;
        finish = Handler<cFinishWF>("finish");
        ASSERT_NE(finish, nullptr);
        cup = dynamic_cast<cCupCtrl*>(Control("finish", "cup"));
        ASSERT_NE(cup, nullptr);
    }

    void SetResult(float levelTime, float timeLimit, int32_t resources, int32_t builds)
    {
        screen->levelTime = levelTime;
        screen->timeLimit = timeLimit;
        screen->resourceTotal = resources;
        screen->builds = builds;
    }
    void Open() { app->ShowWindow("finish", 0); }
    void CloseWindow() { game->gui->CloseWindow("finish"); }
    // Updates until the phase changes; how many it took.
    int UpdatesInPhase()
    {
        const int32_t phase = finish->GetPhase();
        int count = 0;
        while (count < kEnoughUpdates && finish->GetPhase() == phase) {
            Send("finish", vrk::kWndUpdate, kUpdateMs);
            ++count;
        }
        return count;
    }
    std::string ScoreLine(int32_t score) const { return vrk::FindText("finishScore") + " " + std::to_string(score); }

    cFinishWF* finish = nullptr;
    cCupCtrl* cup = nullptr;
};

TEST_F(FinishWFTest, Opening_CountsTimeResourcesBuildsAndScoreInTurn)
{
    SetResult(90.0f, 200.0f, 40, 3);
    const int32_t score = screen->GetScore();
    Open();
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseTime);
    EXPECT_EQ(Text("finish", "vars"), vrk::FindText("finishTime") + "\n" + vrk::FindText("finishResources") + "\n" +
                                          vrk::FindText("finishBuilds"));
    EXPECT_EQ(Text("finish", "score"), ScoreLine(0));
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));

    Send("finish", vrk::kWndUpdate, 500);
    EXPECT_EQ(Text("finish", "vals"), "00:45\n0\n0");
    // The rest of the time's second (16 updates of 33 ms), then the cup.
    EXPECT_EQ(UpdatesInPhase(), 16);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseResources);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(cup->GetMedal(), static_cast<uint32_t>(cCupCtrl::kGold));
    EXPECT_EQ(Text("finish", "vals"), "01:30\n0\n0");
    EXPECT_EQ(UpdatesInPhase(), 31);
    EXPECT_EQ(Text("finish", "vals"), "01:30\n40\n0");
    // Five buildings a second: three take 0.6 s.
    EXPECT_EQ(UpdatesInPhase(), 19);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    EXPECT_EQ(Text("finish", "vals"), "01:30\n40\n3");
    for (int i = 0; i < 15; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    const int32_t halfway = finish->GetScoreCounter().current;
    EXPECT_GT(halfway, 0);
    EXPECT_LT(halfway, score);
    EXPECT_EQ(Text("finish", "score"), ScoreLine(halfway));
    for (int i = 0; i < 20; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(Text("finish", "score"), ScoreLine(score));
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);

    // The cup goes with the window.
    CloseWindow();
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));
}

TEST_F(FinishWFTest, Cup_ByMedalAndNoneWithoutATimeLimit)
{
    const struct {
        float levelTime;
        float timeLimit;
        bool shown;
        cCupCtrl::Medal kind;
    } cases[] = {
        {100.0f, 200.0f, true, cCupCtrl::kGold},
        {180.0f, 200.0f, true, cCupCtrl::kSilver},
        {260.0f, 200.0f, true, cCupCtrl::kBronze},
        {100.0f, 0.0f, false, cCupCtrl::kGold},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.levelTime / (entry.timeLimit > 0.0f ? entry.timeLimit : 1.0f));
        SetResult(entry.levelTime, entry.timeLimit, 5, 1);
        Open();
        for (int i = 0; i < 40; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
        ASSERT_GE(finish->GetPhase(), cFinishWF::kPhaseResources);
        EXPECT_EQ(cup->HasFlag(vrk::kCtrlShown), entry.shown);
        if (entry.shown) EXPECT_EQ(cup->GetMedal(), static_cast<uint32_t>(entry.kind));
        CloseWindow();
    }
}

TEST_F(FinishWFTest, Close_FirstCompletesTheCountThenLeavesAndSavesTheProfile)
{
    SetResult(90.0f, 200.0f, 40, 3);
    const std::filesystem::path profile = vrk::ExpandPathMacros(player->GetFilePath());
    std::filesystem::remove(profile);
    Open();
    Frame();
    // Opening writes nothing.
    EXPECT_FALSE(std::filesystem::exists(profile));
    EXPECT_EQ(Press("finish", "close"), 1);
    EXPECT_EQ(Focused(), "level");
    EXPECT_FALSE(std::filesystem::exists(profile));
    EXPECT_EQ(finish->GetScoreCounter().current, screen->GetScore());
    // One phase per update from here, the cup on the way.
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    EXPECT_EQ(Text("finish", "vals"), "01:30\n40\n3");
    // Space presses "close" again: now the level is left and the profile written.
    Send("finish", vrk::kWndKeyDown, kKeySpace);
    Frame();
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(std::filesystem::exists(profile));
}

TEST_F(FinishWFTest, ZeroTimeAndTotals_ShowZerosAndLeaveAtTheFirstClose)
{
    SetResult(0.0f, 0.0f, 0, 0);
    ASSERT_EQ(screen->GetScore(), 0);
    Open();
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseResources);
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    EXPECT_EQ(Text("finish", "vals"), "00:00\n0\n0");
    EXPECT_EQ(Text("finish", "score"), ScoreLine(0));
    EXPECT_EQ(Press("finish", "close"), 1);
    EXPECT_EQ(Focused(), "map");
}

TEST_F(FinishWFTest, EachOpening_CreditsTheScoreAndOpensTheNextLevelThePlayerHas)
{
    SetResult(90.0f, 200.0f, 40, 3);
    const auto score = static_cast<uint32_t>(screen->GetScore());
    ASSERT_GE(player->levelRecords.size(), 40u);
    player->levelRecords[3].state = kLevelClosed;
    Open();
    EXPECT_EQ(player->totalScore, score);
    EXPECT_EQ(player->currentLevel, 3u);
    EXPECT_EQ(player->levelRecords[3].state, static_cast<uint32_t>(kLevelOpen));
    CloseWindow();

    // A replay adds again; a level already won keeps its medal.
    player->currentLevel = 2;
    player->levelRecords[3].state = kLevelSilver;
    Open();
    EXPECT_EQ(player->totalScore, 2 * score);
    EXPECT_EQ(player->currentLevel, 3u);
    EXPECT_EQ(player->levelRecords[3].state, static_cast<uint32_t>(kLevelSilver));
    CloseWindow();

    // After the last level there is none to open.
    player->currentLevel = 39;
    Open();
    EXPECT_EQ(player->totalScore, 3 * score);
    EXPECT_EQ(player->currentLevel, 39u);
    CloseWindow();

    // A profile without a record for the next level keeps its current level.
    player->levelRecords.resize(3);
    player->currentLevel = 2;
    Open();
    EXPECT_EQ(player->currentLevel, 2u);
    EXPECT_EQ(player->levelRecords.size(), 3u);
}

TEST(FinishWFNextScreen, ChaptersEndWithTheirComicsAndOtherLevelsWithTheMap)
{
    EXPECT_EQ(cFinishWF::NextScreen("034"), "comics3");
    EXPECT_EQ(cFinishWF::NextScreen("022"), "comics2");
    EXPECT_EQ(cFinishWF::NextScreen("023"), "comics1");
    EXPECT_EQ(cFinishWF::NextScreen("002"), "map");
    EXPECT_EQ(cFinishWF::NextScreen("039"), "map");
}

}  // namespace
