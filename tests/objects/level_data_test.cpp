// The level classes against the shipped data tree (data/), in the started game: each
// class is made through the level factory under every type name it recognises and
// sets itself up, which looks up its sprites and effects; the sounds, text keys and
// light textures the classes use are looked up here, since a missing one is only
// noticed when it is used; and the sprites whose frames the logic counts have enough.
// Each level-objects set adds its classes, names and counts to the tables below.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "framework/objects/effect_holder.h"
#include "framework/objects/game_object.h"
#include "framework/objects/texture_info_ex.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "tests/framework/app/tour_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

// A level class and every type name its set-up recognises; the level-file text it is
// given first when its set-up reads sprite names from it.
struct LevelClassNames {
    int32_t typeId;
    std::vector<const char*> typeNames;
    const char* text = "";
};

const std::vector<LevelClassNames>& LevelClasses()
{
    static const std::vector<LevelClassNames> table = {
        {kTypeSource,
         {"nugget00", "well00", "tree00_0", "tree00_1", "tree00_2", "tree00_3", "tree01_0", "tree01_1", "tree01_2"}},
        {kTypeField, {"field00", "field01"}},
        {kTypeItem, {"food", "wood", "money", "mana"}},
        {kTypeBarrier, {"log00", "stone00", "stone_big00", "bridge00", "bridge01", "bridge_big00", "bridge_big01"}},
        {kTypeBuild, {"house00", "base00"}},
        // Workers, their cloud and the prison; the editor palette gives workers and
        // prisons an empty name.
        {kTypeWorker, {""}},
        {kTypeWorkerCloud, {"worker_cloud"}},
        {kTypePrison, {""}},
        // Plants, special buildings, lake, bonfire, altars and bell. Altars are set up
        // under their spell's name ("altar00" names no spell and warns by design).
        {kTypePlant, {"mill00", "sawmill00", "goldmill00"}},
        {kTypeTunnelBuild, {"lighthouse00", "ruins00", "castle_ice", "tower_advisor", "source_life_water"}},
        {kTypeLake, {"lake00"}},
        {kTypeBonfire, {"bonfire00"}},
        {kTypeAltar,
         {"spell_fast_workers", "spell_fast_food", "spell_restore_tree", "spell_freeze_water", "spell_kill_enemies",
          "spell_shield"}},
        {kTypeBell, {"", "bell00"}},
        {kTypeAltarEnemy, {""}, "enemy_spell_kill_workers;30"},
        {kTypeAltarEnemy, {""}, "enemy_spell_kill_towers;30"},
        // Enemies, their camps, way points and the hero.
        {kTypeBaseEnemy, {"skeleton", "goblin_money", "goblin_wood", "witch", "succub"}},
        {kTypeGoblin, {"goblin_money", "goblin_wood"}},
        {kTypeBandit, {"bandit"}},
        {kTypeWayPoint, {""}},
        {kTypeSkeleton, {"skeleton"}},
        {kTypeSkeletonWizard, {"skeleton_wizard"}},
        {kTypeHero, {""}},
        {kTypeWife, {"wife"}},
        {kTypeSuccub, {"succub"}},
        {kTypeWitch, {"witch"}},
        {kTypeTower, {"tower00", "tower_enemy00"}},
        {kTypeTank, {"tank"}},
    };
    return table;
}

// Sounds the classes play, text keys of their hints and messages, particle effects
// they run and light textures they show.
const std::vector<const char*>& Sounds()
{
    static const std::vector<const char*> table = {
        "take", "build_ready",
        // Workers and the prison.
        "worker_in", "worker_out", "worker_joy", "worker_fear", "explosion", "tank_hit", "build", "bar_stone",
        "bar_tree", "well", "res_income",
        // Plants, altars, the enemy altar and the bell.
        "sawmill", "mill", "goldmill", "respawn", "altar_ready", "alarm", "bonus_start",
        // Enemies and the hero.
        "bandit_scream0", "bandit_scream1", "bandit_scream2", "spirit_death", "spirit_scream", "strike",
        "wife_magic", "succub_appear", "succub_magic", "succub_death", "witch_appear", "witch_magic", "witch_death",
        "shot", "explosion00", "explosion01", "explosion02",
    };
    return table;
}

const std::vector<const char*>& TextKeys()
{
    static const std::vector<const char*> table = {
        "tree", "nugget00", "well00", "field00", "field01", "food", "wood", "money", "mana",
        "log00", "stone00", "stone_big00", "bridge00", "bridge01", "bridge_big00", "bridge_big01",
        "house00", "house00_up", "FinishWork", "Price", "Profit", "GameOver_011",
        // Workers and the prison.
        "Unfreeze", "FreeWorker", "prison00", "OpenPrison",
        // Plants, special buildings, bonfire, bell and altars.
        "mill00", "mill00_up", "sawmill00", "sawmill00_up", "goldmill00", "goldmill00_up", "AddWorker", "PriceLeft",
        "PerSec", "lighthouse00", "ruins00", "castle_ice", "tower_advisor", "source_life_water", "bonfire00", "bell00",
        "spell_fast_workers", "spell_fast_food", "spell_restore_tree", "spell_freeze_water", "spell_kill_enemies",
        "spell_shield", "enemy_spell_kill_workers", "enemy_spell_kill_towers",
        "tower00", "tower00_up", "tower_enemy00",
    };
    return table;
}

const std::vector<const char*>& Effects()
{
    static const std::vector<const char*> table = {"leaves", "wood_spark", "build_smoke", "build_smoke=32",
                                                   "build_smoke=48", "hearts", "smoke", "fire", "snow=64"};
    return table;
}

const std::vector<const char*>& LightTextures()
{
    // The bonfire's light; decoded at once, and a missing one logs nothing.
    static const std::vector<const char*> table = {"effect_fire"};
    return table;
}

// The frames the logic counts on: a frame per portion, per growth step, per step of
// the work or of the paid share; the build icon's two frames (0 too dear, 1
// affordable); the frames the editor palette shows; two at least for a one-shot,
// whose end is what ends its state. Every other sprite a class looks up only when it
// draws needs one frame. No upper bound when atMost is 0.
struct FrameNeed {
    std::string sprite;
    uint32_t atLeast;
    uint32_t atMost;
};

// The sprite in each of the four directions (base + "0" ... "3").
void AddDirections(std::vector<FrameNeed>& table, const std::string& base, uint32_t atLeast)
{
    for (char digit = '0'; digit <= '3'; ++digit) table.push_back({base + digit, atLeast, 0});
}

std::vector<FrameNeed> MakeFrameNeeds()
{
    std::vector<FrameNeed> table = {
        {"nugget00", 6, 0},     {"field00", 4, 0},      {"field01", 4, 0},      {"log00", 4, 0},
        {"stone00", 4, 0},      {"stone_big00", 4, 0},  {"bridge00", 4, 0},     {"bridge01", 4, 0},
        {"bridge_big00", 4, 0}, {"bridge_big01", 4, 0}, {"house00", 5, 0},      {"house00_up1", 4, 0},
        {"house00_up2", 4, 0},  {"icon_build", 2, 2},   {"well00_water", 2, 0}, {"well00_effect", 2, 0},
        {"base00_flag", 2, 0},
        // Workers, their cloud and the prison (whose shadow goes by its empty name).
        {"worker_collect0", 1, 0}, {"worker_water0", 1, 0}, {"worker_sit0", 2, 0}, {"worker_alert0", 2, 0},
        {"worker_eat0", 2, 0}, {"worker_drink0", 2, 0}, {"worker_jump0", 2, 0}, {"effect_explosion", 2, 0},
        {"effect_shield", 1, 0}, {"worker_ice", 1, 0}, {"cloud", 1, 0}, {"exclamation", 1, 0}, {"prison", 1, 0},
        {"_sh", 1, 0}, {"icon_head", 1, 0}, {"effect_laser", 2, 0}, {"man_shadow", 1, 0},
        // Plants: the palette shows frame 4 of the sawmill and the gold mill.
        {"zone2x2", 1, 0}, {"mill00", 4, 0}, {"mill00_up1", 4, 0}, {"mill00_up2", 4, 0}, {"sawmill00", 5, 0},
        {"sawmill00_up1", 4, 0}, {"sawmill00_up2", 4, 0}, {"goldmill00", 5, 0}, {"goldmill00_up1", 4, 0},
        {"goldmill00_up2", 4, 0}, {"mill00_sh", 1, 0}, {"sawmill00_sh", 1, 0}, {"goldmill00_sh", 1, 0},
        {"icon_head_circle", 1, 0}, {"mill00_fan", 1, 0}, {"goldmill00_seat", 1, 0},
        // Special buildings show their paid share frame by frame; the palette shows
        // the ruins' frame 4.
        {"lighthouse00", 4, 0}, {"ruins00", 5, 0}, {"castle_ice", 4, 0}, {"tower_advisor", 4, 0},
        {"source_life_water", 4, 0}, {"lighthouse00_sh", 1, 0}, {"ruins00_sh", 1, 0}, {"castle_ice_sh", 1, 0},
        {"tower_advisor_sh", 1, 0}, {"source_life_water_sh", 1, 0}, {"source_fountain", 1, 0},
        // Lake, bonfire, altars and bell: the clapper rests on frame 5.
        {"ice", 1, 0}, {"bonfire", 1, 0}, {"altar00", 1, 0}, {"bell00", 1, 0}, {"bell00_bell", 6, 0},
        // Enemies: the goblin's blow falls between frames 6 and 7.
        {"skeleton_death0", 2, 0}, {"witch_walk0", 1, 0}, {"succub_walk0", 1, 0},
        // The hero: his stand and strikes are one-shots; his portal.
        {"hero_wait0", 2, 0}, {"succub_portal", 2, 0},
        // The casters' one-shots end their states, so each needs two frames to end;
        // a tower's levels rise over their frames; a barrel frame per direction.
        {"wife_magic0", 2, 0},    {"wife_magic1", 2, 0},    {"wife_magic2", 2, 0},    {"wife_magic3", 2, 0},
        {"wife_hair0", 2, 0},     {"wife_stand0", 2, 0},    {"wife_skovoroda0", 2, 0},
        {"wife_run0", 1, 0},      {"wife_run1", 1, 0},      {"wife_run2", 1, 0},      {"wife_run3", 1, 0},
        {"wife_walk0", 1, 0},     {"wife_walk1", 1, 0},     {"wife_walk2", 1, 0},     {"wife_walk3", 1, 0},
        {"succub_appear0", 2, 0}, {"succub_magic0", 2, 0},  {"succub_magic1", 2, 0},  {"succub_magic2", 2, 0},
        {"succub_magic3", 2, 0},  {"succub_death0", 2, 0},  {"succub_death1", 2, 0},  {"succub_death2", 2, 0},
        {"succub_death3", 2, 0},  {"succub_walk1", 1, 0},   {"succub_walk2", 1, 0},   {"succub_walk3", 1, 0},
        {"witch_appear0", 2, 0},  {"witch_magic0", 2, 0},   {"witch_magic1", 2, 0},   {"witch_magic2", 2, 0},
        {"witch_magic3", 2, 0},   {"witch_death0", 2, 0},   {"witch_death1", 2, 0},   {"witch_death2", 2, 0},
        {"witch_death3", 2, 0},   {"witch_walk1", 1, 0},    {"witch_walk2", 1, 0},    {"witch_walk3", 1, 0},
        {"zone1x1", 4, 0},        {"tower00", 4, 0},        {"tower00_up1", 4, 0},    {"tower00_up2", 4, 0},
        {"tower00_sh", 1, 0},     {"tower_enemy00", 1, 0},  {"cannon", 1, 0},         {"tank", 1, 0},
        // The tank gun's frames are its nine aims.
        {"tank_gun", 9, 9},
    };
    for (const char* base : {"worker_stand", "worker_run", "worker_walk", "worker_build", "worker_pick", "worker_hack",
                             "worker_bag", "worker_tied", "worker_kontuz", "worker_scared", "goblin_walk", "goblin_bag",
                             "goblin_fear", "goblin_protect", "skeleton_walk", "hero_run", "hero_walk"}) {
        AddDirections(table, base, 1);
    }
    AddDirections(table, "goblin_pick", 8);
    AddDirections(table, "skeleton_lost_hand", 2);
    AddDirections(table, "hero_strike", 2);
    for (const char* spell : {"spell_fast_workers", "spell_fast_food", "spell_restore_tree", "spell_freeze_water",
                              "spell_kill_enemies", "spell_shield", "enemy_spell_kill_workers",
                              "enemy_spell_kill_towers"}) {
        table.push_back({std::string(spell) + "_off", 1, 0});
        table.push_back({std::string(spell) + "_on", 1, 0});
    }
    return table;
}

const std::vector<FrameNeed>& FrameNeeds()
{
    static const std::vector<FrameNeed> table = MakeFrameNeeds();
    return table;
}

using LevelDataTest = test::GameTourTest;

TEST_F(LevelDataTest, LevelClasses_FindEverythingTheyUseInTheDataTree)
{
    Start();
    // Made while the core runs, so the core owns it and the objects added to it.
    auto* screen = new test::TestLevelScreen();
    for (const LevelClassNames& entry : LevelClasses()) {
        for (const char* name : entry.typeNames) {
            std::unique_ptr<cObject> made = NewLevelObject(entry.typeId, screen);
            ASSERT_NE(made, nullptr) << entry.typeId;
            cObject* object = made.release();
            screen->AddObject(object, 0);
            object->SetText(entry.text);
            object->SetSprite(name);
            if (auto* game = dynamic_cast<cGameObject*>(object)) game->GetHintText();
        }
    }

    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    for (const char* name : Sounds()) EXPECT_NE(sounds->FindSoundBuffer(name), 0) << "sound " << name;
    for (const char* key : TextKeys()) {
        const auto found = vrk::TextTable().find(key);
        EXPECT_TRUE(found != vrk::TextTable().end() && !found->second.empty()) << "text " << key;
    }
    for (const char* name : Effects()) {
        EffectHolder holder;
        holder.SetEffect(nullptr, name);
        EXPECT_NE(holder.GetParams(), nullptr) << "effect " << name;
    }
    for (const char* name : LightTextures()) EXPECT_NE(vrk::FindTexture(name), nullptr) << "light " << name;
    for (const FrameNeed& need : FrameNeeds()) {
        const auto found = GetTextureInfoExMap().find(need.sprite);
        const uint32_t frames = found != GetTextureInfoExMap().end() && found->second ? found->second->GetFrameCount() : 0;
        EXPECT_GE(frames, need.atLeast) << need.sprite;
        if (need.atMost > 0) {
            EXPECT_LE(frames, need.atMost) << need.sprite;
        }
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
