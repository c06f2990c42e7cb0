// cMagicWidget: the enemy camps' scripts by the level clock, nightfall and
// daybreak with their camp changes, and the switch between day and night.
#include <string>
#include <vector>

#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"
#include "game/level/magic_widget.h"
#include "objects/base_enemy.h"
#include "objects/enemy_tuning.h"
#include "objects/level_contract.h"

namespace {

constexpr int32_t kEnemyHarmlessState = 7;
constexpr int32_t kSecondCampDraws = 99;
constexpr int32_t kCampDrawMask = 3;

std::string CampName(int32_t index) { return "base_enemy" + std::to_string(index); }

int32_t DrawCamp()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().Next(kCampDrawMask) : 0;
}

}  // namespace

std::vector<cBaseEnemy*> cMagicWidget::FindCamps(std::initializer_list<int32_t> indices)
{
    std::vector<cBaseEnemy*> camps;
    for (const int32_t index : indices) camps.push_back(dynamic_cast<cBaseEnemy*>(FindObject(CampName(index), -1)));
    return camps;
}

void cMagicWidget::SetCamps(std::initializer_list<int32_t> indices, float interval, uint32_t walkers, bool allOrNone)
{
    const std::vector<cBaseEnemy*> camps = FindCamps(indices);
    if (allOrNone) {
        for (const cBaseEnemy* camp : camps) {
            if (camp == nullptr) return;
        }
    }
    for (cBaseEnemy* camp : camps) {
        if (camp == nullptr) continue;
        camp->SetBaseInterval(interval);
        camp->SetMaxWalkers(walkers);
    }
}

void cMagicWidget::ScaleCamps(float factor, uint32_t extraWalkers)
{
    ObjectList camps;
    FindObjectsOfKind(camps, kTypeBaseEnemy, -1);
    for (cObject* object : camps) {
        auto* camp = dynamic_cast<cBaseEnemy*>(object);
        if (camp == nullptr) continue;
        camp->SetBaseInterval(camp->GetBaseInterval() * factor);
        camp->SetMaxWalkers(camp->GetMaxWalkers() + extraWalkers);
    }
}

void cMagicWidget::UpdateEnemyBases()
{
    if (baseStage < 0) return;
    const std::string& level = GetLevelName();
    const float time = levelTime;
    if (level == "005") {
        if (baseStage == 0 && time >= 100.0f) {
            ScaleCamps(0.5f, 4);
            baseStage = -1;
        }
    } else if (level == "006") {
        // A missing camp is skipped; the stage moves on regardless.
        if (baseStage == 0 && night) {
            SetCamps({0, 1}, 7.0f, 5, false);
            baseStage = 1;
        } else if (baseStage == 1 && !night) {
            SetCamps({0, 1}, 0.0f, 0, false);
            baseStage = 2;
        } else if (baseStage >= 2 && baseStage % 2 == 0 && night) {
            SetCamps({0, 1, 2}, 8.0f, 5, false);
            ++baseStage;
        } else if (baseStage >= 2 && baseStage % 2 == 1 && !night) {
            SetCamps({0, 1, 2}, 0.0f, 0, false);
            ++baseStage;
        }
    } else if (level == "008") {
        if (baseStage == 0 && time >= 100.0f) {
            EnemyTuningValues().banditSpeedFactor = 1.35f;
            baseStage = -1;
        }
    } else if (level == "012") {
        if (baseStage == 0 && time >= 90.0f) {
            ScaleCamps(0.7f, 1);
            baseStage = 1;
        } else if (baseStage == 1 && time >= 180.0f) {
            ScaleCamps(0.7f, 1);
            baseStage = -1;
        }
    } else if (level == "027") {
        if (baseStage == 0 && time >= 50.0f) {
            SetCamps({0}, 8.0f, 2, false);
            baseStage = 1;
        } else if (baseStage == 1 && time >= 100.0f) {
            SetCamps({0, 1}, 8.0f, 5, false);
            baseStage = -1;
        }
    }
}

void cMagicWidget::SetNight(bool isNight)
{
    night = isNight;
    if (isNight) {
        ++nightCount;
        tint.Set(SceneTint::kWhite);
        tint.SetTarget(kNightTint);
        nightStrength.current = 0.0f;
        nightStrength.SetTarget(1.0f);
        OnNightStart();
    } else {
        tint.Set(kNightTint);
        tint.SetTarget(SceneTint::kWhite);
        nightStrength.current = 1.0f;
        nightStrength.SetTarget(0.0f);
        OnDayStart();
    }
}

void cMagicWidget::OnNightStart()
{
    const std::string& level = GetLevelName();
    if (level == "016" || level == "021" || level == "022") {
        SetCamps({0, 1}, 7.0f, 4, true);
    } else if (level == "035") {
        SetCamps({0, 1}, 8.0f, 3, true);
    } else if (level == "028") {
        ObjectList succubi;
        FindObjectsOfKind(succubi, kTypeSuccub, -1);
        for (cObject* succubus : succubi) succubus->SetState(kEnemyHarmlessState);
        const int32_t first = DrawCamp();
        const int32_t second = DrawCamp();
        SetCamps({first, second}, 8.0f, 4, true);
    } else if (level == "032") {
        SetCamps({0, 1, 2}, 6.0f, 3, true);
    } else if (level == "015") {
        const int32_t first = DrawCamp();
        int32_t second = DrawCamp();
        for (int32_t draw = 1; draw < kSecondCampDraws && second == first; ++draw) second = DrawCamp();
        SetCamps({first, second}, 8.0f, 4, true);
    }
}

void cMagicWidget::OnDayStart()
{
    const std::string& level = GetLevelName();
    if (level == "016" || level == "021" || level == "022" || level == "035") {
        SetCamps({0, 1}, 0.0f, 0, false);
    } else if (level == "028") {
        ObjectList camps;
        FindObjectsOfKind(camps, kTypeBaseEnemy, -1);
        for (cObject* object : camps) {
            auto* camp = dynamic_cast<cBaseEnemy*>(object);
            if (camp == nullptr || camp->GetSprite() != "witch") continue;
            camp->SetBaseInterval(0.0f);
            camp->SetMaxWalkers(0);
        }
    } else if (level == "032") {
        SetCamps({0, 1, 2}, 0.0f, 0, false);
    } else if (level == "015") {
        ScaleCamps(0.0f, 0);
        ObjectList camps;
        FindObjectsOfKind(camps, kTypeBaseEnemy, -1);
        for (cObject* object : camps) {
            if (auto* camp = dynamic_cast<cBaseEnemy*>(object)) camp->SetMaxWalkers(0);
        }
    }
}
