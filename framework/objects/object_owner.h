// cObjectOwner: what a scene object asks of the screen that holds it. The screen
// widget implements it; tests use small fakes. Calls go from the objects up to the
// screen only through this interface.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/render/matrix4.h"

namespace vrk {
class VertexBatch;
class cFont;
}

class cObject;

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
};
