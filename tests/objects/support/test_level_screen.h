// test::TestLevelScreen: the stand-in for the game's level screen in the level
// objects' tests. It is a LevelScreen with the framework's real 22 x 16 grid of
// axis-aligned cells (or, on request, the game's skewed grid), paths, stock, order
// queue and the level classes' factory; it starts in play mode with a list of rising
// texts, records the events it is handed and posted (with copies of their data, which
// lives on the sender's stack), the column and hint operations, the achievements and
// the walks it is asked to plan (granting each), and lets the test set the cursor.
// It runs no level start of its own: tests mark zones and call LinkObjects(). Of
// the level screen's play events it handles the seat freeing of 5507.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/game_object.h"
#include "framework/objects/man.h"
#include "framework/widgets/caption_list.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/plant.h"
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
    vec2 GetMouseWorldPos() override { return mouseWorld; }

    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        playEvents.push_back(Copy(kind, param));
        if (kind == kMessageTargetChanged && param != 0) FreeSeatOf(*reinterpret_cast<const WalkEvent*>(param));
        return LevelScreen::OnPlayEvent(kind, param);
    }
    void PostEvent(uint32_t code, uintptr_t param) override
    {
        postedEvents.push_back(Copy(code, param));
        LevelScreen::PostEvent(code, param);
    }

    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override
    {
        sendWorkerCalls.push_back(WalkEvent{walker, target, kind});
        return true;
    }
    void PassTargetOn(cMan* walker) override { passTargetOnCalls.push_back(walker); }
    void JoinColumn(cMan* walker) override { joinColumnCalls.push_back(walker); }
    cGameObject* NextEntryAfter(cGameObject* wayPoint) override
    {
        nextEntryAfterCalls.push_back(wayPoint);
        return nextEntryAnswer;
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

    bool skewed = false;
    vec2 mouseWorld{-1000.0f, -1000.0f};
    std::vector<Event> playEvents;
    std::vector<Event> postedEvents;
    std::vector<WalkEvent> sendWorkerCalls;
    std::vector<cMan*> passTargetOnCalls;
    std::vector<cMan*> joinColumnCalls;
    std::vector<cGameObject*> nextEntryAfterCalls;
    cGameObject* nextEntryAnswer = nullptr;
    std::vector<cObject*> clearHintTargetCalls;
    std::vector<std::string> achievements;

private:
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
