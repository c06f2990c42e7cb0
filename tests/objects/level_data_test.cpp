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

// A level class and every type name its set-up recognises.
struct LevelClassNames {
    int32_t typeId;
    std::vector<const char*> typeNames;
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
        "tower00", "tower00_up", "tower_enemy00",
    };
    return table;
}

const std::vector<const char*>& Effects()
{
    static const std::vector<const char*> table = {"leaves", "wood_spark", "build_smoke", "build_smoke=32", "build_smoke=48"};
    return table;
}

const std::vector<const char*>& LightTextures()
{
    // None of the classes so far shows a light.
    static const std::vector<const char*> table = {};
    return table;
}

// The frames the logic counts on: a frame per portion, per growth step, per step of
// the work; the build icon's two frames (0 too dear, 1 affordable). No upper bound
// when atMost is 0.
struct FrameNeed {
    const char* sprite;
    uint32_t atLeast;
    uint32_t atMost;
};

const std::vector<FrameNeed>& FrameNeeds()
{
    static const std::vector<FrameNeed> table = {
        {"nugget00", 6, 0},     {"field00", 4, 0},      {"field01", 4, 0},      {"log00", 4, 0},
        {"stone00", 4, 0},      {"stone_big00", 4, 0},  {"bridge00", 4, 0},     {"bridge01", 4, 0},
        {"bridge_big00", 4, 0}, {"bridge_big01", 4, 0}, {"house00", 5, 0},      {"house00_up1", 4, 0},
        {"house00_up2", 4, 0},  {"icon_build", 2, 2},   {"well00_water", 2, 0}, {"well00_effect", 2, 0},
        {"base00_flag", 2, 0},
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
        {"tank_gun", 9, 9},
    };
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
