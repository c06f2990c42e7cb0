// Resource sources on the stand-in level screen: the type-name table, the work
// periods of nuggets, trees and wells with the level's counters and achievements,
// the early felling on level "011", the mouse test, a blow's shake and sparks and
// the bent tree quad.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"
#include "framework/objects/node.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/level_file.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "objects/source.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr uint32_t kSeed = 4711u;
constexpr float kTick = cObject::kTickSeconds;
constexpr int32_t kWood = 0;
constexpr int32_t kFood = 1;
constexpr int32_t kMoney = 2;
constexpr int32_t kMana = 3;

std::vector<int32_t> Amounts(const ResourceVector& vector) { return vector.amounts; }

class SourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.random.seed = kSeed;
        // Sizes and hot spots so that each frame stands on its position.
        test::RegisterTestSprite("nugget00", 6, 0.0f, 40.0f, 30.0f, 20.0f, 5.0f);
        test::RegisterTestSprite("well00", 3, 0.0f, 80.0f, 90.0f, 40.0f, 22.0f);
        test::RegisterTestSprite("tree00_0", 1, 0.0f, 110.0f, 130.0f, 55.0f, 10.0f);
        test::RegisterTestSprite("stump00", 2, 0.0f, 40.0f, 20.0f, 20.0f, 5.0f);
        test::RegisterTestSprite("tree00_sh", 1, 0.0f);
        level.Stock().amounts[kFood] = 1000;
    }
    void TearDown() override
    {
        for (const char* key : {"tree", "nugget00", "Price", "Profit", "FinishWork", "GameOver_011"}) {
            vrk::TextTable().erase(key);
        }
    }

    cSource* Make(const std::string& type, const GridCell& cell, const std::string& name = std::string())
    {
        auto* source = dynamic_cast<cSource*>(level.CreateObject(kTypeSource, 0));
        if (source == nullptr) return nullptr;
        const vec2 at = level.CellToPoint(cell);
        source->SetPosition(at.x, at.y);
        source->SetName(name);
        source->SetSprite(type);
        return source;
    }
    // One work period as a worker runs it: arrival, the timer's start, its ticks.
    static void WorkOnce(cSource* source)
    {
        source->SetState(kStateWorking);
        ASSERT_EQ(source->UpdateTimer(kTick), kTimerRestarted);
        int ticks = 0;
        while (source->UpdateTimer(kTick) != kTimerIdle) ASSERT_LT(++ticks, 1000);
    }
    static void Exhaust(cSource* source)
    {
        source->SetPortions(1);
        WorkOnce(source);
    }
    size_t CountPlayEvents(uint32_t code) const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == code ? 1 : 0;
        return count;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

struct TypeRow {
    const char* type;
    int32_t kind;
    int32_t portions;
    std::vector<int32_t> cost;
    std::vector<int32_t> yield;
    float period;
    float radius;
    vec2 standOffset;
    vec2 bar;
    vec2 marks;
    uint32_t shadowFrames;
};

TEST_F(SourceTest, SetSprite_SetsUpEachTypeNameAsItsTableSays)
{
    const std::vector<TypeRow> rows{
        {"nugget00", cSource::kKindNugget, 5, {0, 10, 0, 0}, {0, 0, 20, 0}, 4.7f, 20.0f, {}, {0, -20}, {-10, 10}, 0},
        {"well00", cSource::kKindWell, -1, {0, 0, 0, 0}, {0, 0, 0, 20}, 4.7f, 0.0f, {0, 25}, {0, -20}, {0, 10}, 0},
        {"tree00_0", cSource::kKindTree, 1, {0, 10, 0, 0}, {20, 0, 0, 0}, 4.0f, 110.0f / 3.0f, {}, {-20, -20},
         {-30, 15}, 1},
        {"tree01_2", cSource::kKindTree, 1, {0, 10, 0, 0}, {20, 0, 0, 0}, 4.0f, 0.0f, {}, {-20, -20}, {-30, 15}, 0},
        {"rock00", cSource::kKindOther, -1, {0, 0, 0, 0}, {0, 0, 0, 0}, 0.0f, 0.0f, {}, {}, {}, 0},
    };
    int32_t column = 0;
    for (const TypeRow& row : rows) {
        SCOPED_TRACE(row.type);
        cSource* source = Make(row.type, {column += 3, 4});
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(source->GetLayer(), cSource::kSourceLayer);
        EXPECT_EQ(source->GetState(), kStateWorkDone);
        EXPECT_EQ(source->GetSprite(), row.type);
        EXPECT_EQ(source->GetKind(), row.kind);
        EXPECT_EQ(source->GetPortions(), row.portions);
        EXPECT_EQ(Amounts(source->GetCost()), row.cost);
        EXPECT_EQ(Amounts(source->GetYield()), row.yield);
        EXPECT_FLOAT_EQ(source->GetTimerPeriod(), row.period);
        EXPECT_FLOAT_EQ(source->GetRadius(), row.radius);
        std::vector<vec2> points;
        source->GetLinkedPoints(points);
        ASSERT_EQ(points.size(), 1u);
        EXPECT_EQ(points[0], source->GetPosition() + row.standOffset);
        EXPECT_EQ(source->GetBarOffset(), row.bar);
        EXPECT_EQ(source->GetMarksOffset(), row.marks);
        EXPECT_EQ(source->GetShadow().info.frameCount, row.shadowFrames);
    }
    // A nugget with route nodes lets its walkers stand on them.
    cSource* nugget = Make("nugget00", {20, 10});
    auto* node = dynamic_cast<cNode*>(level.CreateObject(kTypeNode, 0));
    ASSERT_NE(node, nullptr);
    nugget->Attach(node);
    EXPECT_FLOAT_EQ(nugget->GetRadius(), 0.0f);
}

TEST_F(SourceTest, Nugget_GivesFivePortionsThenRefusesOrdersAndIsNoLongerHit)
{
    cSource* nugget = Make("nugget00", {4, 4});
    ASSERT_NE(nugget, nullptr);
    EXPECT_EQ(level.nuggets, 1);
    const vec2 inside = nugget->GetPosition() + vec2{0.0f, 5.0f};
    for (int32_t portion = 1; portion <= 5; ++portion) {
        SCOPED_TRACE(portion);
        EXPECT_EQ(nugget->GetOrderState(), kOrderAllowed);
        EXPECT_EQ(nugget->HitTest(inside), 1);
        EXPECT_EQ(nugget->GetCost().At(kFood), 10);
        nugget->SetState(kStateWorking);
        // The order being worked is paid already.
        EXPECT_TRUE(nugget->GetCost().IsZero());
        WorkOnce(nugget);
        EXPECT_EQ(nugget->GetYield().At(kMoney), 20);
        EXPECT_EQ(nugget->GetFrame(), portion);
        EXPECT_EQ(nugget->GetState(), portion < 5 ? kStateWorkDone : cSource::kStateExhausted);
    }
    EXPECT_EQ(nugget->GetPortions(), 0);
    EXPECT_EQ(nugget->GetOrderState(), kOrderRefused);
    EXPECT_EQ(nugget->HitTest(inside), 0);
    EXPECT_EQ(level.nuggets, 0);
    EXPECT_TRUE(level.achievements.empty());
}

TEST_F(SourceTest, WorkFrames_StayWithinShortAndMissingAnimations)
{
    // A nugget drawn with three frames shows its first one until the last portions.
    test::RegisterTestSprite("nugget00", 3, 0.0f);
    cSource* nugget = Make("nugget00", {4, 4});
    std::vector<int32_t> frames;
    for (int i = 0; i < 5; ++i) {
        WorkOnce(nugget);
        frames.push_back(nugget->GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{0, 0, 0, 1, 2}));
    // Without a sprite a nugget still works and gives; no frame is shown.
    GetTextureInfoExMap().erase("nugget00");
    cSource* bare = Make("nugget00", {8, 4});
    bare->SetPortions(2);
    WorkOnce(bare);
    WorkOnce(bare);
    EXPECT_EQ(bare->GetFrameCount(), 0);
    EXPECT_EQ(bare->GetFrame(), 0);
    EXPECT_EQ(bare->GetState(), cSource::kStateExhausted);
}

TEST_F(SourceTest, Tree_GivesWoodOnceBecomesAStumpFreesItsCellsAndGrowsBack)
{
    level.InitLevel("005");
    cSource* tree = Make("tree00_0", {5, 5});
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(level.IsCellBlockedXY(5, 5));
    EXPECT_EQ(CountPlayEvents(kEventZoneMarked), 1u);
    EXPECT_EQ(level.livingTrees, 1);
    // A worker that leaves before the work is done leaves it standing, counted once.
    tree->SetState(kStateWorking);
    tree->SetState(kStateWorkDone);
    EXPECT_EQ(level.livingTrees, 1);

    WorkOnce(tree);
    EXPECT_EQ(Amounts(tree->GetYield()), (std::vector<int32_t>{20, 0, 0, 0}));
    EXPECT_EQ(tree->GetState(), cSource::kStateExhausted);
    EXPECT_EQ(tree->GetAnimationKey(), "done");
    EXPECT_EQ(tree->GetFrame(), 1);  // the stump's last frame
    EXPECT_FALSE(level.IsCellBlockedXY(5, 5));
    EXPECT_EQ(CountPlayEvents(kEventZoneFreed), 1u);
    EXPECT_EQ(level.livingTrees, 0);
    EXPECT_EQ(tree->GetOrderState(), kOrderRefused);
    EXPECT_TRUE(level.achievements.empty());

    // The restoring spell: a portion, falling leaves, ready again.
    tree->SetPortions(1);
    tree->ShowLeaves(true);
    tree->SetState(kStateWorkDone);
    EXPECT_EQ(tree->GetAnimationKey(), "life");
    EXPECT_TRUE(level.IsCellBlockedXY(5, 5));
    EXPECT_EQ(level.livingTrees, 1);
    EXPECT_EQ(CountPlayEvents(kEventZoneMarked), 3u);
    EXPECT_TRUE(tree->GetLeaves().IsEmitting());
    float elapsed = 0.0f;
    int leafTicks = 0;
    while (elapsed < cSource::kLeavesSeconds) {
        elapsed += kTick;
        ++leafTicks;
    }
    for (int tick = 1; tick < leafTicks; ++tick) tree->Update();
    EXPECT_TRUE(tree->GetLeaves().IsEmitting());
    tree->Update();
    EXPECT_FALSE(tree->GetLeaves().IsEmitting());
}

TEST_F(SourceTest, Well_NeverRunsDryShowsItsLastFrameAndCostsNothing)
{
    RandomGen expected = app.random;
    cSource* well = Make("well00", {6, 6});
    ASSERT_NE(well, nullptr);
    const float startGlow = 0.4f + 0.6f * expected.NextFraction();
    EXPECT_FLOAT_EQ(well->GetGlow().current, startGlow);
    EXPECT_FLOAT_EQ(well->GetGlow().target, cSource::kGlowLow);
    for (int period = 0; period < 3; ++period) {
        EXPECT_EQ(well->GetOrderState(), kOrderAllowed);
        WorkOnce(well);
        EXPECT_EQ(well->GetState(), kStateWorkDone);
        EXPECT_EQ(well->GetYield().At(kMana), 20);
        EXPECT_TRUE(well->GetCost().IsZero());
        EXPECT_EQ(well->GetFrame(), 2);
    }
    // The glow sinks to 0.3, then rises to 1.0 and sinks again.
    std::vector<float> turns;
    float last = well->GetGlow().target;
    for (int tick = 0; tick < 30 * 6 && turns.size() < 2; ++tick) {
        well->Update();
        if (well->GetGlow().target != last) {
            turns.push_back(well->GetGlow().current);
            last = well->GetGlow().target;
        }
    }
    ASSERT_EQ(turns.size(), 2u);
    EXPECT_FLOAT_EQ(turns[0], cSource::kGlowLow);
    EXPECT_FLOAT_EQ(turns[1], cSource::kGlowHigh);
}

TEST_F(SourceTest, HintText_NamesTheSourceThenPriceAndProfitOrTheWorkInProgress)
{
    vrk::TextTable()["tree"] = "Tree";
    vrk::TextTable()["Price"] = "Price";
    vrk::TextTable()["Profit"] = "Profit";
    vrk::TextTable()["FinishWork"] = "Working";
    cSource* tree = Make("tree00_0", {5, 5});
    std::string cost;
    std::string profit;
    ResourceVector tenFood;
    tenFood.amounts[kFood] = 10;
    ResourceVector twentyWood;
    twentyWood.amounts[kWood] = 20;
    tenFood.FormatResourceCost(cost, level.Stock());
    twentyWood.FormatResourceAmounts(profit, true);
    EXPECT_EQ(tree->GetHintText(), "Tree\nPrice: " + cost + "\nProfit: " + profit);
    tree->SetState(kStateWorking);
    EXPECT_EQ(tree->GetHintText(), "Tree\nWorking");
    cSource* rock = Make("rock00", {8, 5});
    EXPECT_EQ(rock->GetHintText(), "\n");
}

TEST_F(SourceTest, HitTest_UsesTheOutlineAndIgnoresUsedOrHeldSources)
{
    cSource* tree = Make("tree00_0", {5, 5});
    const vec2 at = tree->GetPosition();
    struct Probe {
        vec2 offset;
        int32_t hit;
    };
    // Inside, beside the crown, and the four corners of the outline: by the edge
    // rule only the foot counts as inside.
    const std::vector<Probe> probes{{{0, 50}, 1},   {{50, 100}, 0}, {{-60, 57}, 0}, {{0, -10}, 1},
                                    {{0, 112}, 0},  {{-55, 57}, 0}, {{55, 57}, 0}};
    for (const Probe& probe : probes) {
        EXPECT_EQ(tree->HitTest(at + probe.offset), probe.hit) << probe.offset.x << "," << probe.offset.y;
    }
    ASSERT_TRUE(tree->TakePlace());
    EXPECT_EQ(tree->HitTest(at + vec2{0, 50}), 0);
    ASSERT_TRUE(tree->ReleasePlace());
    tree->SetHeldByGoblin(true);
    EXPECT_EQ(tree->HitTest(at + vec2{0, 50}), 0);
    tree->SetHeldByGoblin(false);
    EXPECT_EQ(tree->HitTest(at + vec2{0, 50}), 1);
    // An outline of two points holds nothing, frame or not.
    tree->HitPolygon() = {{-50, 0}, {50, 100}};
    EXPECT_EQ(tree->HitTest(at + vec2{0, 50}), 0);
}

TEST_F(SourceTest, LastTreeAndLastNugget_UnlockTheirAchievementsOnlyOnTheirLevels)
{
    struct Case {
        const char* level;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{{"014", {"achieve_wood"}}, {"023", {"achieve_money"}}, {"005", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        level.ClearLevel();
        level.achievements.clear();
        level.InitLevel(c.level);
        cSource* first = Make("tree00_0", {3, 3});
        cSource* second = Make("tree00_0", {6, 3});
        cSource* nugget = Make("nugget00", {9, 3});
        Exhaust(first);
        EXPECT_TRUE(level.achievements.empty());
        Exhaust(second);
        Exhaust(nugget);
        EXPECT_EQ(level.achievements, c.expected);
    }
}

TEST_F(SourceTest, MarkedTreeOnLevel011_LosesOnlyWhileTheMarkedStoneStands)
{
    vrk::TextTable()["GameOver_011"] = "The stone had to go first";
    struct Case {
        const char* name;
        int32_t stoneState;  // 0: no stone
        bool lost;
    };
    const std::vector<Case> cases{{"standing stone", 1, true},
                                  {"cleared stone", 2, false},
                                  {"no stone", 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        level.ClearLevel();
        level.postedEvents.clear();
        level.InitLevel("011");
        if (c.stoneState != 0) {
            auto* stone = new cGameObject(&level);
            stone->SetName("stone_game_over");
            stone->SetState(c.stoneState);
            level.AddObject(stone, 0);
        }
        Exhaust(Make("tree00_0", {3, 3}));
        EXPECT_TRUE(level.gameOverText.empty());
        Exhaust(Make("tree00_0", {6, 3}, "tree_game_over"));
        EXPECT_EQ(level.gameOverText, c.lost ? "The stone had to go first" : "");
        EXPECT_EQ(level.CountPosted(kEventLevelEnd, 0), c.lost ? 1u : 0u);
    }
}

TEST_F(SourceTest, Strike_ShakesTheTreeAwayFromTheBlowAndThrowsSparksForOneTick)
{
    cSource* tree = Make("tree00_0", {5, 5});
    const vec2 at = tree->GetPosition();
    struct Blow {
        float fromX;
        float phase;
        float minX;
        float maxX;
        float phaseAfterTwo;
    };
    // From the right the crown starts at the far side and sparks fly left.
    const std::vector<Blow> blows{{at.x + 30.0f, 1.0f, -80.0f, -20.0f, 0.8f},
                                  {at.x, 1.0f, -80.0f, -20.0f, 0.8f},
                                  {at.x - 30.0f, 0.0f, 20.0f, 80.0f, 0.4f}};
    for (const Blow& blow : blows) {
        SCOPED_TRACE(blow.fromX - at.x);
        tree->Strike(vec2{blow.fromX, at.y});
        EXPECT_FLOAT_EQ(tree->GetShake().phase, blow.phase);
        EXPECT_FLOAT_EQ(tree->GetShake().low, -0.3f);
        EXPECT_FLOAT_EQ(tree->GetShake().high, 0.3f);
        ASSERT_TRUE(tree->GetSparks().GetParams());
        EXPECT_TRUE(tree->GetSparks().IsEmitting());
        EXPECT_FLOAT_EQ(tree->GetSparks().GetParams()->velocityMin.x, blow.minX);
        EXPECT_FLOAT_EQ(tree->GetSparks().GetParams()->velocityMax.x, blow.maxX);
        EXPECT_FLOAT_EQ(tree->GetSparks().GetParams()->velocityMin.y, 20.0f);
        EXPECT_FLOAT_EQ(tree->GetSparks().GetParams()->velocityMax.y, 40.0f);
        tree->Update();
        EXPECT_FALSE(tree->GetSparks().IsEmitting());
        EXPECT_GT(tree->GetSparks().GetLiveCount(), 0u);
        EXPECT_FLOAT_EQ(tree->GetShake().low, -0.3f * 0.9f);
        tree->Update();
        EXPECT_FLOAT_EQ(tree->GetShake().high, 0.3f * 0.9f * 0.9f);
        EXPECT_NEAR(tree->GetShake().phase, blow.phaseAfterTwo, 1e-5f);
    }
    const float swing = tree->GetSway().Value() + tree->GetShake().Value();
    EXPECT_FLOAT_EQ(tree->GetBendAngle(), swing);
}

TEST_F(SourceTest, BendFrame_KeepsTheFootAndTurnsTheCrownAboutTheCentre)
{
    const Rect frame{100.0f, 50.0f, 110.0f, 130.0f};
    Quad plain;
    cSource::BendFrame(frame, 0.0f, plain);
    EXPECT_EQ(plain, (Quad{vec2{100, 50}, vec2{210, 50}, vec2{210, 180}, vec2{100, 180}}));
    Quad bent;
    const float angle = 0.25f;
    cSource::BendFrame(frame, angle, bent);
    EXPECT_EQ(bent[0], plain[0]);
    EXPECT_EQ(bent[1], plain[1]);
    // The top edge keeps its length and turns by the angle, centred as before.
    const vec2 top = bent[2] - bent[3];
    EXPECT_NEAR(top.x, 110.0f * std::cos(angle), 1e-3f);
    EXPECT_NEAR(top.y, 110.0f * std::sin(angle), 1e-3f);
    const vec2 centre{155.0f, 115.0f};
    EXPECT_NEAR((bent[2] - centre).Length(), (plain[2] - centre).Length(), 1e-3f);

    cSource* tree = Make("tree00_0", {5, 5});
    Rect treeFrame;
    tree->GetFrameRect(treeFrame, -1);
    Quad expected;
    cSource::BendFrame(treeFrame, tree->GetBendAngle(), expected);
    Quad drawn;
    tree->GetTreeQuad(drawn);
    EXPECT_EQ(drawn, expected);
}

TEST_F(SourceTest, Draw_LaysTheShadowUnderTheBentTreeAndTheWellsWaterAndGlowOverIt)
{
    vrk::VertexBatch batch;
    app.batch = &batch;
    test::RegisterTestSprite("well00_water", 2, 10.0f);
    test::RegisterTestSprite("well00_effect", 2, 10.0f);
    const auto textureOfRun = [&batch](size_t run) { return batch.runs[run].key; };
    const auto texture = [](const std::string& sprite) { return vrk::GetTextureMap()[sprite + "_tex"]; };

    cSource* tree = Make("tree00_0", {5, 5});
    tree->Draw();
    ASSERT_EQ(batch.runCount, 2u);
    EXPECT_EQ(textureOfRun(0), texture("tree00_sh"));
    EXPECT_EQ(textureOfRun(1), texture("tree00_0"));
    Quad corners;
    tree->GetTreeQuad(corners);
    const size_t order[] = {0, 1, 3, 3, 1, 2};
    for (size_t i = 0; i < 6; ++i) {
        const vrk::BatchVertex& vertex = batch.vertices[batch.runs[1].first + i];
        EXPECT_EQ((vec2{vertex.x, vertex.y}), corners[order[i]]) << i;
    }

    // A stump has no shadow.
    batch.Clear();
    Exhaust(tree);
    tree->Draw();
    for (size_t run = 0; run < batch.runCount; ++run) EXPECT_NE(textureOfRun(run), texture("tree00_sh"));

    batch.Clear();
    cSource* well = Make("well00", {9, 5});
    well->Draw();
    ASSERT_EQ(batch.runCount, 3u);
    EXPECT_EQ(textureOfRun(0), texture("well00"));
    EXPECT_EQ(textureOfRun(1), texture("well00_water"));
    EXPECT_EQ(textureOfRun(2), texture("well00_effect"));
    const uint32_t glowColor = batch.vertices[batch.runs[2].first].color;
    EXPECT_EQ(glowColor & 0x00FFFFFFu, 0x00FFFFFFu);
    EXPECT_EQ(glowColor >> 24, static_cast<uint32_t>(well->GetGlow().current * 255.0f));
    app.batch = nullptr;
}


TEST(SourceSetUp, EachTypeNameSetsUpUnderALevelFileWithoutAnApplication)
{
    for (const char* name : {"nugget00", "well00", "tree00_0", "tree01_2", "rock00", ""}) {
        SCOPED_TRACE(name);
        cLevelFile file;
        const std::unique_ptr<cObject> object = NewLevelObject(kTypeSource, &file);
        auto* source = dynamic_cast<cSource*>(object.get());
        ASSERT_NE(source, nullptr);
        EXPECT_TRUE(source->IsKindOf(kTypeGameObject));
        source->SetSprite(name);
        EXPECT_EQ(source->GetState(), kStateWorkDone);
        EXPECT_FALSE(source->GetHintText().empty());
        source->Strike(vec2{});
        for (int tick = 0; tick < 3; ++tick) source->Update();
        source->Draw();
        source->SetState(kStateWorking);
        while (source->UpdateTimer(cObject::kTickSeconds) == kTimerRunning) {
        }
    }
}

}  // namespace
