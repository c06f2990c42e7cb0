// The prison on the stand-in level screen: its set-up, order verdict and hint with
// and without captives, which prison is the level's, and its opening: the laser,
// the heads, "worker_joy" and the captives stepping out at the exit on their way
// home (or cut off when there is no way home).
#include "objects/prison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/objects/node.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr int32_t kImprisoned = cWorker::kStateImprisoned;
constexpr int32_t kCutOff = cWorker::kStateCutOff;
constexpr int kLaserFrames = 6;
constexpr float kLaserFps = 12.0f;

ResourceVector Mana(int32_t amount)
{
    const int32_t values[4] = {0, 0, 0, amount};
    return ResourceVector(values, 4);
}

// The stand-in that can also answer that no way leads where a walker is sent.
class PrisonLevel : public test::TestLevelScreen {
public:
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        const bool granted = TestLevelScreen::SendWorker(walker, target, kind);
        return granted && !refuseSends;
    }
    bool refuseSends = false;
};

class PrisonTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("prison", 1, 1.0f, 96.0f, 96.0f, 48.0f, 20.0f);
        test::RegisterTestSprite("prison_sh", 1, 1.0f);
        test::RegisterTestSprite("icon_head", 1, 1.0f, 16.0f, 16.0f);
        test::RegisterTestSprite("effect_laser", kLaserFrames, kLaserFps, 10.0f, 20.0f, 5.0f, 0.0f);
        test::RegisterTestSprite("base00", 1, 1.0f, 144.0f, 144.0f, 72.0f, 72.0f);
        vrk::TextTable()["prison00"] = "Prison";
        vrk::TextTable()["OpenPrison"] = "Open it";
    }
    void TearDown() override
    {
        for (const char* key : {"prison00", "OpenPrison"}) vrk::TextTable().erase(key);
        CoreTest::TearDown();
    }

    cPrison* Make(const GridCell& cell)
    {
        auto* prison = dynamic_cast<cPrison*>(level.CreateObject(kTypePrison, 0));
        EXPECT_NE(prison, nullptr);
        if (prison == nullptr) return nullptr;
        prison->SetPositionV(level.CellToPoint(cell));
        prison->SetSprite("prison");
        return prison;
    }
    cBuild* MakeHome()
    {
        auto* home = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
        home->SetPositionV(level.CellToPoint({15, 8}));
        home->SetSprite("base00");
        return home;
    }
    cWorker* MakeWorker(const GridCell& cell)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        EXPECT_NE(worker, nullptr);
        if (worker == nullptr) return nullptr;
        worker->SetPositionV(level.CellToPoint(cell));
        worker->SetSprite("");
        return worker;
    }
    // A worker captured by the sender and flown into the level's prison.
    cWorker* Capture(const GridCell& cell, cObject* sender)
    {
        cWorker* worker = MakeWorker(cell);
        worker->OnMessage(kEventCapture, reinterpret_cast<uintptr_t>(sender));
        EXPECT_EQ(worker->GetState(), cWorker::kStateCarried);
        for (int tick = 0; tick < 100 && worker->GetState() != kImprisoned; ++tick) worker->Update();
        EXPECT_EQ(worker->GetState(), kImprisoned);
        return worker;
    }
    int Quads(const vrk::VertexBatch& batch, const std::string& texture) const
    {
        int quads = 0;
        for (uint32_t i = 0; i < batch.runCount; ++i) {
            const vrk::BatchRun& run = batch.runs[i];
            if (run.key != nullptr && run.key->name == texture) quads += static_cast<int>(run.count / 6);
        }
        return quads;
    }
    int JoySounds() const { return CountLogged("sound buffer not found 'worker_joy'"); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    PrisonLevel level;
};

TEST_F(PrisonTest, Orders_RefusedWithoutCaptivesAndHintShowsOnlyItsName)
{
    level.Stock() = Mana(500);
    cPrison* prison = Make({5, 5});
    ASSERT_NE(prison, nullptr);
    EXPECT_EQ(prison->GetLayer(), cBuild::kBuildLayer);
    for (int32_t kind : std::vector<int32_t>{kTypePrison, kTypeBuild, kTypeGameObject, kTypeObject}) EXPECT_TRUE(prison->IsKindOf(kind));
    EXPECT_FALSE(prison->IsKindOf(kTypeWorker));
    EXPECT_EQ(prison->GetAnimationKey(), "life");
    EXPECT_EQ(prison->GetZoneWidth(), 2);
    EXPECT_EQ(prison->GetZoneHeight(), 2);
    EXPECT_EQ(prison->GetFreePlaces(), cPrison::kPlaces);
    EXPECT_EQ(prison->GetMarksOffset(), vec2(-30.0f, -10.0f));
    EXPECT_EQ(prison->GetMaxLevel(), -1);
    EXPECT_FALSE(prison->ShowsBuildIcon()) << "it is never built or upgraded";
    EXPECT_EQ(prison->GetCost().amounts, Mana(80).amounts);
    EXPECT_EQ(prison->GetOrderState(), kOrderRefused);
    EXPECT_EQ(prison->GetHintText(), "Prison");

    prison->AddCaptive();
    EXPECT_EQ(prison->GetOrderState(), kOrderAllowed);
    std::string price;
    Mana(80).FormatResourceAmounts(price, true);
    EXPECT_EQ(prison->GetHintText(), "Prison\nOpen it:" + price);
    level.Stock() = Mana(79);
    EXPECT_EQ(prison->GetOrderState(), kOrderCannotPay);

    // A click hits inside its picture only.
    const vec2 at = prison->GetPosition();
    EXPECT_EQ(prison->HitTest(at), 1);
    EXPECT_EQ(prison->HitTest(at + vec2{48.0f, 0.0f}), 0) << "the edge is outside";
}

TEST_F(PrisonTest, Level_TheLastPrisonMadeIsTheLevelsAndAGoneOneIsForgotten)
{
    cPrison* first = Make({3, 3});
    EXPECT_EQ(level.prison, first);
    cPrison* second = Make({10, 3});
    EXPECT_EQ(level.prison, second);
    {
        cPrison passing(&level);
        EXPECT_EQ(level.prison, &passing);
    }
    EXPECT_EQ(level.prison, nullptr) << "no pointer to a prison that is gone";
    level.ClearLevel();
    EXPECT_EQ(level.prison, nullptr);
}

TEST_F(PrisonTest, Open_EmptyPrisonPlaysTheLaserOnly)
{
    vrk::VertexBatch batch;
    app.batch = &batch;
    MakeHome();
    cPrison* prison = Make({5, 5});
    EXPECT_FALSE(prison->IsLaserOn());
    prison->OnMessage(kEventMagicReached, 0);
    EXPECT_TRUE(prison->IsLaserOn());
    EXPECT_EQ(JoySounds(), 0);
    EXPECT_TRUE(level.sendWorkerCalls.empty());

    prison->Draw();
    ASSERT_EQ(Quads(batch, "effect_laser_tex"), 1);
    const vrk::BatchRun& laser = batch.runs[batch.runCount - 1];
    const vec2 at = prison->GetPosition();
    // Twice as wide and six times as high, about the point 20 above the prison.
    EXPECT_FLOAT_EQ(batch.vertices[laser.first].x, at.x - 2.0f * 5.0f);
    EXPECT_FLOAT_EQ(batch.vertices[laser.first].y, at.y + 20.0f);
    EXPECT_FLOAT_EQ(batch.vertices[laser.first + 5].x, at.x + 2.0f * 5.0f);
    EXPECT_FLOAT_EQ(batch.vertices[laser.first + 5].y, at.y + 20.0f + 6.0f * 20.0f);

    int ticks = 0;
    while (prison->IsLaserOn() && ticks < 1000) {
        prison->Update();
        ++ticks;
    }
    EXPECT_NEAR(ticks, kLaserFrames / kLaserFps * 30.0f, 1.0f) << "it plays once";
    batch.Clear();
    prison->Draw();
    EXPECT_EQ(Quads(batch, "effect_laser_tex"), 0);
    app.batch = nullptr;
}

TEST_F(PrisonTest, Open_LaserOfOneFrameDoesNotHang)
{
    { test::RegistryCleaner noSprites; }
    test::RegisterTestSprite("effect_laser", 1, 10.0f);
    cPrison* prison = Make({5, 5});
    prison->Release();
    EXPECT_TRUE(prison->IsLaserOn());
    prison->Update();
    EXPECT_FALSE(prison->IsLaserOn());
}

TEST_F(PrisonTest, Open_ThreeCaptivesShowHeadsUntilReleasedThenStepOutAtTheExitAndGoHome)
{
    vrk::VertexBatch batch;
    app.batch = &batch;
    cBuild* home = MakeHome();
    cPrison* prison = Make({5, 5});
    auto* exit = dynamic_cast<cNode*>(level.CreateObject(kTypeNode, 0));
    ASSERT_NE(exit, nullptr);
    exit->SetPositionV(level.CellToPoint({5, 8}));
    prison->Attach(exit);
    std::vector<cMan*> captives;
    for (int i = 0; i < 3; ++i) captives.push_back(Capture({10 + i, 3}, home));
    cWorker* bystander = MakeWorker({12, 12});
    const vec2 bystanderAt = bystander->GetPosition();
    EXPECT_EQ(prison->GetCaptiveCount(), 3u);

    prison->Draw();
    EXPECT_EQ(Quads(batch, "icon_head_tex"), 3);
    const vec2 at = prison->GetPosition();
    size_t headVertex = 0;
    while (headVertex < batch.runCount && batch.runs[headVertex].key->name != "icon_head_tex") ++headVertex;
    const uint32_t first = batch.runs[headVertex].first;
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(batch.vertices[first + 6 * i].x, std::floor(at.x + 20.0f * static_cast<float>(i)));
        EXPECT_FLOAT_EQ(batch.vertices[first + 6 * i].y, std::floor(at.y + 50.0f));
    }

    level.sendWorkerCalls.clear();
    const int joyBefore = JoySounds();
    prison->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(JoySounds(), joyBefore + 1);
    EXPECT_EQ(prison->GetCaptiveCount(), 0u);
    EXPECT_EQ(prison->GetOrderState(), kOrderRefused);
    ASSERT_EQ(level.sendWorkerCalls.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(captives[i]->GetPosition(), exit->GetPosition());
        const WalkEvent& call = level.sendWorkerCalls[i];
        EXPECT_TRUE(std::find(captives.begin(), captives.end(), call.man) != captives.end());
        EXPECT_EQ(call.target, home);
        EXPECT_EQ(call.kind, 0);
    }
    EXPECT_EQ(bystander->GetPosition(), bystanderAt) << "only imprisoned workers step out";
    batch.Clear();
    prison->Draw();
    EXPECT_EQ(Quads(batch, "icon_head_tex"), 0);
    app.batch = nullptr;
}

TEST_F(PrisonTest, Open_CaptivesWithoutAWayHomeAreCutOffWhereTheySat)
{
    cPrison* prison = Make({5, 5});
    cWorker* captive = Capture({10, 3}, prison);
    EXPECT_EQ(prison->GetCaptiveCount(), 1u);
    const vec2 inside = captive->GetPosition();
    level.sendWorkerCalls.clear();
    prison->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(captive->GetState(), kCutOff) << "no home base: not left imprisoned outside an empty prison";
    EXPECT_NE(captive->GetCloud(), nullptr) << "it sits with its thought cloud";
    EXPECT_EQ(captive->GetPosition(), inside) << "no exit: it starts where it sat";
    EXPECT_TRUE(level.sendWorkerCalls.empty());

    // With a home but no way to it, the same.
    MakeHome();
    level.refuseSends = true;
    captive->SetState(kImprisoned);
    prison->AddCaptive();
    prison->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(level.sendWorkerCalls.size(), 1u);
    EXPECT_EQ(captive->GetState(), kCutOff);
}

}  // namespace
