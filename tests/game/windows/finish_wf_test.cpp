// The finish window over the level "002", opened as the level's end opens it and
// driven with window events: the counting phases at 33 ms updates, the cup by medal,
// "close" twice, zero results, the player's score and next level at each opening,
// and the screen after each chapter's last level.
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

class FinishWFTest : public test::LevelTour {
protected:
    void SetUp() override
    {
        LevelTour::SetUp();
        StartLevel();
        finish = Handler<cFinishWF>("finish");
        cup = dynamic_cast<cCupCtrl*>(Control("finish", "cup"));
        ASSERT_NE(finish, nullptr);
        ASSERT_NE(cup, nullptr);
    }
    // Sets the level's results and opens the window over it.
    void Open(float levelTime, float timeLimit, int32_t resources, int32_t builds)
    {
        screen->levelTime = levelTime;
        screen->timeLimit = timeLimit;
        screen->resourceTotal = resources;
        screen->builds = builds;
        app->ShowWindow("finish", 0);
    }
    // Updates until the phase changes; how many it took.
    int UpdatesInPhase()
    {
        const int32_t phase = finish->GetPhase();
        int count = 0;
        for (; count < 200 && finish->GetPhase() == phase; ++count) Send("finish", vrk::kWndUpdate, kUpdateMs);
        return count;
    }
    std::string ScoreLine(int32_t score) const { return vrk::FindText("finishScore") + " " + std::to_string(score); }

    cFinishWF* finish = nullptr;
    cCupCtrl* cup = nullptr;
};

TEST_F(FinishWFTest, Opening_CountsTimeResourcesBuildsAndScoreInTurnAndShowsTheCupByMedal)
{
    Open(90.0f, 200.0f, 40, 3);
    EXPECT_EQ(Text("finish", "vars"), vrk::FindText("finishTime") + "\n" + vrk::FindText("finishResources") + "\n" +
                                          vrk::FindText("finishBuilds"));
    EXPECT_EQ(Text("finish", "score"), ScoreLine(0));
    Send("finish", vrk::kWndUpdate, 500);
    EXPECT_EQ(Text("finish", "vals"), "00:45\n0\n0");
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));
    // The rest of the time's second, then the cup; a second for the resources; five
    // buildings a second; then the score.
    EXPECT_EQ(UpdatesInPhase(), 16);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(UpdatesInPhase(), 31);
    EXPECT_EQ(Text("finish", "vals"), "01:30\n40\n0");
    EXPECT_EQ(UpdatesInPhase(), 19);
    EXPECT_EQ(Text("finish", "vals"), "01:30\n40\n3");
    for (int i = 0; i < 15; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_LT(finish->GetScoreCounter().current, screen->GetScore());
    EXPECT_EQ(Text("finish", "score"), ScoreLine(finish->GetScoreCounter().current));
    for (int i = 0; i < 20; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(Text("finish", "score"), ScoreLine(screen->GetScore()));
    game->gui->CloseWindow("finish");
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));

    // Medal 4 gold, 3 silver, 2 bronze; no time limit (medal 1) no cup.
    const struct {
        float levelTime, timeLimit;
        int32_t kind;
    } medals[] = {
        {100, 200, cCupCtrl::kGold}, {180, 200, cCupCtrl::kSilver}, {260, 200, cCupCtrl::kBronze}, {9, 0, -1}};
    for (const auto& medal : medals) {
        Open(medal.levelTime, medal.timeLimit, 5, 1);
        for (int i = 0; i < 40; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
        EXPECT_EQ(cup->HasFlag(vrk::kCtrlShown), medal.kind >= 0) << medal.levelTime;
        if (medal.kind >= 0) EXPECT_EQ(cup->GetMedal(), static_cast<uint32_t>(medal.kind));
        game->gui->CloseWindow("finish");
    }
}

TEST_F(FinishWFTest, Close_FirstCompletesTheCountThenLeavesAndSavesTheProfile)
{
    const std::filesystem::path profile = vrk::ExpandPathMacros(player->GetFilePath());
    std::filesystem::remove(profile);
    Open(90.0f, 200.0f, 40, 3);
    EXPECT_EQ(Press("finish", "close"), 1);
    EXPECT_EQ(finish->GetScoreCounter().current, screen->GetScore());
    // One phase per update from here, the cup on the way; opening wrote nothing.
    for (int i = 0; i < 3; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(Focused(), "level");
    EXPECT_FALSE(std::filesystem::exists(profile));
    Send("finish", vrk::kWndKeyDown, ' ');
    Frame();
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(std::filesystem::exists(profile));
}

TEST_F(FinishWFTest, ZeroResults_ShowZerosAndTheFirstCloseLeaves)
{
    Open(0.0f, 0.0f, 0, 0);
    for (int i = 0; i < 3; ++i) Send("finish", vrk::kWndUpdate, kUpdateMs);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    EXPECT_EQ(Text("finish", "vals"), "00:00\n0\n0");
    EXPECT_EQ(Text("finish", "score"), ScoreLine(0));
    EXPECT_EQ(Press("finish", "close"), 1);
    EXPECT_EQ(Focused(), "map");
}

TEST_F(FinishWFTest, EachOpening_CreditsTheScoreAndOpensTheNextLevelThePlayerHas)
{
    const struct {
        uint32_t current, nextState, expectedCurrent, expectedNextState;
        size_t records;
    } openings[] = {
        {2, kLevelClosed, 3, kLevelOpen, 40},     // the next level opens
        {2, kLevelSilver, 3, kLevelSilver, 40},   // a replay keeps the next level's medal
        {39, 0, 39, 0, 40},                       // none after the last level
        {2, kLevelClosed, 2, kLevelClosed, 3},    // no record for the next level
    };
    uint32_t credits = 0;
    for (const auto& opening : openings) {
        player->levelRecords.resize(opening.records);
        player->currentLevel = opening.current;
        if (opening.current + 1 < opening.records) player->levelRecords[opening.current + 1].state = opening.nextState;
        Open(90.0f, 200.0f, 40, 3);
        credits += static_cast<uint32_t>(screen->GetScore());
        EXPECT_EQ(player->totalScore, credits);
        EXPECT_EQ(player->currentLevel, opening.expectedCurrent);
        if (opening.current + 1 < opening.records)
            EXPECT_EQ(player->levelRecords[opening.current + 1].state, opening.expectedNextState);
        game->gui->CloseWindow("finish");
    }
    EXPECT_EQ(cFinishWF::NextScreen("034"), "comics3");
    EXPECT_EQ(cFinishWF::NextScreen("022"), "comics2");
    EXPECT_EQ(cFinishWF::NextScreen("023"), "comics1");
    EXPECT_EQ(cFinishWF::NextScreen("002"), "map");
}

}  // namespace
