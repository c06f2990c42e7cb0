// The worker's thought cloud on the stand-in level screen: its creation, the
// show-and-hide cycle with its fades from a fixed seed, and its drawing on either
// half of the screen and without its bubble sprite.
#include "objects/worker_cloud.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/objects/timed_value.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;
constexpr uint32_t kFixedSeed = 4242u;
constexpr int kTicksPerSecond = 30;

// Ticks of the framework's timer from 0 to the target, the arriving tick included.
int TicksToArrive(float seconds)
{
    TimedValue<float> timer;
    timer.SetTarget(seconds);
    int ticks = 1;
    while (timer.Step(kTick) != kTimedArrived) ++ticks;
    return ticks;
}

uint32_t Alpha(uint32_t color) { return color >> 24; }

class WorkerCloudTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        app.random.seed = kFixedSeed;
        test::RegisterTestSprite("cloud", 1, 1.0f, 80.0f, 60.0f, 40.0f, 10.0f);
        test::RegisterTestSprite("exclamation", 4, 8.0f, 12.5f, 30.5f, 6.0f, 0.0f);
    }

    // Updates the cloud until it is shown or hidden as asked; answers the ticks.
    static int RunUntil(cWorkerCloud& cloud, bool shown)
    {
        int ticks = 0;
        while (cloud.IsShown() != shown && ticks < 100 * kTicksPerSecond) {
            cloud.Update();
            ++ticks;
        }
        return ticks;
    }

    // The clouds on the level.
    size_t Clouds()
    {
        ObjectList all;
        level.FindObjectsOfKind(all, kTypeObject, -1);
        size_t clouds = 0;
        for (const cObject* object : all) clouds += object->GetTypeId() == kTypeWorkerCloud ? 1 : 0;
        return clouds;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(WorkerCloudTest, Create_AddsACloudThatAnswersOnlyKindOne)
{
    cWorkerCloud* cloud = CreateWorkerCloud(vec2{300.0f, 400.0f});
    ASSERT_NE(cloud, nullptr);
    EXPECT_EQ(cloud->GetTypeId(), kTypeWorkerCloud);
    EXPECT_EQ(cloud->GetSprite(), "worker_cloud");
    EXPECT_EQ(cloud->GetPosition(), vec2(300.0f, 400.0f));
    EXPECT_EQ(cloud->GetAnimationKey(), "life");
    EXPECT_EQ(cloud->GetPlayMode(), kPlayLoopForward);
    EXPECT_EQ(cloud->GetCloudSprite().info.frameCount, 1);
    EXPECT_TRUE(cloud->IsKindOf(kTypeObject));
    EXPECT_FALSE(cloud->IsKindOf(kTypeWorkerCloud));
    EXPECT_FALSE(cloud->IsKindOf(kTypeGameObject));
    ObjectList found;
    EXPECT_EQ(level.FindObjectsOfKind(found, kTypeWorkerCloud, -1), 0u) << "a search for 130 finds no cloud";
    level.FindObjectsOfKind(found, kTypeObject, -1);
    EXPECT_EQ(found, ObjectList{cloud});

    level.ForceMode(kModeEditor);
    EXPECT_EQ(CreateWorkerCloud(vec2{}), nullptr);
    level.FindObjectsOfKind(found, kTypeObject, -1);
    EXPECT_EQ(found.size(), 1u) << "the editor makes none";
}

TEST_F(WorkerCloudTest, Cycle_ShowsAfterFourToSevenSecondsForEightAndPausesEighteenToTwentyFive)
{
    RandomGen draws{kFixedSeed};
    const float firstDraw = draws.NextFraction();
    const float pauseDraw = draws.NextFraction();
    cWorkerCloud* cloud = CreateWorkerCloud(vec2{600.0f, 300.0f});
    ASSERT_NE(cloud, nullptr);

    const int firstShown = RunUntil(*cloud, true);
    EXPECT_EQ(firstShown, TicksToArrive(4.0f + 3.0f * firstDraw));
    EXPECT_GE(firstShown, 4 * kTicksPerSecond);
    EXPECT_LE(firstShown, 7 * kTicksPerSecond + 1);
    EXPECT_EQ(Alpha(cloud->GetColor()), 0u) << "the fade starts on the tick it shows";

    // Fades in over one second, then stays fully opaque.
    int fadeTicks = 0;
    while (Alpha(cloud->GetColor()) < 255u && fadeTicks < 100) {
        const uint32_t before = Alpha(cloud->GetColor());
        cloud->Update();
        EXPECT_GT(Alpha(cloud->GetColor()), before);
        ++fadeTicks;
    }
    EXPECT_EQ(fadeTicks, TicksToArrive(1.0f));

    // A tick to restart the timer, then 8 s shown.
    const int shown = fadeTicks + RunUntil(*cloud, false);
    EXPECT_EQ(shown, 1 + TicksToArrive(8.0f));
    EXPECT_EQ(Alpha(cloud->GetColor()), 255u);
    for (int tick = 0; tick < kTicksPerSecond; ++tick) cloud->Update();
    EXPECT_EQ(Alpha(cloud->GetColor()), 0u) << "faded out within a second";
    EXPECT_FLOAT_EQ(cloud->GetOpacity(), 0.0f);

    const int pause = kTicksPerSecond + RunUntil(*cloud, true);
    EXPECT_EQ(pause, 1 + TicksToArrive(18.0f + 7.0f * pauseDraw));
    EXPECT_GE(pause, 18 * kTicksPerSecond);
    EXPECT_LE(pause, 25 * kTicksPerSecond + 2);
}

TEST_F(WorkerCloudTest, Cycle_TwoCloudsMadeTogetherShowAtTheirOwnMoments)
{
    cWorkerCloud* first = CreateWorkerCloud(vec2{100.0f, 100.0f});
    cWorkerCloud* second = CreateWorkerCloud(vec2{100.0f, 100.0f});
    ASSERT_NE(second, nullptr);
    int firstShown = -1;
    int secondShown = -1;
    for (int tick = 1; tick <= 8 * kTicksPerSecond; ++tick) {
        first->Update();
        second->Update();
        if (firstShown < 0 && first->IsShown()) firstShown = tick;
        if (secondShown < 0 && second->IsShown()) secondShown = tick;
    }
    EXPECT_GT(firstShown, 0);
    EXPECT_GT(secondShown, 0);
    EXPECT_NE(firstShown, secondShown);
}

TEST_F(WorkerCloudTest, Draw_OpensTowardTheMiddleAndSnapsTheMarkToWholePixels)
{
    vrk::VertexBatch batch;
    app.batch = &batch;
    cWorkerCloud* left = CreateWorkerCloud(vec2{200.5f, 300.25f});
    cWorkerCloud* right = CreateWorkerCloud(vec2{700.5f, 300.25f});
    left->Draw();
    right->Draw();
    EXPECT_EQ(batch.UsedVertices(), 0u) << "nothing while hidden";
    RunUntil(*left, true);
    RunUntil(*right, true);
    for (int tick = 0; tick < kTicksPerSecond; ++tick) {
        left->Update();
        right->Update();
    }

    // Left of x 512 the bubble is mirrored and sits 30 to the right.
    left->Draw();
    ASSERT_EQ(batch.UsedVertices(), 12u);
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 200.5f + 30.0f - 40.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].y, 300.25f - 5.0f - 10.0f);
    EXPECT_FLOAT_EQ(batch.vertices[1].x - batch.vertices[0].x, 80.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].u, 0.1f);
    EXPECT_FLOAT_EQ(batch.vertices[1].u, 0.0f);
    EXPECT_EQ(batch.vertices[0].color, 0xFFFFFFFFu);
    // The mark at the position less its hot spot, rounded down.
    EXPECT_FLOAT_EQ(batch.vertices[6].x, 194.0f);
    EXPECT_FLOAT_EQ(batch.vertices[6].y, 300.0f);
    EXPECT_FLOAT_EQ(batch.vertices[7].x - batch.vertices[6].x, 12.0f);

    batch.Clear();
    right->Draw();
    ASSERT_EQ(batch.UsedVertices(), 12u);
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 700.5f - 30.0f - 40.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].u, 0.0f);
    EXPECT_FLOAT_EQ(batch.vertices[1].u, 0.1f);
    app.batch = nullptr;
}

TEST_F(WorkerCloudTest, Draw_WithoutCloudFramesShowsOnlyTheMark)
{
    { test::RegistryCleaner noSprites; }
    test::RegisterTestSprite("exclamation", 4, 8.0f, 12.0f, 30.0f);
    vrk::VertexBatch batch;
    app.batch = &batch;
    cWorkerCloud* cloud = CreateWorkerCloud(vec2{200.0f, 300.0f});
    EXPECT_EQ(cloud->GetCloudSprite().info.frameCount, 0);
    RunUntil(*cloud, true);
    cloud->Update();
    cloud->Draw();
    ASSERT_EQ(batch.UsedVertices(), 6u);
    EXPECT_EQ(batch.runs[0].key->name, "exclamation_tex");
    app.batch = nullptr;
}

TEST_F(WorkerCloudTest, Marker_NoneOnLevel014AndOneCloudPerWorker)
{
    level.InitLevel("014");
    auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
    ASSERT_NE(worker, nullptr);
    worker->SetPositionV(vec2{300.0f, 200.0f});
    worker->SetSprite("");
    worker->SetState(cWorker::kStateCutOff);
    EXPECT_EQ(worker->GetCloud(), nullptr);
    EXPECT_EQ(Clouds(), 0u);

    level.InitLevel("013");
    worker->SetMarker(true);
    worker->SetMarker(true);
    EXPECT_EQ(Clouds(), 1u);
    ASSERT_NE(worker->GetCloud(), nullptr);
    EXPECT_EQ(worker->GetCloud()->GetPosition(), vec2(300.0f, 280.0f));
    worker->SetMarker(false);
    EXPECT_EQ(worker->GetCloud(), nullptr);
    worker->SetMarker(false);
    level.Tick();
    EXPECT_EQ(Clouds(), 0u);
}

}  // namespace
