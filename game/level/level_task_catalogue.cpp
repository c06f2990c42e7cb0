// The catalogue of every task a level can set, and the tasks of each level in the
// order of the task panel.
#include "game/level/level_table.h"

namespace {

constexpr uint32_t kPopulation = 104;
constexpr uint32_t kResource = 0;
constexpr uint32_t kBuilding = 101;
constexpr uint32_t kTower = 115;
constexpr uint32_t kTunnelBuilding = 126;

const std::array<LevelTask, kTaskCatalogueSize> kCatalogue = {{
    {"Population_5", kPopulation, "", 5, "task_worker"},
    {"Population_6", kPopulation, "", 6, "task_worker"},
    {"Population_7", kPopulation, "", 7, "task_worker"},
    {"Population_8", kPopulation, "", 8, "task_worker"},
    {"Population_9", kPopulation, "", 9, "task_worker"},
    {"Food_200", kResource, "food", 200, "task_food"},
    {"Food_250", kResource, "food", 250, "task_food"},
    {"Food_300", kResource, "food", 300, "task_food"},
    {"Wood_200", kResource, "wood", 200, "task_wood"},
    {"Wood_250", kResource, "wood", 250, "task_wood"},
    {"Wood_300", kResource, "wood", 300, "task_wood"},
    {"Wood_400", kResource, "wood", 400, "task_wood"},
    {"Wood_1000", kResource, "wood", 1000, "task_wood"},
    {"Money_200", kResource, "money", 200, "task_money"},
    {"Money_250", kResource, "money", 250, "task_money"},
    {"Money_300", kResource, "money", 300, "task_money"},
    {"Money_400", kResource, "money", 400, "task_money"},
    {"Money_500", kResource, "money", 500, "task_money"},
    {"Mana_200", kResource, "mana", 200, "task_mana"},
    {"Mana_300", kResource, "mana", 300, "task_mana"},
    {"Mana_400", kResource, "mana", 400, "task_mana"},
    {"Tower00_2", kTower, "tower00", 2, "task_tower"},
    {"House00_6", kBuilding, "house00", 6, "task_house"},
    {"Lighthouse00_1", kTunnelBuilding, "lighthouse00", 1, "task_lighthouse"},
    {"KeyAltar00_1", kTunnelBuilding, "ruins00", 1, "task_key_altar"},
    {"CastleIce_1", kTunnelBuilding, "castle_ice", 1, "task_gravik"},
    // Never counted ("tower_advisor" is no resource): the chosen advisor tower ends
    // the level when it is finished.
    {"TowerAdvisor_1", kResource, "tower_advisor", 1, "task_advisor"},
    {"SourceLifeWater00_1", kTunnelBuilding, "source_life_water", 1, "task_life_water"},
}};

using Keys = std::array<const char*, kMaxLevelTasks>;

const std::array<Keys, kLevelCount> kLevelTasks = {{
    {"Population_6"},                           // 000
    {"Tower00_2", "Population_5"},              // 001
    {"Population_5", "Money_250"},              // 002
    {"Population_6", "Food_200", "Money_200"},  // 003
    {"Population_8"},                           // 004
    {"Population_7", "Food_200", "Money_200"},  // 005
    {"Population_7", "Money_200"},              // 006
    {"Population_7", "Wood_1000"},              // 007
    {"Lighthouse00_1"},                         // 008
    {"Population_6"},                           // 009
    {"Population_7"},                           // 010
    {"KeyAltar00_1", "Money_250"},              // 011
    {"Population_6", "Wood_400"},               // 012
    {"House00_6", "Wood_250"},                  // 013
    {"Population_7", "Mana_200"},               // 014
    {"Mana_300", "Population_7"},               // 015
    {"Population_7", "Money_300"},              // 016
    {"Money_500"},                              // 017
    {"Money_400", "Population_8"},              // 018
    {"Wood_300", "Population_8"},               // 019
    {"Population_7"},                           // 020
    {"Lighthouse00_1", "Population_8"},         // 021
    {"CastleIce_1"},                            // 022
    {"TowerAdvisor_1"},                         // 023
    {"Lighthouse00_1", "Money_300"},            // 024
    {"Food_250", "Wood_250", "Money_250"},      // 025
    {"Population_9"},                           // 026
    {"Food_300", "Mana_200", "Population_7"},   // 027
    {"Wood_300", "Money_300"},                  // 028
    {"Wood_300", "Population_6"},               // 029
    {"KeyAltar00_1"},                           // 030
    {"Lighthouse00_1"},                         // 031
    {"Population_6", "Mana_400", "Wood_200"},   // 032
    {"Population_8"},                           // 033
    {"SourceLifeWater00_1", "Mana_400"},        // 034
    {"Mana_200", "Population_7"},               // 035
    {"Population_6", "Money_200"},              // 036
    {"Money_200", "Population_6"},              // 037
    {"Lighthouse00_1", "Population_9"},         // 038
    {"Population_7", "Money_300"},              // 039
}};

}  // namespace

const std::array<LevelTask, kTaskCatalogueSize>& TaskCatalogue() { return kCatalogue; }

const LevelTask* FindLevelTask(const std::string& key)
{
    for (const LevelTask& task : kCatalogue) {
        if (key == task.key) return &task;
    }
    return nullptr;
}

const std::array<const char*, kMaxLevelTasks>& LevelTaskKeys(size_t levelIndex)
{
    static const Keys kNone{};
    return levelIndex < kLevelTasks.size() ? kLevelTasks[levelIndex] : kNone;
}
