// cMagicWidget: the game's level screen, the one screen that holds a level in play.
// On top of LevelScreen (what the level objects see) it keeps the level's clock and
// time limit, the day and night cycle with its tint, the weather, the way points and
// the enemy columns, the sums that score a level and unlock its resource
// achievements, and the tutorial step on screen; it loads the active player's
// current level when it gets the focus and starts it (zones, reachability, cut-off
// workers, items in their plants, columns).
//
// Where the members live: construction, clearing, focus and the start of play in
// magic_widget.cpp; the level start in magic_widget_start.cpp; walks, cell paths,
// stop points and reachability in magic_widget_walk.cpp; columns and way points in
// magic_widget_columns.cpp; weather, day and night and the enemy tuning in
// magic_widget_weather.cpp; income, medals and scores in magic_widget_rating.cpp;
// the player's orders and leaving play in magic_widget_orders.cpp;
// the play tick in magic_widget_play.cpp; the play events, task recount and work
// deliveries in magic_widget_play_events.cpp; the level's end in
// magic_widget_level_end.cpp; spells in magic_widget_spells.cpp; the camps'
// scripts, nightfall and daybreak in magic_widget_enemies.cpp.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/timed_value.h"
#include "framework/widgets/scene_save.h"
#include "game/level/scene_tint.h"
#include "objects/level_screen.h"

class cBaseEnemy;
class cTrain;
class cTrainWF;
class cWorker;
struct PlayerLevelRecord;
struct WorkFinishedRecord;
namespace vrk {
class cSound;
}

class cMagicWidget : public LevelScreen {
public:
    // One spell as the screen lists it (ids 0-5, in id order).
    struct SpellEntry {
        uint32_t id = 0;
        std::string name;
    };

    // The lights are drawn over this layer's objects.
    static constexpr int32_t kLightLayer = 8;
    static constexpr float kViewWidth = 1024.0f;
    static constexpr float kViewHeight = 768.0f;
    // Medals: no limit, over the limit, within it, within two thirds of it.
    static constexpr int32_t kMedalNoLimit = 1;
    static constexpr int32_t kMedalLate = 2;
    static constexpr int32_t kMedalInTime = 3;
    static constexpr int32_t kMedalFast = 4;
    // Night colours and the speed of the tint and the night strength (per second).
    static constexpr SceneTint::Colour kNightTint{0.376f, 0.376f, 0.753f};
    static constexpr float kFadeSpeed = 0.2f;

    cMagicWidget();
    // Clears the level while this is still a cMagicWidget: the hint and the rain
    // sound go with the objects.
    ~cMagicWidget() override;

    // --- Overrides of the framework's screens ---
    // Starts the active player's current level, plays its music and enters loading.
    void OnFocus() override;
    // The base's set-up, then the level's own (ApplyLevelSetup).
    void InitLevel(const std::string& name) override;
    // The base's linking, then the level start.
    void LinkObjects() override;
    // LevelScreen's clearing, then this screen's level state; every cell becomes
    // impassable, so a level walks only where its grid tail says.
    void ClearLevel() override;
    // LevelScreen's layers, then the lights with the night strength after layer 8.
    void OnDrawLayer(vrk::VertexBatch& batch, int32_t layer) override;
    // Plans and starts a walker's walk to a target (a worker takes a random spot of
    // the target's route). False without walker, target, linked points or path.
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override;
    // Whether SendWorker's walk to the target's first linked point has a path now.
    bool CanWalkTo(cMan* walker, cGameObject* target) override;
    // The base's spending, then the tasks are recounted.
    bool SpendResources(const ResourceVector& amounts) override;
    // Income: the base's adding, the recount, the level's sums and the resource
    // achievements. A refund goes through RefundResources instead.
    void AddResources(const ResourceVector& amounts) override;
    // A left click on a level object (5503): 1 when the order check refused it.
    uint32_t OnObjectClick(cObject* object) override;
    // Leaving play (a restart, the editor): the open windows close; the change is
    // allowed (0).
    uint32_t OnLeavePlay() override;

    // Input in play (held while the level is paused), then the screen's own events
    // (5507-5510, 7000-7008); everything but Esc then goes to the base.
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override;
    // The base's tick, then the clock, day and night, the blocked-workers check,
    // dispatch, spell timers, lights, camps, ambience and the enemy spells.
    void TickPlay() override;
    // While the pointer is over the tutorial hint's frame the scene hovers nothing.
    bool IsHoverHeld() const override { return hintHover != 0; }
    // Every shown control of the open HUD window and of the open tutorial hint window
    // (magic_widget_hud.cpp): pop-ups keep clear of the bar, the task rows in use, the
    // menu button and the hint's frame and arrow.
    std::vector<Rect> GetHudRects() const override;

    // --- The level editor (magic_widget_editor.cpp) ---
    // One text of the editor's overlay, at its place on the virtual screen.
    struct OverlayLine {
        std::string text;
        float x = 0.0f;
        float y = 0.0f;
    };
    // The base's editor drawing, then the overlay.
    void DrawEditor(vrk::VertexBatch& batch) override;
    // Entering the editor shows the window "level" too; then the base's handler.
    uint32_t OnEditorEvent(uint32_t kind, uintptr_t param) override;
    // Tab stores the level and returns to play with it; R stores and reloads it in
    // the editor; other keys go to the base.
    uint32_t OnKeyDown(uint32_t key) override;
    // The base's placing; an item dropped inside a plant's frame joins that plant.
    uint32_t OnMouseDown(uint32_t button) override;
    // The palette's menus and the level commands; object choices go to the base.
    uint32_t OnGuiEvent(int32_t value, const std::string& name, int32_t index) override;
    // The scene into the current level's in-memory stream (no file is written);
    // false without a player or a stream, and false (logged, the stream keeps its
    // bytes) when the level loaded only in part: its scene lacks what was not read.
    virtual bool SaveCurrentLevel();
    // Whether the last StartGame read the whole level.
    bool IsLevelLoadedWhole() const { return levelScene_.IsLoadedWhole(); }
    // The overlay's texts: level number, level name and the area tool's note.
    std::vector<OverlayLine> ComposeEditorOverlay() const;

    // --- LevelScreen's columns and hints ---
    void PassTargetOn(cMan* walker) override;
    void JoinColumn(cMan* walker) override;
    cGameObject* NextEntryAfter(cGameObject* wayPoint) override;
    void ClearHintTarget(cObject* object) override;

    // --- Play ---
    // Loads, links and counts the active player's current level and plays
    // "start_game"; false (nothing changed) without a player, without levels or
    // with an index outside them.
    virtual bool StartGame();
    // Marks on the objects whether a path from the home reaches them: 3 all, 1 only
    // the unmarked (each from the nearest reached object), 2 only the marked.
    virtual void UpdateReachability(int32_t mode);
    // The smoothed cell path between two cells; blocked end cells are opened for the
    // search only. False outside the grid or without a path.
    virtual bool FindCellPath(std::vector<GridCell>& cells, const GridCell& start, const GridCell& goal);
    // Where a walker coming from the point stops by the target: of the four free
    // neighbours at the target's radius along the grid axes, the one nearest the
    // aim point; the target's position when none is free or it has no radius.
    virtual vec2 GetStopPoint(cGameObject* target, const vec2& from);
    // The points of the walker's walk to the goal by the target (from the home's
    // door when it stands in the home; stopping by the target at its radius); false
    // when no cell path leads there.
    bool PlanWalk(cMan* walker, cGameObject* target, const vec2& goal, std::vector<vec2>& points);

    // --- Orders ---
    // Whether the order may stand; with show a refusal's text appears at the object.
    // Without show a waiting order on a busy target stays (negative codes).
    virtual bool CheckOrder(cGameObject* object, int32_t part, bool show);
    // Gives the waiting orders, in order, to the free workers nearest by path.
    virtual void DispatchOrders();
    // A talk or the level's end holds the level (input bit 0).
    bool IsPaused() const;

    // --- Columns, enemy tuning, weather, day and night ---
    // The objects of the type walk in a column: the first to the first way point,
    // each further one after the one before it.
    virtual void LeadColumn(int32_t typeId);
    // Goblin work rate 0.2, bandit speed and tank gun speed factors 1.0.
    virtual void ResetEnemyTuning();
    // "snow", "rain", "shine", "night"; anything else only whitens the scene.
    virtual void SetWeather(const std::string& name);
    // Seconds of day and of night; a night length of 0 keeps it day.
    virtual void SetDayNightLengths(float dayLength, float nightLength);

    // The night flag, the tint and the night strength, then the level's camps.
    virtual void SetNight(bool isNight);
    virtual void OnNightStart();
    virtual void OnDayStart();
    // The level's camp script, once a tick while a stage runs.
    virtual void UpdateEnemyBases();

    // --- Spells ---
    // The immediate effects of a cast spell, and the end of its lasting ones.
    virtual void StartSpell(int32_t id);
    virtual void StopSpell(int32_t id);

    // --- Ratings ---
    // 1 without a limit; 4 within two thirds of it, 3 within it, 2 over it.
    virtual int32_t GetMedal() const;
    // Ten points per resource unit earned, plus 1000 for medal 3, 10000 for medal 4.
    virtual int32_t GetScore() const;
    virtual float GetLevelTime() const { return levelTime; }
    virtual int32_t GetFreedWorkers() const { return freedWorkers; }
    virtual int32_t GetBuildCount() const { return builds; }
    virtual int32_t GetResourceTotal() const { return resourceTotal; }

    // --- Plain access ---
    const std::vector<SpellEntry>& GetSpellTable() const { return spellTable_; }
    const std::vector<cGameObject*>& GetWayPoints() const { return wayPoints_; }
    cTrain* GetHint() const { return hint_.get(); }
    void SetHint(std::unique_ptr<cTrain> hint);
    vrk::cSound* GetRainSound() const { return rainSound_; }

    // --- The level state the set-up and the play loop work with ---
    std::string music;
    int32_t baseStage = -1;
    float levelTime = 0.0f;
    // Seconds allowed; 0 or less: no limit.
    float timeLimit = 0.0f;
    bool limitWarned = false;
    bool timeOver = false;
    TimedValue<float> dayNightPhase;
    SceneTint tint;
    // 0 by day, 1 at night: the alpha of the lights.
    TimedValue<float> nightStrength;
    int32_t nightCount = -1;
    float dayLength = 0.0f;
    float nightLength = 0.0f;
    TimedValue<float> ambienceTimer;
    TimedValue<float> killWorkersTimer;
    TimedValue<float> killTowersTimer;
    TimedValue<float> checkTimer;
    // The handler of the tutorial window "train", handed over by the game's "level"
    // factory; null: no hints are shown.
    cTrainWF* trainWindow = nullptr;
    // 1 while the pointer is over the tutorial hint's frame (set by its window).
    uint8_t hintHover = 0;
    int32_t freedWorkers = 0;
    int32_t resourceTotal = 0;
    int32_t succubusTicks = 0;
    int32_t tomatoFoodSum = 0;
    int32_t wheatFoodSum = 0;
    int32_t manaSum = 0;

private:
    // This screen's share of the clearing (and of the constructor's start values).
    void ResetMagicState();
    // Level start steps (magic_widget_start.cpp).
    void MarkZones();
    void CutOffUnreachableWorkers();
    void LinkItemsToPlants();
    void ListWayPoints();
    void MoveFountainDown();
    void StopRainSound();
    void StartRainSound(vrk::cSound* sound) { rainSound_ = sound; }
    // Order helpers (magic_widget_orders.cpp).
    bool HasWorkerOn(const cGameObject* object) const;
    std::vector<cWorker*> FreeWorkers();
    // Play (magic_widget_play*.cpp, magic_widget_level_end.cpp).
    bool HandleInput(uint32_t kind, uintptr_t param);
    void ContinueHint();
    // The tutorial step's share of the play tick.
    void RunHint();
    void RestartHintWait();
    void RecountTasks(uintptr_t kind);
    void OnTaskDone(uintptr_t index);
    void EndLevel();
    void WriteWin(PlayerLevelRecord& record) const;
    void UnlockLevelAchievements();
    void FinishWork(const WorkFinishedRecord& record);
    void FreeCutOffWorkers();
    void CancelWalks();
    void StepClock();
    void CheckBlockedWorkers();
    void StepSpellTimers();
    void StepEnemySpells();
    // Camps (magic_widget_enemies.cpp): "base_enemy%i" by index (null when missing).
    std::vector<cBaseEnemy*> FindCamps(std::initializer_list<int32_t> indices);
    // Sets the named camps' interval and maximum; allOrNone: only when all exist.
    void SetCamps(std::initializer_list<int32_t> indices, float interval, uint32_t walkers, bool allOrNone);
    // Every camp's interval times the factor and its maximum plus the extra.
    void ScaleCamps(float factor, uint32_t extraWalkers);
    // The editor's notices of a "_save" that wrote nothing (magic_widget_editor.cpp).
    static cSceneSave::Notices SaveNotices();

    std::vector<SpellEntry> spellTable_;
    std::vector<cGameObject*> wayPoints_;
    std::unique_ptr<cTrain> hint_;
    // How long the shown step has waited for a click.
    TimedValue<float> hintWait_;
    vrk::cSound* rainSound_ = nullptr;
    cSceneSave levelScene_{"cMagicWidget", SaveNotices()};
};

// The level screen as the game's own, null while there is none.
cMagicWidget* CurrentMagicWidget();
