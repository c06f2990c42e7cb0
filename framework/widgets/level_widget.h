// cLevelWidget: the base of every playable level screen. Beyond the scene of a
// cBaseWidget it keeps a walkable grid of 48 x 48 cells over the level area (a
// terrain cost per cell, spanned from an origin by two axis vectors), answers path
// requests on it, converts between cells and world points, and holds the level's
// stock of resources, the queue of the player's orders, the task list, the opening
// dialogue, the progress bar and the reservation marker. The game's level screen
// derives from it and overrides the grid basis, the worker dispatch and the set-up.
//
// Where the members live: construction, the level's life, stock and orders in
// level_widget.cpp; cell costs, geometry and conversions in level_widget_grid.cpp;
// path requests in level_widget_paths.cpp; the dialogue in level_widget_talk.cpp;
// hints and drawing services in level_widget_draw.cpp; the editor half (area tool,
// node drop, grid overlay) in level_widget_editor.cpp.
#pragma once
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/anim_effect_list.h"
#include "framework/objects/grid_cell.h"
#include "framework/objects/grid_geometry.h"
#include "framework/objects/path_finder.h"
#include "framework/objects/render_area.h"
#include "framework/objects/resource_vector.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/sprite_info.h"
#include "framework/objects/task_list.h"
#include "framework/objects/vec2.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/talk_record.h"

class cGameObject;
class cMan;

// One order of the player waiting for a worker. The game's dispatcher fills in the
// worker.
struct OrderRecord {
    cGameObject* target = nullptr;
    int32_t part = 0;
    cMan* worker = nullptr;
};

// A terrain code and the step cost it stands for.
struct TerrainCost {
    int32_t code = 0;
    float cost = 0.0f;
};

// Terrain codes of the path grid.
enum TerrainCode : int32_t {
    kTerrainBlockedByObject = -2,  // reported, never stored
    kTerrainImpassable = -1,
    kTerrainFree = 0,
    kTerrainSlow = 1,
    kTerrainVerySlow = 2,
};

class cLevelWidget : public cBaseWidget, public cRenderAreaHost {
public:
    static constexpr const char* kScreenName = "level";
    static constexpr float kCellSize = 48.0f;
    static constexpr float kInitialLevelWidth = 1024.0f;
    static constexpr float kInitialLevelHeight = 768.0f;
    static constexpr float kOwnCostBlocked = -2.0f;
    static constexpr float kOwnCostFree = 0.0f;
    static constexpr float kCostEpsilon = 1.1920929e-7f;
    // Rings searched around a cell for a free one, and the reach of random walks.
    static constexpr int32_t kNearestFreeRings = 9;
    static constexpr int32_t kRandomPointReach = 9;
    static constexpr int32_t kRandomPointTries = 10;
    static constexpr size_t kReservedTasks = 10;
    // Order parts below this took a reservation on their target.
    static constexpr int32_t kReservingParts = 2;
    static constexpr int32_t kAreaTool = 11;
    static constexpr int32_t kNodeTool = 3;
    // The window-context value the level's windows are opened with.
    static constexpr intptr_t kWindowContext = 2;

    cLevelWidget();
    ~cLevelWidget() override;

    // --- Overrides of cBaseWidget ---
    // The base's InitLevel, then the progress and target sprites and the firework.
    void InitLevel(const std::string& name) override;
    // The base's LoadLevel, then the grid tail (only when every object loaded), then
    // a render area and a highlight when the level has none.
    bool LoadLevel(vrk::cByteStream& stream, int32_t hint) override;
    void SaveLevel(vrk::cByteStream& stream, uint32_t version) override;
    // The base's linking, then the passable cells become the destination cells.
    void LinkObjects() override;
    // The base's factory first; then 9, 13 and 17 are made here.
    cObject* CreateObject(int32_t typeId, uint32_t id) override;
    void ClearLevel() override;
    void SetLevelSize(float width, float height) override;
    void TickLoading() override;
    void TickPlay() override;
    // 5506 and 5507 take the walker's order out of the queue; then the base.
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override;
    // The opening dialogue when lines are queued, else the window "level".
    uint32_t ShowGui() override;
    bool IsEditorMode() const override;
    uint32_t OnKeyDown(uint32_t key) override;
    uint32_t OnMouseDown(uint32_t button) override;
    uint32_t OnMouseUp(uint32_t button) override;
    uint32_t OnMouseMove(uint32_t packedPoint) override;

    // --- cRenderAreaHost: the level's own content at the render area's place ---
    void DrawRenderArea() override {}

    // --- Cell costs and marks (level_widget_grid.cpp) ---
    vec2 GetCellSize() const override;
    // Editor grid overlay (level_widget_editor.cpp).
    virtual void DrawGrid();
    void DrawProgress(const vec2& point, float fraction) override;
    virtual void SetCellCostAt(const GridCell& cell, int32_t code);
    virtual void SetCellCost(int32_t x, int32_t y, int32_t code);
    int32_t GetCellCostAt(const GridCell& cell) const override;
    // -2 while an object blocks the cell, else the terrain code (-1 outside).
    virtual int32_t GetCellCost(int32_t x, int32_t y) const;
    virtual float CostOfCode(int32_t code) const;
    virtual int32_t CodeOfCost(float cost) const;
    virtual void SetCellBlockedAt(const GridCell& cell, bool blocked);
    void SetCellBlocked(int32_t x, int32_t y, bool blocked) override;
    virtual bool IsCellBlocked(const GridCell& cell) const;
    virtual bool IsCellBlockedXY(int32_t x, int32_t y) const;
    // Appends the centre of each cell, in order.
    virtual void CellsToPoints(const std::vector<GridCell>& cells, std::vector<vec2>& points) const;
    virtual cObject* FindObject(const std::string& name, int32_t layer);

    // --- Path requests (level_widget_paths.cpp); the output is left untouched on
    // failure ---
    bool FindPathToPoint(std::vector<vec2>& points, cObject* from, int32_t x, int32_t y, bool smooth) override;
    virtual bool FindPath(std::vector<vec2>& points, cObject* from, cObject* to, bool smooth);
    virtual bool PickRandomPoint(std::vector<vec2>& points, cObject* object);
    virtual float GetPathLength(const std::vector<vec2>& points) const;
    GridCell NearestFreeCellOf(const cObject* object) const override;
    virtual GridCell FindNearestFreeCell(const GridCell& cell) const;
    bool SendWorker(cMan* walker, cGameObject* target, int32_t kind) override;

    // --- Geometry (level_widget_grid.cpp) ---
    // Each output may be null: the corners (x, y), (x, y+1), (x+1, y+1), (x+1, y).
    virtual bool GetCellCorners(int32_t x, int32_t y, vec2* c00, vec2* c01, vec2* c11, vec2* c10) const;
    // Sizes the grid to cover the level area on the current basis.
    virtual void ResizeGrid();
    virtual void GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const;
    vec2 CellToPoint(const GridCell& cell) const override;
    // Inside the area tool's rectangle, bounds included (level_widget_editor.cpp).
    virtual bool IsCellSelected(int32_t x, int32_t y) const;
    GridCell PointToCell(const vec2& point) const override;
    virtual bool IsPointOnObject(const cObject* object, const vec2& point) const;
    GridCell ObjectToCell(const cObject* object) const override;
    virtual bool IsCellOnObject(const cObject* object, const GridCell& cell) const;
    // Two triangles of one colour into the primitive batch (level_widget_editor.cpp).
    virtual void FillQuad(const vec2& p0, const vec2& p1, const vec2& p2, const vec2& p3, uint32_t color);
    // The area tool's flood of a code (level_widget_editor.cpp).
    virtual void FillCells(const GridCell& cell, int32_t code);
    bool GetObjectCells(const cObject* object, GridCell& first, GridCell& last) const override;

    // --- Stock (level_widget.cpp) ---
    bool HasResources(const ResourceVector& amounts) const override;
    virtual bool SpendResources(const ResourceVector& amounts);
    virtual void AddResources(const ResourceVector& amounts);

    // --- Hints (level_widget_draw.cpp) ---
    void ShowHint(cGameObject* object, const std::string& text, float height) override;

    // --- The opening dialogue (level_widget_talk.cpp) ---
    virtual void ResetTalks();
    virtual void AddTalk(uint32_t side, const std::string& speaker, const std::string& textKey);
    virtual void AddTalkFace(uint32_t side, const std::string& speaker, const std::string& eyeVariant,
                             const std::string& textKey);
    virtual bool IsTalkFinished() const;
    virtual void NextTalk();
    virtual void StartTalk();
    virtual void EndTalk();

    // --- Orders (level_widget.cpp) ---
    virtual bool QueueOrder(cGameObject* target, int32_t part);
    virtual void ClearOrders();

    // --- What the objects draw with ---
    const SpriteAnim* GetReservationMark() const override { return &targetAnim_; }

    // --- Plain access for the game's level screen and the editor ---
    ResourceVector& Stock() { return stock_; }
    const ResourceVector& Stock() const { return stock_; }
    cPathFinder& PathFinder() { return pathFinder_; }
    const cPathFinder& PathFinder() const { return pathFinder_; }
    int32_t GetGridWidth() const { return pathFinder_.GetWidth(); }
    int32_t GetGridHeight() const { return pathFinder_.GetHeight(); }
    vec2 GetGridOrigin() const { return gridOrigin_; }
    // The per-cell word the level file keeps; 0 outside the grid.
    uint32_t GetCellExtra(int32_t x, int32_t y) const;
    void SetCellExtra(int32_t x, int32_t y, uint32_t value);
    const std::vector<GridCell>& GetDestinationCells() const { return destinations_; }
    std::list<OrderRecord>& Orders() { return orders_; }
    const std::list<OrderRecord>& Orders() const { return orders_; }
    const std::vector<TalkRecord>& GetTalks() const { return talks_; }
    int32_t GetTalkIndex() const { return talkIndex_; }
    TaskList& Tasks() { return tasks_; }
    AnimEffectList& AnimEffects() { return *animEffects_; }
    cObject* GetRenderArea() const { return renderArea_; }
    cObject* GetHighlight() const { return highlight_; }
    const SpriteInfo& GetProgressSprite() const { return progressSprite_; }
    const SpriteAnim& GetTargetAnim() const { return targetAnim_; }
    bool IsGridShown() const { return showGrid_ != 0; }
    void ShowGrid(bool show) { showGrid_ = show ? 1 : 0; }
    bool IsEditorOnLoad() const { return editorOnLoad_ != 0; }
    void SetEditorOnLoad(bool on) { editorOnLoad_ = on ? 1 : 0; }
    GridCell GetSelectionA() const { return selectionA_; }
    GridCell GetSelectionB() const { return selectionB_; }

protected:
    // Opens a window through the application (nothing without one).
    void OpenAppWindow(const std::string& name);
    // The grid tail of a level stream; stops where the stream runs out.
    void ReadGridTail(vrk::cByteStream& stream);
    void WriteGridTail(vrk::cByteStream& stream) const;
    // point - origin as s * axisX + t * axisY; false when the axes are parallel.
    bool Decompose(const vec2& point, float& s, float& t) const;
    // The basis and cell size the grid has now.
    GridGeometry CurrentGeometry() const;
    // The grid search between two cells with the end cells opened for it.
    bool SearchGrid(const GridCell& start, const GridCell& goal, bool smooth, std::vector<GridCell>& cells);
    // True when "talk" has both portraits (without logging a missing one).
    static bool HasTalkFaces();

    ResourceVector stock_;
    cPathFinder pathFinder_;
    std::vector<GridCell> destinations_;
    SpriteInfo progressSprite_;
    vec2 gridOrigin_;
    GridCell selectionA_{-1, -1};
    GridCell selectionB_{-1, -1};
    uint8_t showGrid_ = 0;
    uint8_t editorOnLoad_ = 0;
    std::vector<TerrainCost> costTable_;
    cObject* highlight_ = nullptr;
    cObject* renderArea_ = nullptr;
    std::list<OrderRecord> orders_;
    std::vector<TalkRecord> talks_;
    int32_t talkIndex_ = 0;
    SpriteInfo targetSprite_;
    SpriteAnim targetAnim_;
    TaskList tasks_;
    std::unique_ptr<AnimEffectList> animEffects_;
};
