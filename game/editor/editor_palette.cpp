// The palette's tables. Icons name sprite descriptions (or textures) of the data
// tree; the building icons show a later frame, the finished building.
#include "game/editor/editor_palette.h"

#include <iterator>

#include "framework/objects/object.h"
#include "objects/level_contract.h"

namespace {

// Menu entries and commands carry no type id.
constexpr int32_t kMenuEntry = 0;
// The area tool paints the path grid instead of creating an object.
constexpr int32_t kAreaTool = 11;
// Building icons: the finished building's frame.
constexpr int32_t kBuiltFrame = 4;
constexpr int32_t kMillBuiltFrame = 3;

// Every category and the level tools lead back to the top menu first.
constexpr PaletteItem kBackItem{"editor_back", 0, kMenuEntry, palette_menu::kTop};

constexpr PaletteItem kTopMenu[] = {
    {"editor_level", 0, kMenuEntry, palette_menu::kLevel},
    {"editor_road_edit", 0, kAreaTool, ""},
    {"editor_info", 0, kTypeBack, ""},
    {"editor_node", 0, kTypeNode, ""},
    {"food", 0, kMenuEntry, "res"},
    {"house00", kBuiltFrame, kMenuEntry, "build"},
    {"pad00_1x1", 0, kMenuEntry, "decor"},
    {"worker_run0", 0, kMenuEntry, "man"},
    {"stone00", 0, kMenuEntry, "barrier"},
    {"chip_run0", 0, kMenuEntry, "animals"},
    {"part_leaf", 0, kMenuEntry, "effects"},
};

constexpr PaletteItem kLevelTools[] = {
    kBackItem,
    {"editor_prev", 0, kMenuEntry, "level_prev"},
    {"editor_next", 0, kMenuEntry, "level_next"},
    {"editor_level_down", 0, kMenuEntry, "level_down"},
    {"editor_level_up", 0, kMenuEntry, "level_up"},
    {"editor_level_del", 0, kMenuEntry, "level_clear"},
};

constexpr PaletteItem kResources[] = {
    kBackItem,
    {"food", 0, kTypeItem, "food"},
    {"wood", 0, kTypeItem, "wood"},
    {"money", 0, kTypeItem, "money"},
    {"mana", 0, kTypeItem, "mana"},
    {"field00", 0, kTypeField, "field00"},
    {"field01", 0, kTypeField, "field01"},
    {"nugget00", 0, kTypeSource, "nugget00"},
    {"tree00_0", 0, kTypeSource, "tree00_0"},
    {"tree00_1", 0, kTypeSource, "tree00_1"},
    {"tree00_2", 0, kTypeSource, "tree00_2"},
    {"tree00_3", 0, kTypeSource, "tree00_3"},
    {"tree01_0", 0, kTypeSource, "tree01_0"},
    {"tree01_1", 0, kTypeSource, "tree01_1"},
    {"tree01_2", 0, kTypeSource, "tree01_2"},
    {"well00", 0, kTypeSource, "well00"},
};

constexpr PaletteItem kBuildings[] = {
    kBackItem,
    {"base00", 0, kTypeBuild, "base00"},
    {"house00", kBuiltFrame, kTypeBuild, "house00"},
    {"sawmill00", kBuiltFrame, kTypePlant, "sawmill00"},
    {"mill00", kMillBuiltFrame, kTypePlant, "mill00"},
    {"goldmill00", kBuiltFrame, kTypePlant, "goldmill00"},
    {"altar00", 0, kTypeAltar, "altar00"},
    {"base00_flag", 0, kTypeBonfire, "bonfire00"},
    {"lighthouse00", kMillBuiltFrame, kTypeTunnelBuild, "lighthouse00"},
    {"ruins00", kBuiltFrame, kTypeTunnelBuild, "ruins00"},
    {"castle_ice", 0, kTypeTunnelBuild, "castle_ice"},
    {"tower_advisor", 0, kTypeTunnelBuild, "tower_advisor"},
    {"tower_advisor_pad", 0, kTypeDecor, "simple=tower_advisor_pad"},
    {"source_life_water", 0, kTypeTunnelBuild, "source_life_water"},
    {"source_water", 0, kTypeDecor, "anim=source_water"},
    {"source_fountain", 0, kTypeDecor, "anim=source_fountain"},
};

constexpr PaletteItem kDecor[] = {
    kBackItem,
    {"pad00_1x1", 0, kTypeDecor, "simple=pad00_1x1"},
    {"pad00_2x2", 0, kTypeDecor, "simple=pad00_2x2"},
    {"pad00_3x2", 0, kTypeDecor, "simple=pad00_3x2"},
    {"pad00_3x3", 0, kTypeDecor, "simple=pad00_3x3"},
    {"pad01_1x1", 0, kTypeDecor, "simple=pad01_1x1"},
    {"pad01_2x2", 0, kTypeDecor, "simple=pad01_2x2"},
    {"pad01_3x2", 0, kTypeDecor, "simple=pad01_3x2"},
    {"pad01_3x3", 0, kTypeDecor, "simple=pad01_3x3"},
    {"pad02_1x1", 0, kTypeDecor, "simple=pad02_1x1"},
    {"pad02_2x2", 0, kTypeDecor, "simple=pad02_2x2"},
    {"pad02_3x2", 0, kTypeDecor, "simple=pad02_3x2"},
    {"pad02_3x3", 0, kTypeDecor, "simple=pad02_3x3"},
    {"water00", 0, kTypeDecor, "anim=water00"},
    {"water01", 0, kTypeDecor, "anim=water01"},
    {"effect_lava_base", 0, kTypeDecor, "simple=effect_lava_base"},
    {"effect_lava_add", 0, kTypeDecor, "offset=effect_lava_add;0.02;0.02"},
};

constexpr PaletteItem kPeople[] = {
    kBackItem,
    {"worker_run0", 0, kTypeWorker, ""},
    {"hero_run0", 0, kTypeHero, ""},
    {"wife_run0", 0, kTypeWife, ""},
    {"bell00", 0, kTypeBell, ""},
    {"succub_walk0", 0, kTypeBaseEnemy, "succub"},
    {"skeleton_walk0", 0, kTypeBaseEnemy, "skeleton"},
    {"witch_walk0", 0, kTypeBaseEnemy, "witch"},
    {"goblin_walk0", 0, kTypeBaseEnemy, "goblin_money"},
    {"goblin_pick0", 0, kTypeBaseEnemy, "goblin_wood"},
    {"editor_node", 0, kTypeWayPoint, ""},
    {"prison", 0, kTypePrison, ""},
    {"goblin_fear0", 0, kTypeBandit, "bandit"},
    {"tower00", 0, kTypeTower, "tower00"},
    {"tower_enemy00", 0, kTypeTower, "tower_enemy00"},
    {"skeleton_death0", 0, kTypeSkeletonWizard, "skeleton_wizard"},
    {"altar00", 0, kTypeAltarEnemy, ""},
    {"tank", 0, kTypeTank, ""},
};

constexpr PaletteItem kBarriers[] = {
    kBackItem,
    {"log00", 0, kTypeBarrier, "log00"},
    {"stone00", 0, kTypeBarrier, "stone00"},
    {"stone_big00", 0, kTypeBarrier, "stone_big00"},
    {"bridge00", 0, kTypeBarrier, "bridge00"},
    {"bridge01", 0, kTypeBarrier, "bridge01"},
    {"bridge_big00", 0, kTypeBarrier, "bridge_big00"},
    {"bridge_big01", 0, kTypeBarrier, "bridge_big01"},
    {"ice", 0, kTypeLake, "lake00"},
};

constexpr PaletteItem kAnimals[] = {
    kBackItem,
    {"chip_run0", 0, kTypeAnimal, "chip"},
    {"rabbit_run0", 0, kTypeAnimal, "rabbit"},
    {"butterfly", 0, kTypeDecor, "anim=butterfly"},
    {"bird00_idle", 0, kTypeFlyDecor, "bird00_lr"},
    {"bird01_idle", 0, kTypeFlyDecor, "bird01_lr"},
    {"bird02_idle", 0, kTypeFlyDecor, "bird02_lr"},
    {"magic_cloud", 0, kTypeFlyDecor, "magic_cloud"},
};

constexpr PaletteItem kEffects[] = {
    kBackItem,
    {"part_fog", 0, kTypeParticlesDecor, "fog"},
    {"part_fire", 0, kTypeParticlesDecor, "fire"},
    {"part_smoke", 0, kTypeParticlesDecor, "smoke"},
};

struct PaletteMenu {
    const char* name;
    std::span<const PaletteItem> items;
    bool category;
};

const PaletteMenu kMenus[] = {
    {palette_menu::kTop, kTopMenu, false},
    {palette_menu::kLevel, kLevelTools, false},
    {"res", kResources, true},
    {"build", kBuildings, true},
    {"decor", kDecor, true},
    {"man", kPeople, true},
    {"barrier", kBarriers, true},
    {"animals", kAnimals, true},
    {"effects", kEffects, true},
};

const PaletteMenu* FindMenu(const std::string& name)
{
    for (const PaletteMenu& menu : kMenus) {
        if (name == menu.name) return &menu;
    }
    return nullptr;
}

}  // namespace

std::span<const PaletteItem> FindPaletteMenu(const std::string& name)
{
    const PaletteMenu* menu = FindMenu(name);
    return menu != nullptr ? menu->items : std::span<const PaletteItem>();
}

bool IsPaletteCategory(const std::string& name)
{
    const PaletteMenu* menu = FindMenu(name);
    return menu != nullptr && menu->category;
}
