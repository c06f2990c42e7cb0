#include <gtest/gtest.h>
#include <cstdlib>
#include "engine/files/byte_stream.h"
#include "tests/bot/support/bot_level_run.h"
namespace {
class ScratchTest : public test::BotLevelRun {};
TEST_F(ScratchTest, Play)
{
    const char* file = std::getenv("BOT_LEVEL");
    const char* idx = std::getenv("BOT_INDEX");
    ASSERT_TRUE(file && idx);
    const uint32_t index = std::atoi(idx);
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(index)->LoadFromFile(file), 0);
    auto result = PlayLevel(index, 1);
    std::printf("%s %s\n%s", Summary(index, result).c_str(), result.end.c_str(), result.trace.c_str());
}
}
namespace {
TEST_F(ScratchTest, Dump)
{
    const char* file = std::getenv("BOT_LEVEL");
    const uint32_t index = std::atoi(std::getenv("BOT_INDEX"));
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(index)->LoadFromFile(file), 0);
    auto result = PlayLevel(index, 1);
    for (const char* name : {"well0", "well1"}) {
        cObject* w = level_->FindObject(name, -1);
        Rect frame; w->GetFrameRect(frame, -1);
        std::pair<int32_t,int32_t> px; bool aim = AimAt(w, px);
        int32_t part; cObject* h = HoverAt(w->GetPosition(), part);
        std::printf("WELL %s frame %.0f %.0f %.0f %.0f aim %d px %d %d hoverAtPos %s part %d hit %d\n", name, frame.x, frame.y, frame.width, frame.height, aim, px.first, px.second, h ? h->GetName().c_str() : "-", part, w->HitTest(w->GetPosition()));
        vec2 s0 = level_->WorldToScreen(w->GetPosition());
        MoveMouse(px.first, px.second); Tick();
        vec2 s1 = level_->WorldToScreen(w->GetPosition());
        std::printf("screen %.1f %.1f -> %.1f %.1f flags %u mouse %.1f %.1f\n", s0.x, s0.y, s1.x, s1.y, level_->GetInputFlags(), level_->GetMouseWorldPos().x, level_->GetMouseWorldPos().y);
        { int32_t pp; cObject* hh = HoverAt(level_->GetMouseWorldPos(), pp); std::printf("sim %s real %s used %d\n", hh ? hh->GetName().c_str() : "-", level_->GetHoveredObject() ? level_->GetHoveredObject()->GetName().c_str() : "-", dynamic_cast<cGameObject*>(w)->GetUsedPlaces()); }
        for (int k = 0; k < 6; ++k) { Rect f; w->GetFrameRect(f, -1); std::printf("  tick %d state %d frame %.0f %.0f %.0f %.0f hit %d anim %p\n", k, w->GetState(), f.x, f.y, f.width, f.height, w->HitTest(level_->GetMouseWorldPos()), (void*)w->GetAnimation()); Tick(); }
        bool ok = ClickObject(w);
        std::printf("click %d hovered %s orders %zu\n", ok, level_->GetHoveredObject() ? level_->GetHoveredObject()->GetName().c_str() : "-", level_->Orders().size());
    }
    for (const auto& order : level_->Orders()) std::printf("ORDER %s part %d worker %p\n", order.target ? order.target->GetName().c_str() : "-", order.part, (void*)order.worker);
    for (const auto& list : level_->GetLayers()) for (cObject* o : list) {
        if (auto* w = dynamic_cast<cWorker*>(o)) std::printf("WORKER free %d target %s\n", w->IsFree(), w->GetTarget() ? w->GetTarget()->GetName().c_str() : "-");
        auto* g = dynamic_cast<cGameObject*>(o); if (!g) continue;
        auto y = g->GetYield(); auto c = g->GetCost();
        if (auto* w = dynamic_cast<cWorker*>(o)) { y = w->Load(); std::printf("LOAD src %p ", (void*)w->Load().source); }
        std::printf("%-14s type %d state %d order %d reach %d yield %d %d %d %d cost %d %d %d %d pos %.0f %.0f\n", o->GetName().c_str(), o->GetTypeId(), o->GetState(), g->GetOrderState(), g->IsReachable(),
          y.At(0), y.At(1), y.At(2), y.At(3), c.At(0), c.At(1), c.At(2), c.At(3), o->GetPosition().x, o->GetPosition().y);
    }
}
}
