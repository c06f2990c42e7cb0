// The table level "002" in the real game, through its windows: the talk clicked
// through, the HUD's counters and task rows, the level won by a player's clicks on
// house sites, nuggets, fields and trees, tick by tick, the finish window's counting
// and its way to the map; and the level lost, with the reason on the game-over
// window, a restart and the map.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/widgets/cup_ctrl.h"
#include "framework/widgets/face_ctrl.h"
#include "game/windows/finish_wf.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/game/support/level_tour.h"

namespace {

constexpr int kMaxTicks = 60000;
constexpr int32_t kKeyEnter = 13;
constexpr int32_t kKeyEscape = 27;

class LevelWinTest : public test::LevelTour {
protected:
    // House sites first, then the sources in turn, until the level ends.
    int PlayToEnd()
    {
        std::vector<cObject*> houses;
        std::vector<cObject*> sources;
        for (const char* name : {"house_0", "house_1", "house_2"}) houses.push_back(screen->FindObject(name, -1));
        for (const char* name : {"nugget_0", "field_a", "tree_0", "nugget_1", "field_b", "tree_1", "nugget_2",
                                 "tree_2", "nugget_3", "tree_3"}) {
            sources.push_back(screen->FindObject(name, -1));
        }
        size_t next = 0;
        int ticks = 0;
        for (; ticks < kMaxTicks && !screen->IsPaused(); ++ticks) {
            for (cObject* house : houses) {
                if (screen->Orders().empty() && dynamic_cast<cBuild*>(house)->GetLevel() < 0)
                    screen->OnObjectClick(house);
            }
            for (size_t tried = 0; screen->Orders().empty() && tried < sources.size(); ++tried) {
                screen->OnObjectClick(sources[next]);
                next = (next + 1) % sources.size();
            }
            Frame();
        }
        return ticks;
    }
    // Every worker without a way home: the blocked-workers check loses the level.
    bool LoseLevel()
    {
        ObjectList workers;
        screen->FindObjectsOfKind(workers, kTypeWorker, -1);
        for (cObject* worker : workers) worker->SetState(cWorker::kStateCutOff);
        for (int i = 0; i < 900 && !IsOpen("game_over"); ++i) Frame();
        return !workers.empty() && IsOpen("game_over");
    }
};

TEST_F(LevelWinTest, Level002_TalkHudAndFinishAlongAWin)
{
    StartLevel();
    // The wife speaks on the left, the hero answers on the right, mirrored.
    ASSERT_TRUE(IsOpen("talk"));
    EXPECT_TRUE(screen->IsPaused());
    EXPECT_EQ(Text("talk", "left_text"), vrk::FindText("Talk002_0"));
    EXPECT_FALSE(Shown("talk", "right_frame"));
    const auto* rightFace = dynamic_cast<cFaceCtrl*>(Control("talk", "right_face"));
    ASSERT_NE(rightFace, nullptr);
    EXPECT_TRUE(dynamic_cast<cFaceCtrl*>(Control("talk", "left_face"))->GetFaceSprite().IsSprite());
    EXPECT_TRUE(rightFace->GetFaceSprite().IsSprite());
    EXPECT_TRUE(rightFace->IsMirrored());
    Click(512, 384);
    Frame();
    EXPECT_EQ(Text("talk", "right_text"), vrk::FindText("Talk002_1"));
    EXPECT_FALSE(Shown("talk", "left_frame"));
    EXPECT_TRUE(screen->IsPaused());
    // The click on the last line ends the talk and is not a press on the level.
    MoveMouse(512, 384);
    PressMouse(0, 512, 384);
    EXPECT_FALSE(screen->IsPaused());
    EXPECT_EQ(screen->GetInputFlags() & kInputLeftHeld, 0u);
    ReleaseMouse(0, 512, 384);
    Frames(3);
    EXPECT_FALSE(IsOpen("talk"));
    ASSERT_TRUE(IsOpen("level"));

    // The HUD follows the stock and shows the two tasks; the third row is empty.
    Frames(6);
    const char* stock[] = {"wood", "food", "money", "mana"};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(Text("level", stock[i]), std::to_string(screen->Stock().At(i)));
    EXPECT_EQ(Text("level", "label_task00"), "x5");
    EXPECT_EQ(Text("level", "label_task10"), "x250");
    EXPECT_EQ(Text("level", "label_task11"),
              vrk::FormatStdString(vrk::FindText("TaskRemain"), vrk::FormatArg::FromInt(250 - screen->Stock().At(2))));
    EXPECT_TRUE(Shown("level", "image_task1"));
    EXPECT_FALSE(Shown("level", "image_task2"));

    ASSERT_LT(PlayToEnd(), kMaxTicks);
    for (const TaskRecord& task : screen->Tasks().records) EXPECT_TRUE(task.done) << task.id;
    Frames(2);
    ASSERT_TRUE(IsOpen("finish"));
    const PlayerLevelRecord& record = player->levelRecords[kLevelIndex];
    EXPECT_EQ(record.plays, 1u);
    EXPECT_GE(record.state, static_cast<uint32_t>(kLevelBronze));
    // Opening credits the score and opens the next level.
    const int32_t score = screen->GetScore();
    EXPECT_EQ(player->totalScore, static_cast<uint32_t>(score));
    EXPECT_EQ(player->currentLevel, kLevelIndex + 1);
    EXPECT_EQ(player->levelRecords[kLevelIndex + 1].state, static_cast<uint32_t>(kLevelOpen));

    // Time, resources, buildings and score counted up, each in about a second.
    Frames(5 * 30);
    EXPECT_EQ(Handler<cFinishWF>("finish")->GetPhase(), cFinishWF::kPhaseScore);
    const auto seconds = static_cast<int32_t>(screen->GetLevelTime());
    char clock[16];
    std::snprintf(clock, sizeof(clock), "%02i:%02i", seconds / 60, seconds % 60);
    EXPECT_EQ(Text("finish", "vals"), std::string(clock) + "\n" + std::to_string(screen->GetResourceTotal()) + "\n" +
                                          std::to_string(screen->GetBuildCount()));
    EXPECT_EQ(Text("finish", "score"), vrk::FindText("finishScore") + " " + std::to_string(score));
    const auto* cup = dynamic_cast<cCupCtrl*>(Control("finish", "cup"));
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(cup->GetMedal(), static_cast<uint32_t>(kLevelGold - record.state));
    PressKey(kKeyEnter);
    Frames(2);
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(LevelWinTest, Level002_LostShowsTheReasonRestartsAndLeavesForTheMap)
{
    StartLevel();
    // Esc ends the talk at once and opens no escape menu.
    PressKey(kKeyEscape);
    EXPECT_FALSE(screen->IsPaused());
    Frames(3);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_TRUE(IsOpen("level"));

    ASSERT_TRUE(LoseLevel());
    EXPECT_FALSE(IsOpen("finish"));
    EXPECT_EQ(Text("game_over", "text"), vrk::FindText("GameOver_WorkersBlocked"));
    EXPECT_EQ(player->totalScore, 0u);
    // Enter restarts: the level begins again with its talk.
    PressKey(kKeyEnter);
    Frame();
    EXPECT_FALSE(IsOpen("game_over"));
    Frames(test::kSceneTicks);
    EXPECT_TRUE(IsOpen("talk"));
    EXPECT_EQ(screen->GetLevelTime(), 0.0f);

    PressKey(kKeyEscape);
    ASSERT_TRUE(LoseLevel());
    EXPECT_EQ(player->levelRecords[kLevelIndex].plays, 2u);
    PressKey(kKeyEscape);
    Frames(2);
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(NoWarning()) << WarningText();
}

}  // namespace
