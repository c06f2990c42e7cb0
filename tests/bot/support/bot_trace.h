// test::BotTrace: what a failed bot run prints. Every 10 s of game time it keeps one
// line with the stock, each task's count and target, and how many workers are in
// each state; the run adds the game-over text or the level's last state at the end.
#pragma once
#include <cstdio>
#include <map>
#include <string>

#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "objects/worker.h"

namespace test {

class BotTrace {
public:
    static constexpr float kSamplePeriod = 10.0f;

    // Takes a line whenever the level's clock has passed the next sample time.
    void Sample(cMagicWidget& level)
    {
        if (level.GetLevelTime() < nextSample_) return;
        nextSample_ += kSamplePeriod;
        text_ += Line(level) + "\n";
    }
    void Add(const std::string& line) { text_ += line + "\n"; }
    const std::string& Text() const { return text_; }

    // "t=30s stock wood 12 food 0 money 40 mana 0 | Population_9 2/9 | workers idle 1 at_work 1"
    static std::string Line(cMagicWidget& level)
    {
        static constexpr const char* kNames[] = {"wood", "food", "money", "mana"};
        char head[48];
        std::snprintf(head, sizeof head, "t=%.0fs stock", static_cast<double>(level.GetLevelTime()));
        std::string line = head;
        for (size_t r = 0; r < 4; ++r) line += std::string(" ") + kNames[r] + " " + std::to_string(level.Stock().At(r));
        for (const TaskRecord& task : level.Tasks().records) {
            line += " | " + task.id + " " + std::to_string(task.current) + "/" + std::to_string(task.target);
        }
        std::map<int32_t, int> states;
        for (cObject* object : level.GetLayers()[LevelScreen::kWorkerLayer]) {
            if (object->IsKindOf(kTypeWorker)) ++states[object->GetState()];
        }
        line += " | workers";
        for (const auto& [state, count] : states) {
            line += std::string(" ") + StateName(state) + " " + std::to_string(count);
        }
        return line;
    }

    static const char* StateName(int32_t state)
    {
        switch (state) {
        case cWorker::kStateFollow: return "follow";
        case cWorker::kStateResting: return "resting";
        case cWorker::kStateCheering: return "cheering";
        case cWorker::kStateIdle: return "idle";
        case cWorker::kStateFleeing: return "fleeing";
        case cWorker::kStateAtWork: return "at_work";
        case cWorker::kStateInside: return "inside";
        case cWorker::kStateCutOff: return "cut_off";
        case cWorker::kStateScared: return "scared";
        case cWorker::kStateCarried: return "carried";
        case cWorker::kStateImprisoned: return "imprisoned";
        case cWorker::kStateCharmed: return "charmed";
        case cWorker::kStateExploding: return "exploding";
        case cWorker::kStateStunned: return "stunned";
        case 2: return "walking";
        default: return "other";
        }
    }

private:
    float nextSample_ = 0.0f;
    std::string text_;
};

}  // namespace test
