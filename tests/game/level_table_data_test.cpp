// The level table against the shipped data tree, in the started game: every music
// name, ambience sound, task text and talk text that a level's set-up queues is
// there (a missing one only shows when that level is played).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "framework/objects/texture_info_ex.h"
#include "game/level/level_table.h"
#include "tests/game/support/game_tour.h"

namespace {

using LevelTableData = test::GameTour;

bool HasText(const std::string& key)
{
    const auto found = vrk::TextTable().find(key);
    return found != vrk::TextTable().end() && !found->second.empty();
}

TEST_F(LevelTableData, EveryNameALevelSetUpUsesIsInTheDataTree)
{
    StartGame();
    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    for (const char* name : {"ambi_forest", "ambi_rain", "start_game"}) {
        EXPECT_NE(sounds->FindSoundBuffer(name), 0) << "sound " << name;
    }

    std::set<std::string> taskKeys;
    size_t talkLines = 0;
    for (size_t level = 0; level < kLevelCount; ++level) {
        const LevelRow& row = LevelRows()[level];
        SCOPED_TRACE(row.id);
        EXPECT_NE(sounds->FindMusic(row.music), 0) << "music " << row.music;
        for (const char* key : LevelTaskKeys(level)) {
            if (key == nullptr) break;
            EXPECT_NE(FindLevelTask(key), nullptr) << key;
            taskKeys.insert(key);
        }
        const auto& speakers = LevelTalkSpeakers(level);
        for (size_t line = 0; line < speakers.size() && speakers[line] != TalkSpeaker::kNone; ++line, ++talkLines) {
            const std::string key = TalkTextKey(row.id, line);
            EXPECT_TRUE(HasText(key)) << "text " << key;
        }
    }
    // Every catalogue task is set by some level, and each has its text.
    EXPECT_EQ(taskKeys.size(), TaskCatalogue().size());
    for (const LevelTask& task : TaskCatalogue()) EXPECT_TRUE(HasText(task.key)) << "text " << task.key;
    EXPECT_EQ(talkLines, 122u);
    // The level display shows each catalogue task by its icon.
    for (const char* icon : {"task_worker", "task_food", "task_wood", "task_money", "task_mana", "task_tower",
                             "task_house", "task_lighthouse", "task_key_altar", "task_gravik", "task_advisor",
                             "task_life_water"}) {
        const auto found = GetTextureInfoExMap().find(icon);
        EXPECT_TRUE(found != GetTextureInfoExMap().end() && found->second && found->second->GetFrameCount() == 1)
            << "sprite " << icon;
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace

TEST_F(LevelTableData, EverySoundAndLossTextThePlayLoopUsesIsInTheDataTree)
{
    StartGame();
    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    for (const char* name : {"task_done", "res_income", "alarm", "bonus_start", "bonus_stop", "ambi_forest"}) {
        EXPECT_NE(sounds->FindSoundBuffer(name), 0) << "sound " << name;
    }
    for (const char* key : {"GameOver_WorkersBlocked", "GameOver_009", "GameOver_011"}) {
        EXPECT_TRUE(HasText(key)) << "text " << key;
    }
}
