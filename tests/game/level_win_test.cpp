// The table level "002" (five workers, 250 money) in the real game, through its
// windows: the talk clicked through line by line, the HUD's counters and task rows,
// the level played to its win by a player's clicks on house sites, nuggets, fields
// and trees, tick by tick, the finish window's counting and its way to the map; and
// the level lost, with the reason on the game-over window, a restart and the map.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/text/text_format.h"
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
constexpr int32_t kLeftButton = 0;

class LevelWinTest : public test::LevelTour {
protected:
    bool Shown(const std::string& window, const std::string& control) const
    {
        const vrk::cCtrl* found = Control(window, control);
        return found != nullptr && found->HasFlag(vrk::kCtrlShown);
    }

    // Clicks on house sites first, then on the sources in turn, until the level ends.
    int PlayToWin()
    {
        std::vector<cObject*> houses;
        std::vector<cObject*> sources;
        for (const char* name : {"house_0", "house_1", "house_2"}) houses.push_back(screen->FindObject(name, -1));
        for (const char* name : {"nugget_0", "field_a", "tree_0", "nugget_1", "field_b", "tree_1", "nugget_2",
                                 "tree_2", "nugget_3", "tree_3"}) {
            sources.push_back(screen->FindObject(name, -1));
        }
        for (cObject* object : houses) EXPECT_NE(object, nullptr);
        for (cObject* object : sources) EXPECT_NE(object, nullptr);
        size_t next = 0;
        int ticks = 0;
        while (ticks < kMaxTicks && !screen->IsPaused()) {
            if (screen->Orders().empty()) {
                bool queued = false;
                for (cObject* house : houses) {
                    if (dynamic_cast<cBuild*>(house)->GetLevel() >= 0) continue;
                    queued = screen->OnObjectClick(house) == 0 && !screen->Orders().empty();
                    if (queued) break;
                }
                for (size_t tried = 0; !queued && tried < sources.size(); ++tried) {
                    cObject* source = sources[next];
                    next = (next + 1) % sources.size();
                    queued = screen->OnObjectClick(source) == 0 && !screen->Orders().empty();
                }
            }
            Frame();
            ++ticks;
        }
        return ticks;
    }

    // Every worker left without a way home: the blocked-workers check loses the level.
    void CutOffWorkers()
    {
        ObjectList workers;
        screen->FindObjectsOfKind(workers, kTypeWorker, -1);
        ASSERT_FALSE(workers.empty());
        for (cObject* worker : workers) worker->SetState(cWorker::kStateCutOff);
    }
    bool FramesUntilOpen(const std::string& window, int limit)
    {
        for (int i = 0; i < limit && !IsOpen(window); ++i) Frame();
        return IsOpen(window);
    }
};

TEST_F(LevelWinTest, Level002_TalkHudAndFinishAlongAWin)
{
    StartLevel();
    ASSERT_EQ(screen->Tasks().records.size(), 2u);

    // The talk: the wife speaks on the left, the hero answers on the right.
    ASSERT_TRUE(IsOpen("talk"));
    EXPECT_TRUE(screen->IsPaused());
    EXPECT_EQ(Text("talk", "left_text"), vrk::FindText("Talk002_0"));
    EXPECT_TRUE(Shown("talk", "left_frame"));
    EXPECT_FALSE(Shown("talk", "right_frame"));
    const auto* leftFace = dynamic_cast<cFaceCtrl*>(Control("talk", "left_face"));
    const auto* rightFace = dynamic_cast<cFaceCtrl*>(Control("talk", "right_face"));
    ASSERT_NE(leftFace, nullptr);
    ASSERT_NE(rightFace, nullptr);
    EXPECT_TRUE(leftFace->GetFaceSprite().IsSprite());
    EXPECT_TRUE(rightFace->GetFaceSprite().IsSprite());
    EXPECT_TRUE(rightFace->IsMirrored());
    Click(512, 384, kLeftButton);
    Frame();
    EXPECT_EQ(Text("talk", "right_text"), vrk::FindText("Talk002_1"));
    EXPECT_TRUE(Shown("talk", "right_frame"));
    EXPECT_FALSE(Shown("talk", "left_frame"));
    EXPECT_TRUE(screen->IsPaused());
    // The click on the last line ends the talk and stays the talk's: no press on the
    // level below.
    Click(512, 384, kLeftButton);
    EXPECT_FALSE(screen->IsPaused());
    EXPECT_EQ(screen->GetInputFlags() & kInputLeftHeld, 0u);
    Frames(3);
    EXPECT_FALSE(IsOpen("talk"));
    ASSERT_TRUE(IsOpen("level"));

    // The HUD follows the stock and shows the two tasks; the third row is empty.
    Frames(6);
    EXPECT_EQ(Text("level", "wood"), std::to_string(screen->Stock().At(0)));
    EXPECT_EQ(Text("level", "food"), std::to_string(screen->Stock().At(1)));
    EXPECT_EQ(Text("level", "money"), std::to_string(screen->Stock().At(2)));
    EXPECT_EQ(Text("level", "mana"), std::to_string(screen->Stock().At(3)));
    EXPECT_EQ(Text("level", "label_task00"), "x5");
    EXPECT_EQ(Text("level", "label_task10"), "x250");
    const TaskRecord& money = screen->Tasks().records[1];
    EXPECT_EQ(Text("level", "label_task11"),
              vrk::FormatStdString(vrk::FindText("TaskRemain"),
                                   vrk::FormatArg::FromInt(static_cast<int32_t>(money.target - money.current))));
    EXPECT_EQ(Text("level", "label_task20"), "");
    EXPECT_FALSE(Shown("level", "image_task2"));
    EXPECT_TRUE(Shown("level", "image_task0"));

    const int ticks = PlayToWin();
    ASSERT_LT(ticks, kMaxTicks) << "workers " << screen->Tasks().records[0].current << " money "
                                << screen->Tasks().records[1].current;
    for (const TaskRecord& task : screen->Tasks().records) EXPECT_TRUE(task.done) << task.id;
    Frames(2);
    ASSERT_TRUE(IsOpen("finish"));
    EXPECT_FALSE(IsOpen("game_over"));
    const PlayerLevelRecord& record = player->levelRecords[kLevelIndex];
    EXPECT_EQ(record.plays, 1u);
    EXPECT_GE(record.state, static_cast<uint32_t>(kLevelBronze));
    EXPECT_GT(record.bestTime, 0.0f);
    // The score is credited and the next level opened as the window opens.
    const int32_t score = screen->GetScore();
    EXPECT_EQ(player->totalScore, static_cast<uint32_t>(score));
    EXPECT_EQ(player->currentLevel, kLevelIndex + 1);
    EXPECT_EQ(player->levelRecords[kLevelIndex + 1].state, static_cast<uint32_t>(kLevelOpen));

    // Counting: time, resources, buildings, score, each in about a second.
    Frames(5 * 30);
    const auto* finish = Handler<cFinishWF>("finish");
    ASSERT_NE(finish, nullptr);
    EXPECT_EQ(finish->GetPhase(), cFinishWF::kPhaseScore);
    const auto seconds = static_cast<int32_t>(screen->GetLevelTime());
    char clock[16];
    std::snprintf(clock, sizeof(clock), "%02i:%02i", seconds / 60, seconds % 60);
    EXPECT_EQ(Text("finish", "vals"), std::string(clock) + "\n" + std::to_string(screen->GetResourceTotal()) + "\n" +
                                          std::to_string(screen->GetBuildCount()));
    EXPECT_EQ(Text("finish", "score"), vrk::FindText("finishScore") + " " + std::to_string(score));
    const auto* cup = dynamic_cast<cCupCtrl*>(Control("finish", "cup"));
    ASSERT_NE(cup, nullptr);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_EQ(cup->GetMedal(), static_cast<uint32_t>(kLevelGold - record.state));

    // Enter presses "close": the counting is over, so the game goes to the map.
    PressKey(kKeyEnter);
    Frames(2);
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(LevelWinTest, Level002_LostShowsTheReasonRestartsAndLeavesForTheMap)
{
    StartLevel();
    // Esc ends the talk at once and goes no further: no escape menu.
    PressKey(kKeyEscape);
    EXPECT_FALSE(screen->IsPaused());
    Frames(3);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_FALSE(IsOpen("talk"));
    EXPECT_TRUE(IsOpen("level"));

    CutOffWorkers();
    ASSERT_TRUE(FramesUntilOpen("game_over", 30 * 30));
    EXPECT_FALSE(IsOpen("finish"));
    EXPECT_EQ(Text("game_over", "text"), vrk::FindText("GameOver_WorkersBlocked"));
    EXPECT_EQ(player->levelRecords[kLevelIndex].plays, 1u);
    EXPECT_EQ(player->totalScore, 0u);

    // Enter restarts: the window goes and the level begins again with its talk.
    PressKey(kKeyEnter);
    Frame();
    EXPECT_FALSE(IsOpen("game_over"));
    Frames(test::kSceneTicks);
    EXPECT_TRUE(IsOpen("talk"));
    EXPECT_EQ(screen->GetLevelTime(), 0.0f);

    PressKey(kKeyEscape);
    Frames(3);
    CutOffWorkers();
    ASSERT_TRUE(FramesUntilOpen("game_over", 30 * 30));
    EXPECT_EQ(player->levelRecords[kLevelIndex].plays, 2u);
    // Esc leads to the map.
    PressKey(kKeyEscape);
    Frames(2);
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(NoWarning()) << WarningText();
}

}  // namespace
