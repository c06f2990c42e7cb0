// The game's achievement definitions. Their order is the index every player's
// progress is stored under, so it never changes.
#include "framework/app/garden.h"

namespace {

struct AchievementEntry {
    const char* id;
    uint32_t value;
};

constexpr const char* kNamePrefix = "achieve_";
constexpr const char* kDescriptionSuffix = "_d";

constexpr AchievementEntry kAchievements[] = {
    {"stone_barrier", 20}, {"wood_barrier", 20}, {"mana_well", 20}, {"goblin", 50},
    {"finish_well", 100},  {"witch", 50},        {"tomatoes", 10},  {"wood", 10},
    {"money", 10},         {"mana", 10},         {"bell", 30},      {"ice_block", 50},
    {"fast_find", 70},     {"less_fire", 30},    {"tank", 30},      {"gravik", 30},
    {"advisor", 50},       {"prison", 30},       {"shield", 30},    {"in_love", 50},
    {"ruins", 10},         {"no_tower", 30},     {"succubus", 50},  {"gold_cup", 100},
    {"silver_cup", 50},    {"bronze_cup", 10},   {"skeleton", 40},  {"no_mill", 30},
    {"wheat", 10},         {"no_speed", 30},
};

}  // namespace

void cGarden::AddGameAchievements()
{
    for (const AchievementEntry& entry : kAchievements) {
        const std::string name = std::string(kNamePrefix) + entry.id;
        AddAchievement(name, name + kDescriptionSuffix, entry.value);
    }
}
