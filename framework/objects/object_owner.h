// cObjectOwner: what a scene object asks of the screen that holds it. The screen
// widget implements it; tests use small fakes. Calls go from the objects up to the
// screen only through this interface.
#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/matrix4.h"
#include "framework/objects/grid_cell.h"
#include "framework/objects/man_direction.h"
#include "framework/objects/vec2.h"

namespace vrk {
class VertexBatch;
class cFont;
}

class cObject;
class cGameObject;
class cMan;
class ResourceVector;
struct SpriteAnim;
// A floating caption (the hint pop-up) as the screen hands it out; the holder gives
// it back through ReleaseCaption.
struct CaptionHandle;

// Play events that objects and the task list send their screen.
enum OwnerPlayEvent : uint32_t {
    kEventRecount = 5508,
    kEventLevelEnd = 5509,
    kEventTaskDone = 5510,
    kEventTaskUndone = 5511,
};

class cObjectOwner {
public:
    // Layers a screen keeps: 0 (opaque) to 9.
    static constexpr int32_t kLayerCount = 10;
    // Side of a path-grid cell in world units.
    static constexpr float kGridCellSize = 48.0f;
    // The font used for captions when the screen's caption style names none.
    static constexpr const char* kDefaultCaptionFont = "a_fontsystem9";

    virtual ~cObjectOwner() = default;

    // Moves the object to a layer, clamped to 0..9, and stores it in the object's
    // layer field (cObject::SetLayerField). Answers the clamped layer.
    virtual int32_t SetObjectLayer(cObject* object, int32_t layer) = 0;
    // The batch objects append their quads to; null when there is none.
    virtual vrk::VertexBatch* GetPrimitiveBatch() = 0;
    // ARGB colour objects tint themselves with (through their colour mask).
    virtual uint32_t GetSceneColor() const = 0;
    virtual bool IsEditorMode() const = 0;
    // The renderer blend mode the screen uses for a layer (0 off, 1 alpha).
    virtual int32_t GetLayerBlendMode(int32_t layer) const = 0;
    virtual const std::string& GetLevelName() const = 0;
    // World size of the scene.
    virtual float GetLevelWidth() const = 0;
    virtual float GetLevelHeight() const = 0;
    // The world height above which the scene shows sky, where no shadow can fall. A
    // level, seen from above, is ground all over.
    virtual float GetSkyLine() const { return std::numeric_limits<float>::infinity(); }
    // World to the 1024 x 768 virtual screen.
    virtual const vrk::Matrix4& GetViewMatrix() const = 0;
    // The object under the mouse after the last play tick (null: none) and the part
    // its hit test answered.
    virtual cObject* GetHoveredObject() const = 0;
    virtual int32_t GetHoveredPart() const = 0;
    // Delivers a play event to the screen's play handler at once (the task list's
    // 5510 / 5511); the parameter may carry a pointer.
    virtual uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) = 0;
    // Queues a play event for the end of the play tick.
    virtual void PostEvent(uint32_t code, uintptr_t param) = 0;
    // The caption style's font, else the font kDefaultCaptionFont; null when neither
    // is registered.
    virtual std::shared_ptr<vrk::cFont> GetCaptionFont() const = 0;

    // --- What game objects and walkers ask of a level screen. A screen without a
    // path grid, stock or captions keeps these defaults. ---

    // The screen's OnEvent: the event goes to the handler of the mode the screen is
    // in (arrivals 5506 and target changes 5507 of the walkers).
    virtual uint32_t OnScreenEvent(uint32_t code, uintptr_t param) { return OnPlayEvent(code, param); }
    // Opens the hint pop-up of an object (an empty text asks the object's hint text;
    // a text of its own is a notice the object holds for its time) and gives the
    // object its handle.
    virtual void ShowHint(cGameObject* /*object*/, const std::string& /*text*/, float /*height*/) {}
    virtual void SetCaptionText(CaptionHandle* /*handle*/, const std::string& /*text*/) {}
    // Takes a caption back; a null handle does nothing.
    virtual void ReleaseCaption(CaptionHandle* /*handle*/) {}
    // The work-timer bar centred on the point, filled to the fraction.
    virtual void DrawProgress(const vec2& /*point*/, float /*fraction*/) {}
    // The marker drawn once per reservation; null when the screen has none.
    virtual const SpriteAnim* GetReservationMark() const { return nullptr; }
    virtual bool HasResources(const ResourceVector& /*amounts*/) const { return false; }
    // Workers now at work on the object (besides those still heading there).
    virtual int32_t CountWorkersAt(const cGameObject* /*object*/) const { return 0; }
    // Asks the screen to plan a new walk of the walker to the target.
    virtual bool SendWorker(cMan* /*walker*/, cGameObject* /*target*/, int32_t /*kind*/) { return false; }

    // Path grid. Cells outside the grid read as impassable (cost code -1).
    virtual vec2 GetCellSize() const { return vec2{kGridCellSize, kGridCellSize}; }
    // The first and last cell an object's footprint covers; false without a grid.
    virtual bool GetObjectCells(const cObject* /*object*/, GridCell& /*first*/, GridCell& /*last*/) const
    {
        return false;
    }
    virtual void SetCellBlocked(int32_t /*x*/, int32_t /*y*/, bool /*blocked*/) {}
    // Terrain cost code of a cell, -2 while an object blocks it; negative = blocked.
    virtual int32_t GetCellCostAt(const GridCell& /*cell*/) const { return -1; }
    virtual GridCell PointToCell(const vec2& /*point*/) const { return GridCell{-1, -1}; }
    virtual GridCell ObjectToCell(const cObject* /*object*/) const { return GridCell{-1, -1}; }
    virtual vec2 CellToPoint(const GridCell& /*cell*/) const { return vec2{}; }
    // The free cell nearest to the object's cell, (-1, -1) when there is none near.
    virtual GridCell NearestFreeCellOf(const cObject* /*object*/) const { return GridCell{-1, -1}; }
    // A walk from the object to cell (x, y); false (points untouched) without one.
    virtual bool FindPathToPoint(std::vector<vec2>& /*points*/, cObject* /*from*/, int32_t /*x*/, int32_t /*y*/,
                                 bool /*smooth*/)
    {
        return false;
    }
    // The sector of a direction when the circle is cut into count sectors.
    virtual int32_t GetDirectionIndex(const vec2& direction, int32_t count) const
    {
        return DirectionIndex(direction, count);
    }
};
