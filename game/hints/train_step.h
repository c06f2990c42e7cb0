// cTrainStep: the table-driven base of the levels' tutorial steps. A step is one
// row of its level's chain: a text key, what it points at (an object of the level,
// a control of the HUD or nothing), its flags, placement and delay. The structs of
// the chains (game/hints/trainNNN.h) give their row to this base and override only
// their trigger and done tests and name their successor.
#pragma once
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "game/level/train.h"

class cMagicWidget;
class cObject;

// Flags of a row.
enum TrainFlag : uint32_t {
    kTrainWait = 1,        // stays until the player clicks it (or 10 s pass)
    kTrainUntargeted = 2,  // points at nothing
    kTrainFollow = 4,      // the arrow follows a moving target
};

struct TrainRow {
    const char* textKey = "";
    // Looked up by name at construction (all layers); null: none.
    const char* objectName = nullptr;
    // A control of the HUD window "level"; null: none.
    const char* controlName = nullptr;
    uint32_t flags = 0;
    int32_t placement = cTrain::kDefaultPlacement;
    float delay = 1.0f;
};

class cTrainStep : public cTrain {
public:
    explicit cTrainStep(const TrainRow& row);

protected:
    // The level screen the step lives on; null without one.
    static cMagicWidget* Screen();
    // The target exists and is in that state.
    bool TargetInState(int32_t state) const;
    // The first object of the kind (all layers, in the screen's lookup order) that
    // passes the test; null when none does.
    template <class Test>
    static cObject* FirstOfKind(int32_t kind, Test test);
    // A walker with a target of its own.
    static bool HasOwnTarget(const cObject* object);

    // Sets finished and puts a new step of the successor's struct in this one's
    // place on the screen. That deletes this step: nothing may touch it afterwards.
    template <class Next>
    void FinishWith()
    {
        ReplaceWith(std::make_unique<Next>());
    }

private:
    void ReplaceWith(std::unique_ptr<cTrain> next);
    static void ListKind(int32_t kind, std::vector<cObject*>& found);
};

template <class Test>
cObject* cTrainStep::FirstOfKind(int32_t kind, Test test)
{
    std::vector<cObject*> found;
    ListKind(kind, found);
    for (cObject* object : found) {
        if (object != nullptr && test(object)) return object;
    }
    return nullptr;
}
