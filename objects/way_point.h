// cWayPoint: the marker the editor places to describe a bandits' patrol route. It
// is no game object to the rest of the level (its kind test answers only 119 and
// 1: never clickable, takes no orders), covers a small square around its position
// and is seen only in the editor.
#pragma once
#include <cstdint>

#include "framework/objects/game_object.h"

class cWayPoint : public cGameObject {
public:
    static constexpr int32_t kWayPointLayer = 7;
    // Side of the square the marker covers, centred on its position.
    static constexpr float kSide = 12.0f;
    static constexpr uint32_t kEditorColor = 0xFFFF0000u;  // opaque red

    explicit cWayPoint(cObjectOwner* owner);
    ~cWayPoint() override;

    // --- Overrides of cObject ---
    // The square in the editor, nothing in play.
    void Draw() override;
    int32_t GetTypeId() const override;
    bool IsKindOf(int32_t id) const override;
    // The square, which the editor picks; in play nothing hits the marker (it has
    // no picture), so it never takes a click meant for a figure standing on it.
    void GetFrameRect(Rect& rect, int32_t index) const override;
};
