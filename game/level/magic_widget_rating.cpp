// cMagicWidget: the level's income and its rating. Income adds to the resource
// total that scores the level and to the sums behind the resource achievements;
// the medal compares the level time with the time limit.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/level/magic_widget.h"
#include "objects/level_contract.h"

namespace {

enum Resource : size_t {
    kWood = 0,
    kFood = 1,
    kMoney = 2,
    kMana = 3,
};

// The level and the sum at which each resource achievement unlocks.
struct SumAchievement {
    const char* level;
    int32_t threshold;
    const char* achievement;
};
constexpr SumAchievement kTomatoSum{"018", 200, "achieve_tomatoes"};
constexpr SumAchievement kWheatSum{"024", 300, "achieve_wheat"};
constexpr SumAchievement kManaSum{"005", 300, "achieve_mana"};

// Level time up to this share of the limit earns the best medal.
constexpr float kFastShare = 0.6666667f;
constexpr int32_t kPointsPerUnit = 10;
constexpr int32_t kInTimeBonus = 1000;
constexpr int32_t kFastBonus = 10000;

// Sums stop at the largest value instead of wrapping round.
int32_t Saturated(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

bool cMagicWidget::SpendResources(const ResourceVector& amounts)
{
    const bool spent = LevelScreen::SpendResources(amounts);
    PostEvent(kEventRecount, kTypeItem);
    return spent;
}

void cMagicWidget::AddResources(const ResourceVector& amounts)
{
    LevelScreen::AddResources(amounts);
    PostEvent(kEventRecount, kTypeItem);
    int64_t added = 0;
    for (size_t kind : {kWood, kFood, kMoney, kMana}) added += amounts.At(kind);
    resourceTotal = Saturated(int64_t{resourceTotal} + added);
    tomatoFoodSum = Saturated(int64_t{tomatoFoodSum} + amounts.At(kFood));
    wheatFoodSum = Saturated(int64_t{wheatFoodSum} + amounts.At(kFood));
    manaSum = Saturated(int64_t{manaSum} + amounts.At(kMana));
    // Unlocking again at every later addition is harmless: the game unlocks once.
    const std::string& name = GetLevelName();
    for (const auto& [watch, sum] : {std::pair{kTomatoSum, tomatoFoodSum}, std::pair{kWheatSum, wheatFoodSum},
                                     std::pair{kManaSum, manaSum}}) {
        if (name == watch.level && sum >= watch.threshold) UnlockAchievement(watch.achievement);
    }
}

int32_t cMagicWidget::GetMedal() const
{
    if (timeLimit <= 0.0f) return kMedalNoLimit;
    if (levelTime / timeLimit <= kFastShare) return kMedalFast;
    return levelTime <= timeLimit ? kMedalInTime : kMedalLate;
}

int32_t cMagicWidget::GetScore() const
{
    int64_t score = int64_t{GetResourceTotal()} * kPointsPerUnit;
    const int32_t medal = GetMedal();
    if (medal == kMedalInTime) score += kInTimeBonus;
    if (medal == kMedalFast) score += kFastBonus;
    return Saturated(score);
}
