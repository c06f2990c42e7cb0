// LevelScreen: the level screen as the level objects see it. It is the level base
// of the framework (grid, paths, stock, orders) plus what the objects read and write
// on the screen that plays them: the key buildings and characters, the spell timers,
// the level's counters and achievement watch flags, the night flag, the game-over
// text and the lights; the factory of the level classes; the refund of a paid
// order; and the operations of the columns and hints that the game's level screen
// provides. The objects reach it through CurrentLevelScreen(); a test stand-in
// implements the rest until the game's level screen does.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "framework/objects/light_list.h"
#include "framework/objects/resource_vector.h"
#include "framework/widgets/level_widget.h"
#include "objects/enemy_census.h"

class cBuild;
class cPlant;
class cHero;
class cWife;
class cPrison;

class LevelScreen : public cLevelWidget {
public:
    static constexpr int32_t kSpellCount = 6;
    // A spell runs while its timer is not negative.
    static constexpr float kSpellOff = -1.0f;
    // The animated effects are drawn above this layer's objects.
    static constexpr int32_t kEffectLayer = 7;
    // Where the workers walk, and the worker state of being at work.
    static constexpr int32_t kWorkerLayer = 6;
    static constexpr int32_t kWorkerWorkingState = 8;

    // Becomes the current level screen.
    LevelScreen();
    // Clears the level while this is still a LevelScreen (the objects' destructors
    // may reach back into it), then stops being the current level screen.
    ~LevelScreen() override;

    // --- Overrides of the framework's screens ---
    // The framework's factory, then the level classes (NewLevelObject), added under
    // the id; null when neither makes the type.
    cObject* CreateObject(int32_t typeId, uint32_t id) override;
    // The level base's clearing, then the level state below back to its start: the
    // stock 0, pointers null, spell timers off, counters 0, watch flags set, night
    // over, no game-over text, no lights. The chosen advisor id stays.
    void ClearLevel() override;
    // After layer kEffectLayer, the animated effects.
    void OnDrawLayer(vrk::VertexBatch& batch, int32_t layer) override;
    // The grid's origin with the level grid's two skewed unit axes.
    void GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const override;
    // One of four sectors of the direction's angle (the count is ignored):
    // [30, 105) degrees 1, [105, 210) 2, [210, 300) 3, else 0.
    int32_t GetDirectionIndex(const vec2& direction, int32_t count) const override;
    // Workers (type 104 in the workers' layer) at work (state 8) on the object.
    int32_t CountWorkersAt(const cGameObject* object) const override;
    // Plans the walk of a walker to a target; the game's level screen answers with
    // its planner, the test stand-in records.
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override = 0;
    // Whether a walk of the walker (the hero, the wife: a walker without a route of
    // spots) to the target could be planned now, as SendWorker would plan it. True
    // here: a stand-in that plans no walks refuses none.
    virtual bool CanWalkTo(cMan* walker, cGameObject* target);

    // --- Columns of walking enemies and way points ---
    // Among the walkers of the walker's type, the first that follows it walks on to
    // the walker's target.
    virtual void PassTargetOn(cMan* walker) = 0;
    // Puts the walker at the end of its type's column (or sends it to the nearest
    // way point).
    virtual void JoinColumn(cMan* walker) = 0;
    // The way point after the given one in the level's list, the first after the
    // last; null when the list is empty or it is not in the list.
    virtual cGameObject* NextEntryAfter(cGameObject* wayPoint) = 0;
    // The tutorial hint forgets the object as its target.
    virtual void ClearHintTarget(cObject* object) = 0;

    // Unlocks the named achievement for the logged-on player (nothing without the
    // game application).
    virtual void UnlockAchievement(const std::string& name);

    // Gives back what a cancelled order had paid: the stock grows (saturating) and
    // the stock's tasks are recounted (5508 with 108). A refund is no income: it adds
    // nothing to the level's sums or score, so paying and cancelling again and again
    // gains nothing.
    void RefundResources(const ResourceVector& amounts);

    // --- What the level objects read and write ---
    cBuild* home = nullptr;
    cPlant* mill = nullptr;
    cPlant* sawmill = nullptr;
    cPlant* goldMill = nullptr;
    cHero* hero = nullptr;
    cWife* wife = nullptr;
    cPrison* prison = nullptr;
    std::array<float, kSpellCount> spellTimers{};

    int32_t builds = 0;
    int32_t livingTrees = 0;
    int32_t nuggets = 0;
    int32_t standingLogs = 0;
    int32_t clearedStones = 0;
    int32_t burningFires = 0;
    int32_t prisoners = 0;
    int32_t frozenWorkers = 0;
    int32_t workersInLove = 0;
    int32_t goblinTrees = 0;
    int32_t skeletons = 0;
    int32_t witches = 0;
    int32_t succubi = 0;

    // Achievement watch flags: set at a level's start, cleared by what breaks them.
    bool noMillFlag = true;
    bool noSpeedFlag = true;
    bool noTowerFlag = true;
    bool lessFireFlag = true;
    bool tankFlag = true;
    bool advisorWatchFlag = true;
    bool bellNotRungFlag = true;
    bool manaWellFlag = true;
    bool shieldFlag = true;

    // Drawn on level "023" by the level's set-up; clearing keeps it.
    int32_t chosenAdvisorId = 0;
    bool night = false;
    // Empty while the level can still be won; the reason (a text-table text) once
    // it is lost.
    std::string gameOverText;
    LightList lightList;
    // The enemy camps' shared count of the walking enemies.
    EnemyCensus enemyCensus;

private:
    // The level state's starting values (the constructor's and the clearing's).
    void ResetLevelState();
};

// The level screen that now exists, null while there is none (the framework's
// plain level screen is not one).
LevelScreen* CurrentLevelScreen();
