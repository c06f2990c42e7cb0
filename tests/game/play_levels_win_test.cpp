// Play levels won with the orders a plain player gives: from the committed level
// files, in the real game, the opening talk ended at once (EndTalk) and each order
// handed to the level screen as a click on the object would hand it
// (OnObjectClick: building sites first, then what blocks the way, then the sources
// in turn), one order whenever none waits, frame by frame until the level ends. No
// pointer input is sent. A level that only a careful player could win fails here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app/player_base.h"
#include "game/level/level_table.h"
#include "game/level/magic_widget.h"
#include "objects/barrier.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr int kMaxTicks = 30 * 60 * 12;

class PlayLevelsWinTest : public test::GameTour, public ::testing::WithParamInterface<int> {
protected:
    // What the player orders, most wanted first.
    static int Priority(cMagicWidget& screen, cObject* object)
    {
        if (object == static_cast<cObject*>(screen.home)) return -1;
        if (auto* build = dynamic_cast<cBuild*>(object)) {
            if (object->GetSprite() == "tower_enemy00") return -1;
            // Few workers at a time on a site, so the others keep the stock coming in.
            const int32_t crew = object->IsKindOf(kTypeTunnelBuild) ? 2 : 1;
            return build->GetLevel() < 0 && object->GetUsedPlaces() < crew ? 0 : -1;
        }
        if (object->IsKindOf(kTypeBarrier)) return object->GetState() == cBarrier::kStateCleared ? -1 : 1;
        if (object->IsKindOf(kTypeSource) || object->IsKindOf(kTypeField)) return 2;
        return -1;
    }

    // Plays the level of that index; true when it ended with a win.
    bool Play(int index, std::string& report)
    {
        cPlayerBase* player = app->GetActivePlayer();
        if (player == nullptr) return false;
        if (player->levelRecords.size() <= static_cast<size_t>(index)) player->levelRecords.resize(index + 1);
        player->currentLevel = static_cast<uint32_t>(index);
        auto* screen = Screen<cMagicWidget>("level");
        if (screen == nullptr) return false;
        app->ShowComics("level", "menu");
        Frames(test::kSceneTicks);
        screen->EndTalk();

        std::vector<cObject*> firsts;
        std::vector<cObject*> sources;
        ObjectList all;
        screen->FindObjectsOfKind(all, kTypeGameObject, -1);
        for (cObject* object : all) {
            const int priority = Priority(*screen, object);
            if (priority == 0 || priority == 1) firsts.push_back(object);
            if (priority == 2) sources.push_back(object);
        }
        size_t next = 0;
        int ticks = 0;
        while (ticks < kMaxTicks && !screen->IsPaused()) {
            if (screen->Orders().empty()) {
                bool queued = false;
                for (cObject* object : firsts) {
                    if (Priority(*screen, object) < 0) continue;
                    queued = screen->OnObjectClick(object) == 0 && !screen->Orders().empty();
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
        report = "after " + std::to_string(ticks / 30) + " s: '" + screen->gameOverText + "'";
        for (const TaskRecord& task : screen->Tasks().records) {
            report += " " + task.id + "=" + std::to_string(task.current);
        }
        // Wide margins: a plain player finishes within the rating time, two thirds of
        // the limit.
        const float ratingTime = LevelRows()[static_cast<size_t>(index)].ratingTime;
        return screen->IsPaused() && screen->gameOverText.empty() && screen->GetLevelTime() <= ratingTime;
    }
};

TEST_P(PlayLevelsWinTest, PlainPlayerWinsTheLevel)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    std::string report;
    EXPECT_TRUE(Play(GetParam(), report)) << report;
}

// The tutorial, the forest (1000 wood), the lighthouse behind the bandits' hills,
// the key altar (500 food paid as the work goes on) and the six houses.
INSTANTIATE_TEST_SUITE_P(Levels, PlayLevelsWinTest, ::testing::Values(0, 7, 8, 11, 13));

}  // namespace
