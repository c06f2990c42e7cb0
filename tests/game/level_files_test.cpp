// The play levels "level000.lvl".."level039.lvl" as the started game loads them:
// each of the forty files exists, loads into the level screen without a warning, holds the
// named objects its hints, scripts and achievements look for, carries a 31 x 25
// path grid on which the home reaches every clickable object, and keeps its
// clickable objects off the screen's edges and out from under the HUD's controls.
// Also the level library's placement against the screen's own cell arithmetic.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/sound/sound_manager.h"
#include "framework/app/player_base.h"
#include "framework/widgets/level_file.h"
#include "game/level/level_table.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "objects/source.h"
#include "objects/worker.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr const char* kLevelFolder = KELVARA_SOURCE_DIR "/data/level/";
constexpr const char* kBackFolder = KELVARA_SOURCE_DIR "/data/texture/back/";
constexpr const char* kLibraryLevel = KELVARA_SOURCE_DIR "/tests/data/levels/level_lib_test.lvl";
constexpr int32_t kGridWidth = 31;
constexpr int32_t kGridHeight = 25;
constexpr float kScreenWidth = 1024.0f;
constexpr float kScreenHeight = 768.0f;
// How far a clickable object's position keeps from the screen's edges.
constexpr float kEdgeMargin = 32.0f;
// The spacing of the points of a control that are tried against the objects.
constexpr float kProbeStep = 4.0f;
constexpr int kLoadTicks = 30;

struct NamedObject {
    const char* name;
    int32_t type;
};

// What each level must hold: objects by name and classes by type id.
struct LevelContents {
    std::vector<NamedObject> named;
    std::vector<int32_t> kinds;
};

std::vector<NamedObject> Camps(int count)
{
    std::vector<NamedObject> camps;
    static const char* const kNames[] = {"base_enemy0", "base_enemy1", "base_enemy2", "base_enemy3"};
    for (int i = 0; i < count; ++i) camps.push_back({kNames[i], kTypeBaseEnemy});
    return camps;
}

std::vector<NamedObject> Join(std::vector<NamedObject> first, const std::vector<NamedObject>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const std::vector<LevelContents>& Contents()
{
    static const std::vector<LevelContents> table{
        /* 000 */ {{{"tree0", kTypeSource}, {"bridge0", kTypeBarrier}, {"bridge1", kTypeBarrier},
                    {"field0", kTypeField}, {"barrier0", kTypeBarrier}, {"altar0", kTypeAltar}, {"house0", kTypeBuild}},
                   {kTypeWife}},
        /* 001 */ {{{"tower0", kTypeTower}}, {kTypeBaseEnemy, kTypeHero}},
        /* 002 */ {{}, {}},
        /* 003 */ {{}, {kTypeBaseEnemy, kTypeHero, kTypePlant}},
        /* 004 */ {{}, {kTypeAltar, kTypeBaseEnemy}},
        /* 005 */ {{}, {kTypeBaseEnemy}},
        /* 006 */ {Camps(3), {kTypeHero}},
        /* 007 */ {{}, {}},
        /* 008 */ {{}, {kTypeTunnelBuild, kTypeBandit, kTypeWayPoint}},
        /* 009 */ {{{"altar_enemy0", kTypeAltarEnemy}, {"altar0", kTypeAltar}, {"bell0", kTypeBell},
                    {"house0", kTypeBuild}},
                   {kTypeWife, kTypeLake}},
        /* 010 */ {{{"stone0", kTypeBarrier}}, {}},
        /* 011 */ {{{"key_altar0", kTypeTunnelBuild}, {"worker0", kTypeWorker}}, {kTypeBaseEnemy}},
        /* 012 */ {{}, {kTypeBaseEnemy, kTypeTower}},
        /* 013 */ {{}, {kTypeBaseEnemy}},
        /* 014 */ {{}, {}},
        /* 015 */ {Camps(4), {kTypeBonfire}},
        /* 016 */ {Camps(2), {}},
        /* 017 */ {{}, {kTypeTower, kTypeAltar}},
        /* 018 */ {{}, {}},
        /* 019 */ {{{"tower_enemy0", kTypeTower}, {"altar0", kTypeAltar}}, {}},
        /* 020 */ {{{"tank0", kTypeTank}, {"bell0", kTypeBell}}, {}},
        /* 021 */ {Join({{"lighthouse0", kTypeTunnelBuild}}, Camps(2)), {}},
        /* 022 */ {Camps(2), {kTypeTunnelBuild}},
        /* 023 */ {{}, {kTypeTunnelBuild, kTypeTank}},
        /* 024 */ {{}, {kTypeTunnelBuild, kTypeBandit}},
        /* 025 */ {{{"bandit0", kTypeBandit}, {"prison0", kTypePrison}}, {kTypeWife}},
        /* 026 */ {{}, {}},
        /* 027 */ {Camps(2), {kTypeBarrier}},
        /* 028 */ {Camps(4), {}},
        /* 029 */ {{}, {kTypeBaseEnemy}},
        /* 030 */ {{}, {kTypeTunnelBuild, kTypeBandit}},
        /* 031 */ {{}, {kTypeTunnelBuild}},
        /* 032 */ {Join({{"altar_enemy0", kTypeAltarEnemy}}, Camps(3)), {}},
        /* 033 */ {{}, {}},
        /* 034 */ {{}, {kTypeTunnelBuild}},
        /* 035 */ {Join({{"bonfire0", kTypeBonfire}, {"bonfire1", kTypeBonfire}}, Camps(2)), {}},
        /* 036 */ {{{"altar0", kTypeAltar}}, {kTypeBaseEnemy}},
        /* 037 */ {{{"mill0", kTypePlant}}, {kTypeBaseEnemy}},
        /* 038 */ {{}, {kTypeTunnelBuild}},
        /* 039 */ {{}, {}},
    };
    return table;
}

std::string LevelId(size_t index)
{
    char id[8];
    std::snprintf(id, sizeof id, "%03zu", index);
    return id;
}

bool FileExists(const std::string& path)
{
    vrk::cByteStream stream;
    return stream.LoadFromFile(path) == 0;
}

// The path grid as the file stores it after the objects: its own header and the
// cost of every cell, column by column.
struct GridTail {
    int32_t width = -1;
    int32_t height = -1;
    std::vector<float> costs;

    float Cost(int32_t x, int32_t y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) return -1.0f;
        return costs[static_cast<size_t>(x) * static_cast<size_t>(height) + static_cast<size_t>(y)];
    }
};

bool ReadGridTail(const std::string& path, GridTail& tail)
{
    vrk::cByteStream stream;
    if (stream.LoadFromFile(path) != 0) return false;
    cLevelFile level;
    level.SetFallbackCreator(NewLevelObject);
    if (!level.Load(stream)) return false;
    tail.width = static_cast<int32_t>(stream.ReadInt32());
    tail.height = static_cast<int32_t>(stream.ReadInt32());
    if (tail.width != kGridWidth || tail.height != kGridHeight) return true;
    tail.costs.resize(static_cast<size_t>(tail.width * tail.height));
    for (float& cost : tail.costs) {
        stream.ReadFloat(cost);
        stream.ReadInt32();
    }
    return true;
}

bool IsHouseSite(const cObject* object)
{
    return object->GetTypeId() == kTypeBuild && object->GetSprite() == "house00";
}

// What the player clicks: buildings (the home and enemy towers aside), obstacles,
// sources, fields, altars, bells and bonfires.
bool IsClickable(const cMagicWidget& screen, cObject* object)
{
    if (object == static_cast<cObject*>(screen.home)) return false;
    if (object->GetSprite() == "tower_enemy00") return false;
    for (int32_t kind : {kTypeBuild, kTypeBarrier, kTypeSource, kTypeField, kTypeAltar, kTypeBell, kTypeBonfire}) {
        if (object->IsKindOf(kind)) return true;
    }
    return false;
}

// Whether the level holds what completes the task: house sites for the workers
// wanted, enough counted buildings that stay at level 0, and a source of each
// resource asked for.
std::string MissingForTask(cMagicWidget& screen, const TaskRecord& task)
{
    ObjectList all;
    screen.FindObjectsOfKind(all, kTypeObject, -1);
    uint32_t have = 0;
    if (task.kind == kTypeWorker) {
        for (cObject* object : all) {
            auto* build = dynamic_cast<cBuild*>(object);
            if (object->GetTypeId() == kTypeWorker && object->GetState() != cWorker::kStateCutOff) ++have;
            if (build != nullptr && IsHouseSite(object) && build->GetLevel() < 0) ++have;
        }
        return have >= task.target ? "" : "too few workers and house sites";
    }
    if (task.kind != 0) {
        for (cObject* object : all) {
            auto* build = dynamic_cast<cBuild*>(object);
            if (build == nullptr || !object->IsKindOf(static_cast<int32_t>(task.kind)) || object->GetSprite() != task.name) {
                continue;
            }
            // Only level 0 counts, so a counted building must not be raised.
            if (build->GetMaxLevel() == 0 || object->IsKindOf(kTypeTunnelBuild)) ++have;
        }
        return have >= task.target ? "" : "too few " + task.name + " buildings kept at level 0";
    }
    const auto sourceOf = [&](int32_t kind) {
        for (cObject* object : all) {
            auto* source = dynamic_cast<cSource*>(object);
            if (source != nullptr && source->GetKind() == kind) return true;
        }
        return false;
    };
    const auto plant = [&](const char* sprite) {
        for (cObject* object : all) {
            if (object->IsKindOf(kTypePlant) && object->GetSprite() == sprite) return true;
        }
        return false;
    };
    bool found = true;
    if (task.name == "wood") found = sourceOf(cSource::kKindTree) || plant("sawmill00");
    if (task.name == "money") found = sourceOf(cSource::kKindNugget) || plant("goldmill00");
    if (task.name == "mana") found = sourceOf(cSource::kKindWell);
    if (task.name == "food") {
        ObjectList fields;
        found = screen.FindObjectsOfKind(fields, kTypeField, -1) > 0 || plant("mill00");
    }
    if (task.name == "tower_advisor") {
        found = false;
        for (cObject* object : all) found = found || object->GetSprite() == "tower_advisor";
    }
    return found ? "" : "no source of " + task.name;
}

class LevelFilesTest : public test::GameTour {
protected:
    // Every complaint and warning the level left in the log.
    std::string LevelWarnings() const
    {
        std::string text;
        for (const std::string& line : Complaints()) text += line + "\n";
        for (const std::string& line : Warnings()) text += line + "\n";
        return text;
    }

    // Loads the level of that index the way the map does: the player's current
    // level, then the level screen focused.
    cMagicWidget* LoadLevel(size_t index) { return ShowLevel(static_cast<uint32_t>(index), kLoadTicks); }

    void CheckLevel(size_t index, cMagicWidget& screen);
    void CheckGrid(const GridTail& tail, cMagicWidget& screen);
    void CheckControls(cMagicWidget& screen);
};

void LevelFilesTest::CheckLevel(size_t index, cMagicWidget& screen)
{
    const std::string id = LevelId(index);
    EXPECT_EQ(screen.GetLevelName(), id);
    std::vector<std::string> tasks;
    for (const TaskRecord& task : screen.Tasks().records) {
        tasks.push_back(task.id);
        EXPECT_FALSE(task.done) << task.id << " is done at the start";
        EXPECT_EQ(MissingForTask(screen, task), "") << task.id;
    }
    std::vector<std::string> wanted;
    for (const char* key : LevelTaskKeys(index)) {
        if (key != nullptr) wanted.push_back(key);
    }
    EXPECT_EQ(tasks, wanted);

    const LevelContents& contents = Contents()[index];
    for (const NamedObject& named : contents.named) {
        cObject* object = screen.FindObject(named.name, -1);
        ASSERT_NE(object, nullptr) << named.name;
        EXPECT_EQ(object->GetTypeId(), named.type) << named.name;
    }
    for (int32_t kind : contents.kinds) {
        ObjectList found;
        EXPECT_GT(screen.FindObjectsOfKind(found, kind, -1), 0u) << "no object of type " << kind;
    }

    // Items belong to plants; every house site has its door.
    ObjectList all;
    screen.FindObjectsOfKind(all, kTypeObject, -1);
    std::set<int32_t> nodeHolders;
    for (cObject* object : all) {
        if (object->GetTypeId() == kTypeNode) nodeHolders.insert(object->GetLinkId());
    }
    for (cObject* object : all) {
        if (object->GetTypeId() == kTypeItem) {
            cObject* plant = screen.FindObjectById(static_cast<uint32_t>(object->GetLinkId()), -1);
            EXPECT_TRUE(plant != nullptr && plant->IsKindOf(kTypePlant)) << "item " << object->GetName();
        }
        if (IsHouseSite(object)) {
            EXPECT_EQ(nodeHolders.count(object->GetId()), 1u) << "house " << object->GetName();
        }
        if (!IsClickable(screen, object)) continue;
        const vec2 at = screen.WorldToScreen(object->GetPosition());
        EXPECT_TRUE(at.x >= kEdgeMargin && at.x <= kScreenWidth - kEdgeMargin && at.y >= kEdgeMargin &&
                    at.y <= kScreenHeight - kEdgeMargin)
            << object->GetName() << " at " << at.x << ", " << at.y << " is on the screen's edge";
    }

    // The sounds the level's start and weather play, looked up by name.
    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    std::vector<std::string> played{"start_game", "ambi_forest"};
    const char* weather = LevelRows()[index].weather;
    if (weather != nullptr && std::string(weather) == "rain") played.push_back("ambi_rain");
    for (const std::string& name : played) EXPECT_NE(sounds->FindSoundBuffer(name), 0) << "sound " << name;
    EXPECT_NE(sounds->FindMusic(LevelRows()[index].music), 0) << "music " << LevelRows()[index].music;

    // Every background quarter exists as a file.
    for (int quarter = 0; quarter < 4; ++quarter) {
        EXPECT_TRUE(FileExists(kBackFolder + id + "_" + std::to_string(quarter) + ".png")) << "back " << quarter;
    }
}

void LevelFilesTest::CheckGrid(const GridTail& tail, cMagicWidget& screen)
{
    ASSERT_EQ(tail.width, kGridWidth);
    ASSERT_EQ(tail.height, kGridHeight);
    ASSERT_NE(screen.home, nullptr);

    ObjectList all;
    screen.FindObjectsOfKind(all, kTypeObject, -1);
    const auto walkable = [&](cObject* object) {
        const GridCell cell = screen.ObjectToCell(object);
        return tail.Cost(cell.x, cell.y) >= 0.0f;
    };
    EXPECT_TRUE(walkable(screen.home)) << "the home";
    bool freezesWater = false;
    for (cObject* object : all) {
        cObject* holder = object->GetTypeId() == kTypeNode
                              ? screen.FindObjectById(static_cast<uint32_t>(object->GetLinkId()), -1)
                              : nullptr;
        if (object->GetTypeId() == kTypeWorker || (holder != nullptr && IsHouseSite(holder))) {
            EXPECT_TRUE(walkable(object)) << object->GetName() << " stands on a blocked cell";
        }
        if (object->GetTypeId() == kTypeAltar && object->GetSprite() == "spell_freeze_water") {
            freezesWater = true;
        }
    }

    // Footprints block the way, but for what the player can clear: barriers and
    // bridges, and lakes where an altar freezes them.
    std::vector<int> open(static_cast<size_t>(kGridWidth * kGridHeight), 0);
    const auto at = [](int32_t x, int32_t y) { return static_cast<size_t>(x * kGridHeight + y); };
    for (int32_t x = 0; x < kGridWidth; ++x) {
        for (int32_t y = 0; y < kGridHeight; ++y) open[at(x, y)] = tail.Cost(x, y) >= 0.0f ? 1 : 0;
    }
    for (cObject* object : all) {
        auto* figure = dynamic_cast<cGameObject*>(object);
        if (figure == nullptr) continue;
        const bool passable = object->IsKindOf(kTypeBarrier) || (object->IsKindOf(kTypeLake) && freezesWater);
        if (passable) continue;
        const bool marks = object->IsKindOf(kTypeBuild) || object->IsKindOf(kTypeAltar) ||
                           object->IsKindOf(kTypeAltarEnemy) || object->IsKindOf(kTypeSource) ||
                           object->IsKindOf(kTypeField) || object->IsKindOf(kTypeLake) ||
                           object->IsKindOf(kTypeBell) || object->IsKindOf(kTypeBonfire);
        if (!marks) continue;
        GridCell first;
        GridCell last;
        if (!screen.GetObjectCells(object, first, last)) continue;
        for (int32_t x = std::max(first.x, 0); x <= last.x && x < kGridWidth; ++x) {
            for (int32_t y = std::max(first.y, 0); y <= last.y && y < kGridHeight; ++y) open[at(x, y)] = 0;
        }
    }
    // The walk starts at the home's door cells: its footprint's ring.
    std::vector<int> reached(open.size(), 0);
    std::deque<GridCell> queue;
    const auto touches = [&](cObject* object, const auto& visit) {
        GridCell first;
        GridCell last;
        if (!screen.GetObjectCells(object, first, last)) return;
        for (int32_t x = first.x - 1; x <= last.x + 1; ++x) {
            for (int32_t y = first.y - 1; y <= last.y + 1; ++y) {
                if (x >= 0 && y >= 0 && x < kGridWidth && y < kGridHeight) visit(x, y);
            }
        }
    };
    touches(screen.home, [&](int32_t x, int32_t y) {
        if (open[at(x, y)] != 0 && reached[at(x, y)] == 0) {
            reached[at(x, y)] = 1;
            queue.push_back(GridCell{x, y});
        }
    });
    while (!queue.empty()) {
        const GridCell cell = queue.front();
        queue.pop_front();
        const GridCell steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const GridCell& step : steps) {
            const int32_t x = cell.x + step.x;
            const int32_t y = cell.y + step.y;
            if (x < 0 || y < 0 || x >= kGridWidth || y >= kGridHeight) continue;
            if (open[at(x, y)] == 0 || reached[at(x, y)] != 0) continue;
            reached[at(x, y)] = 1;
            queue.push_back(GridCell{x, y});
        }
    }
    for (cObject* object : all) {
        if (!IsClickable(screen, object)) continue;
        // Workers head for the object's first route point (or its position): that
        // cell, or a neighbour of it when it lies on the footprint, must be reached.
        std::vector<vec2> linked;
        object->GetLinkedPoints(linked);
        ASSERT_FALSE(linked.empty());
        const GridCell goal = screen.PointToCell(linked.front());
        bool found = false;
        const GridCell around[] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const GridCell& step : around) {
            const int32_t x = goal.x + step.x;
            const int32_t y = goal.y + step.y;
            if (x < 0 || y < 0 || x >= kGridWidth || y >= kGridHeight) continue;
            const bool entry = step.x == 0 && step.y == 0;
            if (!entry && !screen.IsCellOnObject(object, goal)) continue;
            found = found || reached[at(x, y)] != 0;
        }
        EXPECT_TRUE(found) << object->GetName() << " (" << object->GetSprite() << ") cannot be reached from the home; goal "
                           << goal.x << "," << goal.y << " open " << open[at(goal.x, goal.y)];
    }
}

void LevelFilesTest::CheckControls(cMagicWidget& screen)
{
    vrk::cWindow* window = game->gui->FindWindow("level");
    ASSERT_NE(window, nullptr);
    ObjectList all;
    screen.FindObjectsOfKind(all, kTypeObject, -1);
    for (const auto& control : window->Controls()) {
        if (!control->IsUsable()) continue;
        const vrk::GuiRect rect = control->GetRect();
        for (cObject* object : all) {
            if (!IsClickable(screen, object)) continue;
            bool under = false;
            for (float x = rect.x; x <= rect.x + rect.width && !under; x += kProbeStep) {
                for (float y = rect.y; y <= rect.y + rect.height && !under; y += kProbeStep) {
                    under = object->HitTest(screen.ScreenToWorld(vec2{x, y})) != 0;
                }
            }
            EXPECT_FALSE(under) << object->GetName() << " lies under the control " << control->GetName();
        }
    }
}

class LevelLibraryTest : public test::GameTour {};

TEST_F(LevelFilesTest, EveryLevelFileLoadsCompleteAndReachable)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    size_t checked = 0;
    for (size_t index = 0; index < kLevelCount; ++index) {
        const std::string path = kLevelFolder + std::string("level") + LevelId(index) + ".lvl";
        SCOPED_TRACE("level " + LevelId(index));
        ASSERT_TRUE(FileExists(path)) << path;
        // Read before the level starts: the objects of a level read on the side set
        // the level screen's pointers (home, plants) as they are made.
        GridTail tail;
        ASSERT_TRUE(ReadGridTail(path, tail));
        lines.clear();
        cMagicWidget* screen = LoadLevel(index);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(Focused(), "level");
        EXPECT_EQ(LevelWarnings(), "");
        CheckLevel(index, *screen);
        CheckGrid(tail, *screen);
        CheckControls(*screen);
        ++checked;
        app->ShowComics("menu", "level");
        Frames(2);
    }
    EXPECT_EQ(checked, kLevelCount);
}

TEST_F(LevelLibraryTest, PlacedOnACellCentre_ComesBackAsThatCell)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(player->currentLevel);
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(stream->LoadFromFile(kLibraryLevel), 0);
    auto* screen = Screen<cMagicWidget>("level");
    ASSERT_NE(screen, nullptr);
    app->ShowComics("level", "menu");
    Frames(2);
    ASSERT_EQ(screen->GetLevelName(), "level_lib_test");

    int placed = 0;
    for (int32_t x = 0; x < kGridWidth; ++x) {
        for (int32_t y = 0; y < kGridHeight; ++y) {
            cObject* node = screen->FindObject("cell_" + std::to_string(x) + "_" + std::to_string(y), -1);
            if (node == nullptr) continue;
            ++placed;
            const GridCell cell = screen->PointToCell(node->GetPosition());
            EXPECT_EQ(cell.x, x);
            EXPECT_EQ(cell.y, y);
        }
    }
    // The cells whose centres lie in the 1024 x 768 level area.
    EXPECT_EQ(placed, 393);
}

}  // namespace
