// cMagicWidget: the task recount and the level's end: the enemies made harmless,
// the walkers stopped, the player's record of the level written, the level's
// achievements and the "finish" or "game_over" window.
#include <array>
#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "framework/widgets/base_wf.h"
#include "game/level/magic_widget.h"
#include "framework/objects/man.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/worker.h"

namespace {

constexpr int32_t kEnemyHarmlessState = 7;
constexpr int32_t kManStanding = 5;
constexpr float kFastFindSeconds = 60.0f;
constexpr const char* kFastFindLevel = "014";
constexpr const char* kFastFindAchievement = "achieve_fast_find";
constexpr const char* kHudWindow = "level";
constexpr const char* kFinishWindow = "finish";
constexpr const char* kGameOverWindow = "game_over";
constexpr const char* kGameOverText = "text";
constexpr const char* kSender = "cMagicWidget::EndLevel";
constexpr const char* kWarning = "^5";

struct ResourceTaskName {
    const char* name;
    size_t stockIndex;
};
constexpr std::array<ResourceTaskName, 4> kResourceTasks{{{"money", 2}, {"food", 1}, {"wood", 0}, {"mana", 3}}};

}  // namespace

void cMagicWidget::RecountTasks(uintptr_t kind)
{
    // The kill-workers spell takes workers away one by one: no task counts meanwhile.
    if (killWorkersTimer.current != killWorkersTimer.target) return;
    if (kind == 0 || kind == kTypeWorker) {
        if (TaskRecord* task = Tasks().Find(kTypeWorker, "")) {
            ObjectList workers;
            FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
            uint32_t count = 0;
            for (cObject* worker : workers) {
                if (worker->GetState() != cWorker::kStateCutOff) ++count;
            }
            task->current = count;
            if (count >= task->target && levelTime < kFastFindSeconds && GetLevelName() == kFastFindLevel) {
                UnlockAchievement(kFastFindAchievement);
            }
        }
    }
    const uintptr_t kinds[] = {kTypeBuild, kTypeTunnelBuild, kTypePlant, kTypeTower};
    for (const uintptr_t counted : kinds) {
        if (kind != 0 && kind != counted) continue;
        TaskRecord* task = nullptr;
        for (TaskRecord& record : Tasks().records) {
            if (record.kind == counted) {
                task = &record;
                break;
            }
        }
        if (task == nullptr) continue;
        ObjectList objects;
        FindObjectsOfKind(objects, static_cast<int32_t>(counted), -1);
        uint32_t count = 0;
        for (cObject* object : objects) {
            // Only buildings at their first level count: an upgrade is no new one.
            const auto* build = dynamic_cast<const cBuild*>(object);
            if (object->GetSprite() == task->name && (build == nullptr || build->GetLevel() == 0)) ++count;
        }
        task->current = count;
    }
    if (kind == 0 || kind == kTypeItem) {
        for (const ResourceTaskName& resource : kResourceTasks) {
            if (TaskRecord* task = Tasks().Find(0, resource.name)) {
                const int32_t amount = Stock().At(resource.stockIndex);
                task->current = amount > 0 ? static_cast<uint32_t>(amount) : 0;
            }
        }
    }
    if (Tasks().Update()) PostEvent(kEventLevelEnd, 0);
    SendMessage(kHudWindow);
}

void cMagicWidget::EndLevel()
{
    if ((GetInputFlags() & kInputCinematic) != 0) return;
    SetInputFlags(GetInputFlags() | kInputCinematic | kInputNoHover);
    StopRainSound();
    ObjectList enemies;
    FindObjectsOfKind(enemies, kTypeEnemy, -1);
    for (cObject* enemy : enemies) {
        const int32_t type = enemy->GetTypeId();
        if (type == kTypeSkeleton || type == kTypeWitch || type == kTypeSuccub) {
            enemy->SetState(kEnemyHarmlessState);
        } else {
            RemoveObject(enemy);
        }
    }
    ClearOrders();
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, -1);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr) continue;
        const int32_t state = worker->GetState();
        if (state != cWorker::kStateAtWork && state != kStateWalking) continue;
        worker->Load().Clear();
        worker->SetState(kManStanding);
    }
    const bool won = gameOverText.empty();
    // Without a player, or on a level outside the player's records, nothing is
    // written; the level still ends.
    cMiddle* middle = GetMiddle();
    cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    PlayerLevelRecord* record = nullptr;
    if (player != nullptr && player->currentLevel < player->levelRecords.size()) {
        record = &player->levelRecords[player->currentLevel];
    }
    if (record != nullptr) ++record->plays;
    if (won) {
        if (record != nullptr) WriteWin(*record);
        OpenAppWindow(kFinishWindow);
        UnlockLevelAchievements();
    } else {
        vrk::cGame* game = vrk::GetGame();
        vrk::cWindow* window = game != nullptr && game->gui != nullptr ? game->gui->FindWindow(kGameOverWindow) : nullptr;
        if (window != nullptr) {
            // The look-up answers the control count for a missing name: the window
            // then opens without the reason.
            if (vrk::cCtrl* text = window->GetCtrl(window->FindCtrl(kGameOverText))) {
                text->SetText(gameOverText, 0);
            } else {
                vrk::LogWrite(kSender, kWarning, "control '%s' not found in window '%s'",
                              vrk::FormatArg::FromString(kGameOverText), vrk::FormatArg::FromString(kGameOverWindow));
            }
        }
        OpenAppWindow(kGameOverWindow);
    }
}

void cMagicWidget::WriteWin(PlayerLevelRecord& record) const
{
    const float time = GetLevelTime();
    const auto score = static_cast<uint32_t>(GetScore() > 0 ? GetScore() : 0);
    const bool first = record.state <= kLevelOpen;
    record.lastTime = time;
    if (first || time < record.bestTime) record.bestTime = time;
    record.lastScore = score;
    if (first) {
        record.bestScore = score;
        record.totalScore = score;
    } else {
        if (score > record.bestScore) record.bestScore = score;
        record.totalScore += score;
    }
    const int32_t medal = GetMedal();
    if (medal > 0 && static_cast<uint32_t>(medal) > record.state) record.state = static_cast<uint32_t>(medal);
}

void cMagicWidget::UnlockLevelAchievements()
{
    const struct {
        const char* level;
        bool flag;
        const char* name;
    } kLevelAchievements[] = {
        {"003", noMillFlag, "achieve_no_mill"},       {"004", noSpeedFlag, "achieve_no_speed"},
        {"012", noTowerFlag, "achieve_no_tower"},     {"015", lessFireFlag, "achieve_less_fire"},
        {"020", tankFlag, "achieve_tank"},            {"009", bellNotRungFlag, "achieve_bell"},
        {"008", manaWellFlag, "achieve_mana_well"},   {"017", shieldFlag, "achieve_shield"},
    };
    for (const auto& achievement : kLevelAchievements) {
        if (achievement.flag && GetLevelName() == achievement.level) UnlockAchievement(achievement.name);
    }
}
