// The tool-built test level of the level classes (tests/data/levels/objects_test.lua)
// loaded into the stand-in level screen: every object of the file is there, set up
// by its type name in the layer the file gives, its route points linked, and the
// level's grid read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/objects/node.h"
#include "framework/objects/render_area.h"
#include "framework/objects/render_highlight.h"
#include "objects/barrier.h"
#include "objects/build.h"
#include "objects/field.h"
#include "objects/item.h"
#include "objects/level_contract.h"
#include "objects/source.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/objects_test.lvl";
constexpr int kFrames = 6;

// What the source gives each object, and the sprite its set-up shows first ("" for
// none).
struct FileObject {
    const char* name;
    int32_t typeId;
    const char* sprite;
    const char* tag;
    int32_t layer;
    const char* shows;
};

const std::vector<FileObject>& FileObjects()
{
    static const std::vector<FileObject> table = {
        {"tree_a", kTypeSource, "tree00_0", "", 6, "tree00_0"},
        {"tree_b", kTypeSource, "tree00_3", "", 6, "tree00_3"},
        {"tree_c", kTypeSource, "tree01_0", "", 6, "tree01_0"},
        {"tree_d", kTypeSource, "tree01_2", "", 6, "tree01_2"},
        {"nugget", kTypeSource, "nugget00", "", 6, "nugget00"},
        {"well", kTypeSource, "well00", "", 6, "well00"},
        {"field_a", kTypeField, "field00", "", 4, "field00"},
        {"field_b", kTypeField, "field01", "", 4, "field01"},
        {"log", kTypeBarrier, "log00", "", 5, "log00"},
        {"item_food", kTypeItem, "food", "", 6, "food"},
        {"item_wood", kTypeItem, "wood", "", 6, "wood"},
        {"item_money", kTypeItem, "money", "", 6, "money"},
        {"item_mana", kTypeItem, "mana", "", 6, "mana"},
        {"stone", kTypeBarrier, "stone00", "", 5, "stone00"},
        {"stone_big", kTypeBarrier, "stone_big00", "", 6, "stone_big00"},
        {"bridge", kTypeBarrier, "bridge00", "", 4, "bridge00"},
        {"bridge_big", kTypeBarrier, "bridge_big00", "", 4, "bridge_big00"},
        {"home", kTypeBuild, "base00", "", 6, "base00"},
        {"house_new", kTypeBuild, "house00", "2", 6, "zone3x2"},
        {"house_built", kTypeBuild, "house00", "1;0", 6, "house00"},
        {"house_up", kTypeBuild, "house00", "2;1", 6, "house00_up1"},
        {"home_door_a", kTypeNode, "", "", 7, ""},
        {"home_door_b", kTypeNode, "", "", 7, ""},
        {"house_new_door", kTypeNode, "", "", 7, ""},
        {"house_up_door", kTypeNode, "", "", 7, ""},
        {"well_stand", kTypeNode, "", "", 7, ""},
    };
    return table;
}

class ObjectsLevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Each sprite over a texture of its own name, so what an object shows tells
        // which sprite it bound.
        for (const char* name : {"tree00_0", "tree00_3", "tree01_0", "tree01_2", "stump00", "nugget00", "well00",
                                 "field00", "field01", "food", "wood", "money", "mana", "log00", "stone00",
                                 "stone_big00", "bridge00", "bridge_big00", "base00", "house00", "house00_up1",
                                 "house00_up2", "zone3x2"})
            test::RegisterTestSprite(name, kFrames, 0.0f);
        vrk::cByteStream stream;
        ASSERT_EQ(stream.LoadFromFile(kLevelFile), 0);
        ASSERT_TRUE(screen.LoadLevel(stream, 0));
        screen.LinkObjects();
    }

    template <class T>
    T* Find(const std::string& name)
    {
        return dynamic_cast<T*>(screen.FindObject(name, -1));
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen screen;
};

TEST_F(ObjectsLevelTest, Load_HoldsEveryObjectOfTheFileSetUpByItsTypeNameInItsLayer)
{
    EXPECT_EQ(screen.GetLevelName(), "objects_test");
    size_t loaded = 0;
    for (const auto& layer : screen.GetLayers()) {
        for (const cObject* object : layer) {
            const int32_t type = object->GetTypeId();
            loaded += type == kTypeRenderArea || type == kTypeRenderHighlight ? 0 : 1;
        }
    }
    EXPECT_EQ(loaded, FileObjects().size());

    for (const FileObject& entry : FileObjects()) {
        const cObject* object = screen.FindObject(entry.name, -1);
        ASSERT_NE(object, nullptr) << entry.name;
        EXPECT_EQ(object->GetTypeId(), entry.typeId) << entry.name;
        EXPECT_EQ(object->GetSprite(), entry.sprite) << entry.name;
        EXPECT_EQ(object->GetText(), entry.tag) << entry.name;
        EXPECT_EQ(object->GetLayer(), entry.layer) << entry.name;
        const SpriteInfo* shown = object->GetAnimation();
        const std::string texture = shown != nullptr && shown->texture ? shown->texture->name : std::string();
        EXPECT_EQ(texture, std::string(entry.shows).empty() ? "" : std::string(entry.shows) + "_tex") << entry.name;
    }
}

TEST_F(ObjectsLevelTest, Load_GivesEachClassTheStateItsTypeNameAndTextAsk)
{
    EXPECT_EQ(Find<cSource>("tree_d")->GetKind(), cSource::kKindTree);
    EXPECT_EQ(Find<cSource>("nugget")->GetPortions(), 5);
    EXPECT_EQ(Find<cSource>("well")->GetPortions(), cSource::kEndless);
    EXPECT_EQ(screen.livingTrees, 4);
    EXPECT_EQ(screen.nuggets, 1);
    EXPECT_EQ(screen.standingLogs, 1);
    EXPECT_EQ(Find<cField>("field_b")->GetState(), cField::kStateGrowing);
    EXPECT_EQ(Find<cItem>("item_mana")->GetYield().amounts[3], cItem::kItemAmount);
    EXPECT_EQ(Find<cBarrier>("bridge_big")->GetCost().amounts[0], 120);

    // The home base is the level's home; each house starts at the level its text says,
    // a built one on the last frame of that level's picture.
    EXPECT_EQ(screen.home, Find<cBuild>("home"));
    const struct {
        const char* name;
        int32_t level;
        int32_t maxLevel;
        int32_t state;
    } houses[] = {
        {"house_new", cBuild::kNotBuilt, 2, kStateNone},
        {"house_built", 0, 1, kStateWorkDone},
        {"house_up", 1, 2, kStateWorkDone},
    };
    for (const auto& house : houses) {
        cBuild* build = Find<cBuild>(house.name);
        ASSERT_NE(build, nullptr) << house.name;
        EXPECT_EQ(build->GetLevel(), house.level) << house.name;
        EXPECT_EQ(build->GetMaxLevel(), house.maxLevel) << house.name;
        EXPECT_EQ(build->GetState(), house.state) << house.name;
        if (house.state == kStateWorkDone) {
            // Standing finished from the first frame, not rising out of its foundation.
            EXPECT_EQ(build->GetFrame(), kFrames - 1) << house.name;
            EXPECT_EQ(build->GetFadeTimer(), 0.0f) << house.name;
        }
    }
}

TEST_F(ObjectsLevelTest, LinkObjects_AttachesTheRoutePointsAndTheGridIsTheFilesOwn)
{
    EXPECT_EQ(Find<cBuild>("home")->GetAttached().size(), 2u);
    EXPECT_EQ(Find<cSource>("well")->GetAttached().size(), 1u);
    EXPECT_TRUE(Find<cBuild>("house_built")->GetAttached().empty());
    std::vector<vec2> points;
    Find<cBuild>("house_up")->GetLinkedPoints(points);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x, screen.FindObject("house_up_door", -1)->GetPosition().x);
    EXPECT_EQ(points[0].y, screen.FindObject("house_up_door", -1)->GetPosition().y);

    ASSERT_EQ(screen.GetGridWidth(), 22);
    ASSERT_EQ(screen.GetGridHeight(), 16);
    for (int32_t x = 0; x < 22; ++x) EXPECT_EQ(screen.GetCellCostAt({x, 6}), kTerrainImpassable) << x;
    EXPECT_EQ(screen.GetCellCostAt({11, 12}), kTerrainSlow);
    EXPECT_EQ(screen.GetCellCostAt({21, 7}), kTerrainImpassable);
    EXPECT_EQ(screen.GetCellCostAt({21, 5}), kTerrainFree);
    EXPECT_EQ(screen.GetCellCostAt({0, 0}), kTerrainFree);
}

}  // namespace
