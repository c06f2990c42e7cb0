// The per-level set-up: the level table's row of the level's name written into the
// level screen, then the time limit and the ambience timer every level gets.
#include "game/level/level_setup.h"

#include <vector>

#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"
#include "framework/widgets/talk_record.h"
#include "game/level/level_table.h"
#include "game/level/magic_widget.h"
#include "objects/enemy_tuning.h"

namespace {

// The limit is the rating time over two thirds, so the best medal and the warning
// fall on the rating time.
constexpr float kRatingShareOfLimit = 0.6666667f;
// "ambi_forest" plays each time the timer runs out.
constexpr float kAmbienceInterval = 10.0f;
// The advisor towers' link ids run 0..2.
constexpr int32_t kLastAdvisorId = 2;

void ApplyTasks(cMagicWidget& screen, size_t levelIndex)
{
    for (const char* key : LevelTaskKeys(levelIndex)) {
        if (key == nullptr) break;
        const LevelTask* task = FindLevelTask(key);
        if (task == nullptr) continue;
        screen.Tasks().Add(task->kind, task->name, task->target, task->icon, task->key);
    }
}

void ApplyTalks(cMagicWidget& screen, size_t levelIndex, const std::string& levelId)
{
    const auto& speakers = LevelTalkSpeakers(levelIndex);
    for (size_t line = 0; line < speakers.size() && speakers[line] != TalkSpeaker::kNone; ++line) {
        const uint32_t side = line % 2 == 0 ? kTalkLeft : kTalkRight;
        screen.AddTalk(side, TalkSpeakerName(speakers[line]), TalkTextKey(levelId, line));
    }
}

void ApplyTuning(const LevelRow& row)
{
    EnemyTuning& tuning = EnemyTuningValues();
    if (row.goblinWorkRate) tuning.goblinWorkRate = *row.goblinWorkRate;
    if (row.banditSpeedFactor) tuning.banditSpeedFactor = *row.banditSpeedFactor;
    if (row.tankGunSpeedFactor) tuning.tankGunSpeedFactor = *row.tankGunSpeedFactor;
}

void ApplyRow(cMagicWidget& screen, size_t levelIndex)
{
    const LevelRow& row = LevelRows()[levelIndex];
    std::vector<int32_t>& stock = screen.Stock().amounts;
    for (size_t i = 0; i < row.stock.size() && i < stock.size(); ++i) stock[i] = row.stock[i];
    ApplyTasks(screen, levelIndex);
    screen.music = row.music;
    screen.timeLimit = row.ratingTime;
    if (row.weather != nullptr) screen.SetWeather(row.weather);
    if (row.dayLength > 0.0f || row.nightLength > 0.0f) screen.SetDayNightLengths(row.dayLength, row.nightLength);
    ApplyTuning(row);
    if (row.startsBaseScript) screen.baseStage = 0;
    if (row.drawsAdvisor) {
        // Drawn on every set-up, restarts included, from the generator the game
        // logic shares; without the application the first tower is the one.
        cAppServices* services = GetAppServices();
        screen.chosenAdvisorId = services != nullptr ? services->GetRandomGen().Next(kLastAdvisorId) : 0;
    }
    ApplyTalks(screen, levelIndex, row.id);
}

}  // namespace

void ApplyLevelSetup(cMagicWidget& screen, const std::string& levelName)
{
    // A name outside the table (an editor level, say) is no error: it plays from the
    // cleared state with no tasks, talk or limit.
    // The clearing leaves the music name alone; a level without a row must not play
    // the previous level's music.
    screen.music.clear();
    const int32_t index = FindLevelIndex(levelName);
    if (index >= 0) ApplyRow(screen, static_cast<size_t>(index));

    screen.timeLimit /= kRatingShareOfLimit;

    screen.ambienceTimer.current = 0.0f;
    screen.ambienceTimer.SetTarget(kAmbienceInterval);
}
