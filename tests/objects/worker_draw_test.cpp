// The worker's picture and hit test: hidden inside buildings and at the door, the
// shield of the shield spell, the ice block, missing effect sprites drawing
// nothing, and clicks that reach only a frozen worker.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/render/vertex_batch.h"
#include "framework/objects/texture_info_ex.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

using test::WorkerTest;

class WorkerDrawTest : public WorkerTest {
protected:
    void SetUp() override
    {
        WorkerTest::SetUp();
        app.batch = &batch;
    }
    void TearDown() override
    {
        app.batch = nullptr;
        WorkerTest::TearDown();
    }
    // The textures of the runs one draw of the worker filled.
    std::vector<std::string> Drawn(cWorker& worker)
    {
        batch.Clear();
        worker.Draw();
        std::vector<std::string> names;
        for (uint32_t i = 0; i < batch.runCount; ++i) {
            names.push_back(batch.runs[i].key != nullptr ? batch.runs[i].key->name : std::string());
        }
        return names;
    }
    static bool Has(const std::vector<std::string>& names, const std::string& name)
    {
        return std::find(names.begin(), names.end(), name) != names.end();
    }

    vrk::VertexBatch batch;
};

TEST_F(WorkerDrawTest, Draw_HidesTheWorkerInsideAndShowsShieldAndIce)
{
    cWorker* worker = MakeWorker({5, 5});
    worker->SetState(cWorker::kStateCheering);
    std::vector<std::string> names = Drawn(*worker);
    EXPECT_TRUE(Has(names, "man_shadow_tex"));
    EXPECT_TRUE(Has(names, "worker_jump0_tex"));
    EXPECT_FALSE(Has(names, "effect_shield_tex"));

    worker->SetDoorState(cWorker::kDoorIn);
    EXPECT_TRUE(Drawn(*worker).empty()) << "at the home's door the worker is inside";
    worker->SetDoorState(cWorker::kDoorOutside);
    worker->SetState(cWorker::kStateInside);
    EXPECT_TRUE(Drawn(*worker).empty());
    worker->SetState(cWorker::kStateImprisoned);
    EXPECT_TRUE(Drawn(*worker).empty());

    worker->SetState(cWorker::kStateIdle);
    level.spellTimers[5] = 3.0f;
    EXPECT_TRUE(Has(Drawn(*worker), "effect_shield_tex"));
    worker->SetFrozen(true);
    names = Drawn(*worker);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "worker_ice_tex") << "the ice block is drawn last";
}

TEST_F(WorkerDrawTest, Draw_MissingIceShieldAndExplosionDrawNothing)
{
    for (const char* name : {"worker_ice", "effect_shield", "effect_explosion"}) GetTextureInfoExMap().erase(name);
    cWorker* worker = MakeWorker({5, 5});
    level.spellTimers[5] = 3.0f;
    worker->SetFrozen(true);
    const std::vector<std::string> names = Drawn(*worker);
    EXPECT_TRUE(Has(names, "man_shadow_tex"));
    EXPECT_FALSE(Has(names, "worker_ice_tex"));
    worker->SetFrozen(false);
    worker->SetState(cWorker::kStateExploding);
    EXPECT_EQ(Drawn(*worker), std::vector<std::string>{"man_shadow_tex"});
}

TEST_F(WorkerDrawTest, HitTest_OnlyAFrozenWorkerTakesClicks)
{
    cWorker* worker = MakeWorker({5, 5});
    worker->SetState(cWorker::kStateCheering);
    const vec2 inside = worker->GetPosition() + vec2{0.0f, 10.0f};
    EXPECT_EQ(worker->HitTest(inside), 0);
    worker->SetFrozen(true);
    EXPECT_EQ(worker->HitTest(inside), 1);
    EXPECT_EQ(worker->HitTest(worker->GetPosition() + vec2{100.0f, 0.0f}), 0);
}

}  // namespace
