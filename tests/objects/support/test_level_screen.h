// test::TestLevelScreen: the stand-in for the game's level screen in the level
// objects' tests. It is a LevelScreen with the framework's real 22 x 16 grid of
// axis-aligned cells (or, on request, the game's skewed grid), paths, stock, order
// queue and the level classes' factory; it starts in play mode with a list of rising
// texts, records the events it is handed and posted (with copies of their data, which
// lives on the sender's stack), the column and hint operations, the achievements and
// the walks it is asked to plan (granting each) and the bars it draws, draws the
// level's lights after layer 8, and lets the test set the cursor.
// It keeps a way-point list and walks the enemies' columns over it.
// It runs no level start of its own: tests mark zones and call LinkObjects(). Of
// the level screen's play events it handles the seat freeing of 5507.
//
// For the workers it plans walks (SendWorker) on the grid without the game's stop
// points, so its paths and arrival ticks are its own, and it hands out the yield
// when a worker's work is finished (7002): the load goes into the stock at the
// home, elsewhere the worker takes the target's yield and the others there stop.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/game_object.h"
#include "framework/objects/small_math.h"
#include "framework/objects/man.h"
#include "framework/widgets/caption_list.h"
#include "objects/level_contract.h"
#include "objects/build.h"
#include "objects/level_screen.h"
#include "objects/plant.h"
#include "objects/worker.h"
#include "tests/framework/objects/fake_owner.h"

namespace test {

class TestLevelScreen : public LevelScreen {
public:
    // One event as the screen saw it; walk and work hold copies of the parameter's
    // record for 5506, 5507 (walk) and 7002 (work).
    struct Event {
        uint32_t code = 0;
        uintptr_t param = 0;
        WalkEvent walk;
        WorkFinishedRecord work;
    };

    TestLevelScreen()
    {
        mode_ = kModePlay;
        SetEffectList(std::make_unique<CaptionList>());
        // LevelScreen sized the grid on the game's skewed axes; the stand-in plays on
        // the framework's axis-aligned grid unless a test asks otherwise.
        ResizeGrid();
    }

    // From now on the grid lies on the game's skewed axes (31 x 25 cells over the
    // level area); a level's grid tail then fits this basis only.
    void UseSkewedBasis()
    {
        skewed = true;
        ResizeGrid();
    }
    void GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const override
    {
        if (skewed) {
            LevelScreen::GetGridBasis(origin, axisX, axisY);
        } else {
            cLevelWidget::GetGridBasis(origin, axisX, axisY);
        }
    }

    void ForceMode(int32_t mode) { mode_ = mode; }
    // The game's level screen sets the succubus counter back to 0 every
    // kSuccubusWindowTicks ticks of play, after the objects' updates.
    void TickPlay() override
    {
        LevelScreen::TickPlay();
        if (++playTicks % kSuccubusWindowTicks == 0) succubi = 0;
    }
    // The level's lights are drawn over the scene after layer kLightLayer, once the
    // level screen has drawn that layer's own additions.
    void OnDrawLayer(vrk::VertexBatch& batch, int32_t layer) override
    {
        LevelScreen::OnDrawLayer(batch, layer);
        if (layer == kLightLayer) lightList.Draw(batch, 1.0f);
    }
    // Records each bar asked for, then draws it.
    void DrawProgress(const vec2& point, float fraction) override
    {
        progressCalls.push_back(ProgressCall{point, fraction});
        LevelScreen::DrawProgress(point, fraction);
    }
    vec2 GetMouseWorldPos() override { return mouseWorld; }

    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        playEvents.push_back(Copy(kind, param));
        if (kind == kMessageTargetChanged && param != 0) FreeSeatOf(*reinterpret_cast<const WalkEvent*>(param));
        if (kind == kEventWorkFinished && param != 0) {
            WorkFinished(*reinterpret_cast<const WorkFinishedRecord*>(param));
        }
        return LevelScreen::OnPlayEvent(kind, param);
    }
    void PostEvent(uint32_t code, uintptr_t param) override
    {
        postedEvents.push_back(Copy(code, param));
        LevelScreen::PostEvent(code, param);
    }

    // The walk to a target: the target's linked points (a worker's route, whose
    // random spot is the goal), a smoothed cell path from the walker's cell (or from
    // the home's door when it stands in the home), the last point pulled back by the
    // target's radius, the way in or out of the home, and the walk itself.
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        sendWorkerCalls.push_back(WalkEvent{walker, target, kind});
        if (failSends || walker == nullptr || target == nullptr) return false;
        std::vector<vec2> linked;
        target->GetLinkedPoints(linked);
        if (linked.empty()) return false;
        cGameObject* homeBase = static_cast<cGameObject*>(home);
        GridCell start = ObjectToCell(walker);
        const bool fromHome = homeBase != nullptr && IsCellOnObject(homeBase, start);
        if (fromHome) {
            std::vector<vec2> door;
            homeBase->GetLinkedPoints(door);
            if (!door.empty()) start = PointToCell(door.front());
        }
        vec2 goal = linked.front();
        if (auto* worker = dynamic_cast<cWorker*>(walker)) {
            worker->SetRoute(linked);
            goal = worker->GetRoutePoint();
        }
        std::vector<GridCell> cells;
        if (!SearchGrid(start, PointToCell(goal), true, cells)) return false;
        std::vector<vec2> points;
        CellsToPoints(cells, points);
        const float radius = target->GetRadius();
        if (points.size() < 2 || radius <= 0.0f) {
            if (points.empty()) points.push_back(goal);
            points.back() = goal;
        } else {
            const vec2 previous = points[points.size() - 2];
            vec2 back = previous - goal;
            const float room = back.Length();
            Normalize(back);
            points.back() = goal + back * (radius < room ? radius : room);
        }
        if (fromHome) {
            points.insert(points.begin(), walker->GetPosition());
        } else if (target == homeBase) {
            points.push_back(homeBase->GetPosition());
        }
        points.front() = walker->GetPosition();
        walker->WalkPath(points, target, kind);
        return true;
    }
    // The columns of walking enemies, the least the enemies' tests need; every walk
    // goes through SendWorker with kind 0.
    // The first walker of the type walks to the first way point, every further one
    // behind the one before it; nothing without way points.
    void LeadColumn(int32_t typeId)
    {
        if (wayPoints.empty()) return;
        cGameObject* ahead = wayPoints.front();
        for (cMan* walker : WalkersOfType(typeId)) {
            SendWorker(walker, ahead, 0);
            ahead = walker;
        }
    }
    // The first walker of the walker's type that follows it walks to its target.
    void PassTargetOn(cMan* walker) override
    {
        passTargetOnCalls.push_back(walker);
        if (walker == nullptr) return;
        for (cMan* other : WalkersOfType(walker->GetTypeId())) {
            if (other->GetTarget() != walker) continue;
            SendWorker(other, walker->GetTarget(), 0);
            return;
        }
    }
    // Behind the first other walker of its type that nobody of that type follows;
    // when each is followed (or it is alone), to the nearest way point.
    void JoinColumn(cMan* walker) override
    {
        joinColumnCalls.push_back(walker);
        if (walker == nullptr) return;
        const std::vector<cMan*> walkers = WalkersOfType(walker->GetTypeId());
        for (cMan* tail : walkers) {
            if (tail == walker) continue;
            bool followed = false;
            for (cMan* other : walkers) followed = followed || other->GetTarget() == tail;
            if (followed) continue;
            SendWorker(walker, tail, 0);
            return;
        }
        cGameObject* nearest = nullptr;
        float best = 100000.0f;
        for (cGameObject* point : wayPoints) {
            const float distance = (point->GetPosition() - walker->GetPosition()).Length();
            if (distance < best) {
                best = distance;
                nearest = point;
            }
        }
        if (nearest != nullptr) SendWorker(walker, nearest, 0);
    }
    // The next way point in the list, the first after the last; null for an empty
    // list or a point not in it.
    cGameObject* NextEntryAfter(cGameObject* wayPoint) override
    {
        nextEntryAfterCalls.push_back(wayPoint);
        for (size_t index = 0; index < wayPoints.size(); ++index) {
            if (wayPoints[index] == wayPoint) return wayPoints[(index + 1) % wayPoints.size()];
        }
        return nullptr;
    }
    void ClearHintTarget(cObject* object) override { clearHintTargetCalls.push_back(object); }
    void UnlockAchievement(const std::string& name) override { achievements.push_back(name); }

    // The codes of the posted events, in order.
    std::vector<uint32_t> PostedCodes() const
    {
        std::vector<uint32_t> codes;
        for (const Event& event : postedEvents) codes.push_back(event.code);
        return codes;
    }
    // How many posted events had this code and parameter.
    size_t CountPosted(uint32_t code, uintptr_t param) const
    {
        size_t count = 0;
        for (const Event& event : postedEvents) count += event.code == code && event.param == param ? 1 : 0;
        return count;
    }

    struct ProgressCall {
        vec2 point;
        float fraction = 0.0f;
    };
    static constexpr int32_t kLightLayer = 8;

    static constexpr int32_t kSuccubusWindowTicks = 15;
    int32_t playTicks = 0;
    bool skewed = false;
    // SendWorker refuses every walk while set.
    bool failSends = false;
    std::vector<ProgressCall> progressCalls;
    vec2 mouseWorld{-1000.0f, -1000.0f};
    std::vector<Event> playEvents;
    std::vector<Event> postedEvents;
    std::vector<WalkEvent> sendWorkerCalls;
    std::vector<cMan*> passTargetOnCalls;
    std::vector<cMan*> joinColumnCalls;
    std::vector<cGameObject*> nextEntryAfterCalls;
    // The level's way points in scene order; a test fills it as the level start would.
    std::vector<cGameObject*> wayPoints;
    std::vector<cObject*> clearHintTargetCalls;
    std::vector<std::string> achievements;

private:
    // The walkers of exactly this type, on every layer in scene order.
    std::vector<cMan*> WalkersOfType(int32_t typeId)
    {
        ObjectList objects;
        FindObjectsOfKind(objects, typeId, -1);
        std::vector<cMan*> walkers;
        for (cObject* object : objects) {
            auto* walker = dynamic_cast<cMan*>(object);
            if (walker != nullptr && walker->GetTypeId() == typeId) walkers.push_back(walker);
        }
        return walkers;
    }

    // A walker whose target changes on his way to a plant's seat gives the seat back;
    // one seated inside (state 9) keeps it. The walker's kind is still the old one.
    static void FreeSeatOf(const WalkEvent& changed)
    {
        auto* plant = dynamic_cast<cPlant*>(changed.target);
        if (plant == nullptr || changed.man == nullptr) return;
        const int32_t kind = changed.man->GetTargetKind();
        if (kind < cPlant::kFirstSeatPart || changed.man->GetState() == cPlant::kWorkerInsideState) return;
        plant->FreeSeat(kind - cPlant::kFirstSeatPart);
    }

    // Work finished: at the home the load goes into the stock; elsewhere a worker
    // with nothing in hand takes the yield, and every other worker there stops
    // (except at a bell, where all of them stay).
    void WorkFinished(const WorkFinishedRecord& record)
    {
        auto* worker = dynamic_cast<cWorker*>(record.worker);
        cGameObject* target = record.target;
        if (worker == nullptr || target == nullptr) return;
        if (target == static_cast<cGameObject*>(home)) {
            if (worker->Load().IsEmpty()) return;
            AddResources(worker->Load());
            vrk::PlaySound("res_income");
            std::string amounts;
            worker->Load().FormatResourceAmounts(amounts, false);
            AddEffect(amounts, worker->GetPosition() + vec2{0.0f, 110.0f});
            worker->Load().Clear();
            return;
        }
        if (worker->Load().IsEmpty()) worker->AssignTask(target->GetYield(), target);
        if (target->GetTypeId() == kTypeBell) return;
        ObjectList workers;
        FindObjectsOfKind(workers, kTypeWorker, -1);
        for (cObject* object : workers) {
            auto* other = dynamic_cast<cWorker*>(object);
            if (other == nullptr || other == worker || other->GetTarget() != target) continue;
            other->SetTarget(nullptr, 0);
            other->SetState(cWorker::kStateIdle);
        }
    }

    static Event Copy(uint32_t code, uintptr_t param)
    {
        Event event{code, param, {}, {}};
        if (param == 0) return event;
        if (code == kMessageArrived || code == kMessageTargetChanged) {
            event.walk = *reinterpret_cast<const WalkEvent*>(param);
        } else if (code == kEventWorkFinished) {
            event.work = *reinterpret_cast<const WorkFinishedRecord*>(param);
        }
        return event;
    }
};

}  // namespace test
